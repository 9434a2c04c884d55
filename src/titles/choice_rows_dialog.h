#pragma once
// Dialogs made of rows of one list and one "設定" button each: the page each line shows
// ("表示ページ切換え") and starts on ("スタートアップの設定"), each line's display position
// ("表示位置微調整"), and the white and edge level ("文字レベルの設定"). A list stores its
// value at once; a button sends it at once.
#include <QGridLayout>
#include <QStringList>
#include <array>
#include <functional>

#include "link/link.h"
#include "settings/settings_image.h"
#include "ui/settings_dialog.h"

namespace vtg {

class ChoiceRowsDialog : public ui::SettingsDialog {
  Q_OBJECT
 protected:
  ChoiceRowsDialog(ui::AppContext& app, const ui::DialogSetup& setup, QWidget* parent);

  // A group titled `group` holding the list and its button; two groups to a row. `value` is
  // a setting the document keeps.
  void AddRow(const QString& group, int list_id, int button_id, const QStringList& entries, int& value,
              std::function<void()> send);
  // Ends the layout with the slave address list and "Close".
  void Finish();

 private:
  QGridLayout* grid_;
  int rows_ = 0;
};

// One row per line, ch.1 Top first.
struct PerLineKind {
  const char* caption;
  const char* peer_caption;
  QStringList (*entries)();
  std::array<int, 4> SettingsImage::*values;
  void (*send)(Link& link, const SettingsImage& image, int line);
};

extern const PerLineKind kPageSwitchKind;
extern const PerLineKind kStartupKind;
extern const PerLineKind kDisplayPositionKind;

class PerLineDialog : public ChoiceRowsDialog {
  Q_OBJECT
 public:
  PerLineDialog(ui::AppContext& app, const PerLineKind& kind, QWidget* parent);
};

class CharLevelDialog : public ChoiceRowsDialog {
  Q_OBJECT
 public:
  CharLevelDialog(ui::AppContext& app, QWidget* parent);
};

}  // namespace vtg
