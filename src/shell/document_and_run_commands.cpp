#include "shell/document_and_run_commands.h"

#include "settings/document_commands.h"
#include "shell/menu_table.h"
#include "shell/verify_dialog.h"
#include "shell/version_dialog.h"
#include "shell/whole_unit_run_dialog.h"
#include "ui/qt_file_dialogs.h"

namespace vtg::shell {
namespace {

using WithDialogs = DocumentResult (*)(ControllerState&, Messages&, FileDialogs&);

template <WithDialogs kCommand>
DocumentResult Run(ui::AppContext& app, QWidget* owner) {
  ui::QtFileDialogs dialogs(owner);
  return kCommand(app.state, app.messages, dialogs);
}

// The main window repaints the document name after every command.
template <WithDialogs kCommand>
void Command(ui::AppContext& app, QWidget* owner) {
  Run<kCommand>(app, owner);
}

void New(ui::AppContext& app, QWidget*) { NewDocument(app.state, app.messages); }

bool SaveBeforeExit(ui::AppContext& app, QWidget* owner) {
  return Run<SaveDocument>(app, owner) == DocumentResult::Done;
}

}  // namespace

void RegisterDocumentAndRunCommands(ui::DialogRegistry& registry) {
  registry.Register(kCmdNew, New);
  registry.Register(kCmdOpen, Command<OpenDocument>);
  registry.Register(kCmdSave, Command<SaveDocument>);
  registry.Register(kCmdSaveAs, Command<SaveDocumentAs>);
  registry.SetDocumentSave(SaveBeforeExit);
  registry.Register(kCmdSetAll, OpenWholeUnitRun<kSetAllItemsLayout>);
  registry.Register(kCmdReadSettings, OpenWholeUnitRun<kReadSettingItemsLayout>);
  registry.Register(kCmdVerify, ui::OpenModal<VerifyDialog>);
  registry.Register(kCmdVersion, ui::OpenModal<VersionDialog>);
}

}  // namespace vtg::shell
