#include "settings/document_commands.h"

#include <filesystem>
#include <system_error>
#include <variant>

#include "link/text_helpers.h"
#include "settings/replace_file.h"
#include "settings/settings_document.h"

namespace vtg {
namespace {

bool MayDiscard(const ControllerState& state, Messages& messages, std::string_view question) {
  return !state.doc.doc_modified || messages.Ask(Question::UnsavedData, question);
}

// The document text, or none after telling the operator why it cannot be written.
std::optional<std::string> DocumentText(const ControllerState& state, Messages& messages) {
  auto text = FormatDocument(state.image);
  if (auto* fault = std::get_if<DocumentFault>(&text)) {
    messages.ErrorBox(fault->message);
    return std::nullopt;
  }
  return std::get<std::string>(std::move(text));
}

DocumentResult WriteDocument(ControllerState& state, Messages& messages, const std::string& path,
                             std::string_view text) {
  if (auto error = ReplaceFile(path, text)) {
    messages.ErrorBox(*error);
    return DocumentResult::Failed;
  }
  state.doc.doc_file_name = path;
  state.doc.doc_modified = 0;
  return DocumentResult::Done;
}

// The name chosen in the save dialog with ".dat" added when missing. A name typed without
// it was not what the dialog asked about, so replacing that file is asked here.
std::optional<std::string> ChooseSaveName(DocumentUi& ui) {
  auto path = ui.ChooseSaveFile(kSaveDocumentTitle, kDocumentFilters);
  if (!path || !HasExtension(*path, kDocumentExtension)) return path;
  *path += kDocumentExtension;
  std::error_code error;
  if (std::filesystem::exists(*path, error) && !ui.ConfirmReplace(*path + " は既に存在します。\n上書きしますか？"))
    return std::nullopt;
  return path;
}

}  // namespace

DocumentResult NewDocument(ControllerState& state, Messages& messages) {
  if (state.flags.sequence_step != 0) return DocumentResult::Busy;
  if (!MayDiscard(state, messages, kNewWithoutSaving)) return DocumentResult::Cancelled;
  ResetToDefaults(state);
  return DocumentResult::Done;
}

DocumentResult OpenDocument(ControllerState& state, Messages& messages, DocumentUi& ui) {
  if (state.flags.sequence_step != 0) return DocumentResult::Busy;
  if (!MayDiscard(state, messages, kOpenWithoutSaving)) return DocumentResult::Cancelled;
  const auto path = ui.ChooseOpenFile(kOpenDocumentTitle, kDocumentFilters);
  if (!path) return DocumentResult::Cancelled;
  const auto bytes = ReadFileUpTo(*path, kMaxDocumentBytes);
  if (!bytes) {
    messages.ErrorBox(kCantFileOpen);
    return DocumentResult::Failed;
  }
  if (auto fault = ParseDocument(*bytes, state.image)) {
    messages.ErrorBox(fault->message);
    return DocumentResult::Failed;
  }
  state.doc.doc_file_name = *path;
  state.doc.doc_modified = 0;
  return DocumentResult::Done;
}

DocumentResult SaveDocument(ControllerState& state, Messages& messages, DocumentUi& ui) {
  if (state.doc.doc_file_name.empty()) return SaveDocumentAs(state, messages, ui);
  const auto text = DocumentText(state, messages);
  if (!text) return DocumentResult::Failed;
  return WriteDocument(state, messages, state.doc.doc_file_name, *text);
}

DocumentResult SaveDocumentAs(ControllerState& state, Messages& messages, DocumentUi& ui) {
  // Refused before the operator picks a name, not after.
  const auto text = DocumentText(state, messages);
  if (!text) return DocumentResult::Failed;
  const auto path = ChooseSaveName(ui);
  if (!path) return DocumentResult::Cancelled;
  return WriteDocument(state, messages, *path, *text);
}

std::string DocumentNameText(const DocumentState& doc) {
  return doc.doc_file_name.empty() ? std::string("File Name ") : doc.doc_file_name;
}

}  // namespace vtg
