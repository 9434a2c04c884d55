#pragma once
// Which menu command opens which dialog. Each subsystem registers its own dialogs, so adding
// one never means editing the main window.
#include <QWidget>
#include <functional>
#include <map>

#include "ui/app_context.h"

namespace vtg::ui {

// Opens a dialog (or runs a command) for the main window `owner`.
using DialogOpener = std::function<void(AppContext& app, QWidget* owner)>;

// The document save the exit question asks for: Save, or Save As without a name. False
// when it failed or the operator cancelled it.
using DocumentSave = std::function<bool(AppContext& app, QWidget* owner)>;

// The usual opener: a modal dialog built from the context.
template <class Dialog>
void OpenModal(AppContext& app, QWidget* owner) {
  Dialog dialog(app, owner);
  dialog.exec();
}

class DialogRegistry {
 public:
  void Register(int command_id, DialogOpener open) { openers_[command_id] = std::move(open); }
  bool Has(int command_id) const { return openers_.count(command_id) != 0; }
  // False when nothing is registered under the id.
  bool Open(int command_id, AppContext& app, QWidget* owner) const;

  void SetDocumentSave(DocumentSave save) { save_ = std::move(save); }
  const DocumentSave& documentSave() const { return save_; }

 private:
  std::map<int, DialogOpener> openers_;
  DocumentSave save_;
};

}  // namespace vtg::ui
