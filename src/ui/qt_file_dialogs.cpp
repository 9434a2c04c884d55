#include "ui/qt_file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "ui/family_modal.h"
#include "ui/qt_text.h"

namespace vtg::ui {
namespace {

QStringList Filters(const FileDialogRequest& request) {
  QStringList filters;
  for (const FileFilter& f : request.filters)
    filters << QStringLiteral("%1 (%2)").arg(ToQString(f.text), ToQString(f.pattern));
  return filters;
}

std::optional<std::string> Run(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToUtf8(dialog.selectedFiles().front());
}

void Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
  MakeFamilyModal(dialog);
  dialog.setWindowTitle(ToQString(request.title));
  dialog.setNameFilters(Filters(request));
  dialog.selectNameFilter(dialog.nameFilters().front());
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (!request.default_name.empty()) dialog.selectFile(ToQString(request.default_name));
}

}  // namespace

std::optional<std::string> QtFileDialogs::ChooseFileToOpen(const FileDialogRequest& request) {
  QFileDialog dialog(owner_);
  Prepare(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Run(dialog);
}

std::optional<std::string> QtFileDialogs::ChooseFileToSave(const FileDialogRequest& request) {
  QFileDialog dialog(owner_);
  Prepare(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  return Run(dialog);
}

}  // namespace vtg::ui
