#pragma once
// The base of every settings dialog: what each one does when it opens, and small helpers
// for its controls.
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QString>
#include <initializer_list>
#include <optional>

#include "ui/app_context.h"
#include "ui/control_id.h"

namespace vtg::ui {

struct DialogSetup {
  QString caption;
  // With a unit chosen in the server role the caption becomes this text (ending in a space)
  // followed by the unit's address; empty: the caption never names the unit.
  QString peer_caption = {};
  // 1 for dialogs that address a slave, 0 for those that address the unit on the port itself;
  // none: left as it is.
  std::optional<int> address_prefix = 1;
};

class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  // Opening: becomes the reply target, records the active window as message owner, resets
  // the hidden corner count, sets the address prefix and the caption.
  SettingsDialog(AppContext& app, const DialogSetup& setup, QWidget* parent);

 protected:
  AppContext& app() const { return app_; }
  ControllerState& state() const { return app_.state; }

  // A push button named after its id; Enter never presses it unless made the default.
  QPushButton* Button(int id, const QString& text);
  // A group box with a title around controls laid out in a row (or a column).
  static QGroupBox* Group(const QString& title, std::initializer_list<QWidget*> controls,
                          Qt::Orientation orientation = Qt::Horizontal);

  // Closing by any way ends a running sequence as an aborted run.
  void done(int result) override;

 private:
  AppContext& app_;
};

}  // namespace vtg::ui
