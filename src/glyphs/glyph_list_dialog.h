#pragma once
// "外字一覧": every glyph of one class a page at a time; sends or reads them all, loads and
// saves glyph list files, opens the editor on a glyph and exports one as a picture.
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "glyphs/glyph_list.h"
#include "glyphs/glyph_page_view.h"
#include "ui/qt_file_dialogs.h"
#include "ui/sequence_runner.h"
#include "ui/settings_dialog.h"

namespace vtg {

class GlyphListDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  // `file_dialogs` null: the platform's file dialogs.
  GlyphListDialog(ui::AppContext& app, GlyphClass c, QWidget* parent, FileDialogs* file_dialogs = nullptr);

  ui::SequenceRunner& runner() const { return *runner_; }

 protected:
  void done(int result) override;

 private:
  QLayout* BottomRows();
  void OnDoubleClick(Qt::MouseButton button, QPoint at);
  void OpenEditor();
  // Glyph replies repaint the page again once the editor, which took them over, has closed.
  void BecomeReplyTarget();

  GlyphClass class_;
  ui::QtFileDialogs platform_file_dialogs_;
  QPushButton* close_;
  QProgressBar* bar_;
  QLineEdit* percent_;
  // Before list_: the list starts its transfers on this runner's engine.
  ui::SequenceRunner* runner_;
  GlyphList list_;
  ui::GlyphPageView* page_ = nullptr;
};

}  // namespace vtg
