#pragma once
// File > New, Open, Save and Save As over the settings document. The window layer only
// supplies the file dialogs; questions and boxes go through Messages.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

struct FileFilter {
  std::string_view label;
  std::string_view pattern;
};

inline constexpr std::array<FileFilter, 2> kDocumentFilters{{{"データ(*.dat)", "*.dat"}, {"すべて(*.*)", "*.*"}}};
inline constexpr std::string_view kOpenDocumentTitle = "ファイルのオープン";
inline constexpr std::string_view kSaveDocumentTitle = "ファイルの保存";
inline constexpr std::string_view kDocumentExtension = ".dat";
inline constexpr std::string_view kNewWithoutSaving = "データを保存せずに新規作成しますか？";
inline constexpr std::string_view kOpenWithoutSaving = "データを保存せずに別のファイルを開きますか？";

class DocumentUi {
 public:
  virtual ~DocumentUi() = default;
  // An existing file, chosen with the first filter selected; none when cancelled.
  virtual std::optional<std::string> ChooseOpenFile(std::string_view title, std::span<const FileFilter> filters) = 0;
  // A name as typed; the dialog asks before it names an existing file. None when cancelled.
  virtual std::optional<std::string> ChooseSaveFile(std::string_view title, std::span<const FileFilter> filters) = 0;
  // Yes/No about replacing a file the save dialog could not ask about.
  virtual bool ConfirmReplace(std::string_view question) = 0;
};

enum class DocumentResult {
  Done,
  Cancelled,  // the operator said no or cancelled a dialog
  Busy,       // a sequence is running
  Failed,     // the operator was told why; the document state is as it was
};

DocumentResult NewDocument(ControllerState& state, Messages& messages);
DocumentResult OpenDocument(ControllerState& state, Messages& messages, DocumentUi& ui);
DocumentResult SaveDocument(ControllerState& state, Messages& messages, DocumentUi& ui);
DocumentResult SaveDocumentAs(ControllerState& state, Messages& messages, DocumentUi& ui);

// The document name as the main window shows it.
std::string DocumentNameText(const DocumentState& doc);

}  // namespace vtg
