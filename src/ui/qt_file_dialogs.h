#pragma once
// The platform's file dialogs behind the core's file choice interface.
#include <QPointer>
#include <QWidget>

#include "settings/file_dialogs.h"

namespace vtg::ui {

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* owner) : owner_(owner) {}
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace vtg::ui
