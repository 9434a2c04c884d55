#pragma once
// An IPv4 address control: four fields of 0..255 between dots. Typing "." or a third digit
// moves on to the next field.
#include <QLineEdit>
#include <QWidget>
#include <array>

#include "settings/settings_image.h"

namespace vtg::ui {

class IpAddressEdit : public QWidget {
  Q_OBJECT
 public:
  explicit IpAddressEdit(QWidget* parent = nullptr);

  // The dotted text; a field left empty stays empty ("192.168..3").
  QString text() const;
  // Shows a dotted text such as "192.168.001.003"; missing fields stay empty.
  void setText(const QString& dotted);
  // The four bytes; an empty field gives 0.
  IpBytes address() const;
  void setAddress(const IpBytes& address);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FocusField(std::size_t i);

  std::array<QLineEdit*, 4> fields_{};
};

}  // namespace vtg::ui
