#include "ui/ip_address_edit.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>

namespace vtg::ui {

IpAddressEdit::IpAddressEdit(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (i > 0) layout->addWidget(new QLabel(QStringLiteral("."), this));
    QLineEdit* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("field%1").arg(i));
    field->setValidator(new QIntValidator(0, 255, field));
    field->setMaxLength(3);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
    field->installEventFilter(this);
    if (i + 1 < fields_.size())
      connect(field, &QLineEdit::textEdited, this, [this, i](const QString& text) {
        if (text.size() == 3) FocusField(i + 1);
      });
    layout->addWidget(field);
    fields_[i] = field;
  }
  layout->addStretch();
  setFocusProxy(fields_[0]);
}

QString IpAddressEdit::text() const {
  QStringList parts;
  for (const QLineEdit* field : fields_) parts << field->text();
  return parts.join(QLatin1Char('.'));
}

void IpAddressEdit::setText(const QString& dotted) {
  const QStringList parts = dotted.split(QLatin1Char('.'));
  for (std::size_t i = 0; i < fields_.size(); ++i)
    fields_[i]->setText(i < static_cast<std::size_t>(parts.size()) ? parts[static_cast<int>(i)] : QString());
}

IpBytes IpAddressEdit::address() const {
  IpBytes bytes{};
  for (std::size_t i = 0; i < fields_.size(); ++i) bytes[i] = static_cast<std::uint8_t>(fields_[i]->text().toInt());
  return bytes;
}

void IpAddressEdit::setAddress(const IpBytes& address) {
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(QString::number(address[i]));
}

void IpAddressEdit::FocusField(std::size_t i) {
  fields_[i]->setFocus();
  fields_[i]->selectAll();
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->text() != QStringLiteral(".")) return false;
  for (std::size_t i = 0; i + 1 < fields_.size(); ++i)
    if (watched == fields_[i]) FocusField(i + 1);
  return true;
}

}  // namespace vtg::ui
