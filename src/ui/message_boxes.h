#pragma once
// Message boxes of the controller: captions, icons and beeps by kind of message.
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "link/messages.h"

namespace vtg::ui {

class MessageBoxes : public Messages {
 public:
  void Show(Box box, std::string_view text) override;
  bool Ask(Question question, std::string_view text) override;
  Answer AskOrCancel(Question question, std::string_view text) override;

  // The window that owns the owned boxes; each dialog records the active window here.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  QWidget* Owner() const { return owner_; }
  // The window the boxes without an owner are modal to, with its family: the main window.
  void SetHome(QWidget* home) { home_ = home; }

 private:
  QWidget* Parent(bool owned) const { return owned && owner_ ? owner_.data() : home_.data(); }
  // The button of `buttons` pressed; Escape presses Cancel, or No without it.
  QMessageBox::StandardButton AskWith(Question question, std::string_view text, QMessageBox::StandardButtons buttons);

  QPointer<QWidget> owner_;
  QPointer<QWidget> home_;
};

}  // namespace vtg::ui
