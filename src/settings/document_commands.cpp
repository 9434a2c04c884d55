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
std::optional<std::string> DocumentText(const SettingsImage& image, Messages& messages) {
  auto text = FormatDocument(image);
  if (auto* fault = std::get_if<DocumentFault>(&text)) {
    messages.ErrorBox(fault->message);
    return std::nullopt;
  }
  return std::get<std::string>(std::move(text));
}

bool WriteFile(const std::string& path, std::string_view text, Messages& messages) {
  if (auto error = ReplaceFile(path, text)) {
    messages.ErrorBox(*error);
    return false;
  }
  return true;
}

DocumentResult WriteDocument(ControllerState& state, Messages& messages, const std::string& path,
                             std::string_view text) {
  if (!WriteFile(path, text, messages)) return DocumentResult::Failed;
  state.doc.doc_file_name = path;
  state.doc.doc_modified = 0;
  return DocumentResult::Done;
}

}  // namespace

bool WriteDocumentFile(const std::string& path, const SettingsImage& image, Messages& messages) {
  const auto text = DocumentText(image, messages);
  return text && WriteFile(path, *text, messages);
}

DocumentResult NewDocument(ControllerState& state, Messages& messages) {
  if (state.flags.sequence_step != 0) return DocumentResult::Busy;
  if (!MayDiscard(state, messages, kNewWithoutSaving)) return DocumentResult::Cancelled;
  ResetToDefaults(state);
  return DocumentResult::Done;
}

bool ReadDocumentFile(const std::string& path, SettingsImage& image, Messages& messages) {
  const auto bytes = ReadFileUpTo(path, kMaxDocumentBytes);
  if (!bytes) {
    messages.ErrorBox(kCantFileOpen);
    return false;
  }
  if (auto fault = ParseDocument(*bytes, image)) {
    messages.ErrorBox(fault->message);
    return false;
  }
  return true;
}

DocumentResult OpenDocument(ControllerState& state, Messages& messages, FileDialogs& dialogs) {
  if (state.flags.sequence_step != 0) return DocumentResult::Busy;
  if (!MayDiscard(state, messages, kOpenWithoutSaving)) return DocumentResult::Cancelled;
  const auto path = dialogs.ChooseFileToOpen({std::string(kOpenDocumentTitle), kDocumentFilters, {}});
  if (!path) return DocumentResult::Cancelled;
  if (!ReadDocumentFile(*path, state.image, messages)) return DocumentResult::Failed;
  state.doc.doc_file_name = *path;
  state.doc.doc_modified = 0;
  return DocumentResult::Done;
}

DocumentResult SaveDocument(ControllerState& state, Messages& messages, FileDialogs& dialogs) {
  if (state.doc.doc_file_name.empty()) return SaveDocumentAs(state, messages, dialogs);
  const auto text = DocumentText(state.image, messages);
  if (!text) return DocumentResult::Failed;
  return WriteDocument(state, messages, state.doc.doc_file_name, *text);
}

DocumentResult SaveDocumentAs(ControllerState& state, Messages& messages, FileDialogs& dialogs) {
  // Refused before the operator picks a name, not after.
  const auto text = DocumentText(state.image, messages);
  if (!text) return DocumentResult::Failed;
  const auto path = ChooseSaveName(dialogs, messages, {std::string(kSaveDocumentTitle), kDocumentFilters, {}}, kDocumentExtension);
  if (!path) return DocumentResult::Cancelled;
  return WriteDocument(state, messages, *path, *text);
}

std::string DocumentNameText(const DocumentState& doc) {
  return doc.doc_file_name.empty() ? std::string("File Name ") : doc.doc_file_name;
}

}  // namespace vtg
