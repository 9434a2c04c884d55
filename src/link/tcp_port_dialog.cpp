#include "link/tcp_port_dialog.h"

#include <QRegularExpressionValidator>

#include "settings/config_file.h"
#include "ui/qt_text.h"

namespace vtg {

TcpPortDialog::TcpPortDialog(ui::AppContext& app, const QString& caption, QWidget* parent)
    : SettingsDialog(app, {caption, {}, std::nullopt}, parent) {}

QLineEdit* TcpPortDialog::PortEdit(int id) {
  auto* edit = ui::WithId(id, new QLineEdit(this));
  edit->setMaxLength(5);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), edit));
  edit->setText(ui::ToQString(state().link.tcp_port_text));
  connect(edit, &QLineEdit::textChanged, this,
          [this](const QString& text) { state().link.tcp_port_text = ui::ToUtf8(text.left(5)); });
  return edit;
}

void TcpPortDialog::done(int result) {
  StoreKey(state().link, ConfigKey::PortNumber, app().profile);
  SettingsDialog::done(result);
}

}  // namespace vtg
