#pragma once
// File > New, Open, Save and Save As over the settings document. The window layer only
// supplies the file dialogs; questions and boxes go through Messages.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "link/messages.h"
#include "settings/controller_state.h"
#include "settings/file_dialogs.h"

namespace vtg {

inline constexpr std::array<FileFilter, 2> kDocumentFilters{{{"データ(*.dat)", "*.dat"}, kAllFilesFilter}};
inline constexpr std::string_view kOpenDocumentTitle = "ファイルのオープン";
inline constexpr std::string_view kSaveDocumentTitle = "ファイルの保存";
inline constexpr std::string_view kDocumentExtension = ".dat";
inline constexpr std::string_view kNewWithoutSaving = "データを保存せずに新規作成しますか？";
inline constexpr std::string_view kOpenWithoutSaving = "データを保存せずに別のファイルを開きますか？";

enum class DocumentResult {
  Done,
  Cancelled,  // the operator said no or cancelled a dialog
  Busy,       // a sequence is running
  Failed,     // the operator was told why; the document state is as it was
};

// Reads the document at `path` into `image`. When it cannot be read or is no settings
// document, tells the operator why, leaves `image` as it was and returns false.
bool ReadDocumentFile(const std::string& path, SettingsImage& image, Messages& messages);
// Writes `image` as a document to `path`, through a temporary name. When it cannot, tells
// the operator why and returns false.
bool WriteDocumentFile(const std::string& path, const SettingsImage& image, Messages& messages);

DocumentResult NewDocument(ControllerState& state, Messages& messages);
DocumentResult OpenDocument(ControllerState& state, Messages& messages, FileDialogs& dialogs);
DocumentResult SaveDocument(ControllerState& state, Messages& messages, FileDialogs& dialogs);
DocumentResult SaveDocumentAs(ControllerState& state, Messages& messages, FileDialogs& dialogs);

// The document name as the main window shows it.
std::string DocumentNameText(const DocumentState& doc);

}  // namespace vtg
