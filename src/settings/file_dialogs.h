#pragma once
// The operator's choice of a file, for documents, glyph lists and pictures. The window
// layer answers with its file dialogs; tests with a scripted choice.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "link/messages.h"

namespace vtg {

struct FileFilter {
  std::string_view text;     // "データ(*.tll)"
  std::string_view pattern;  // "*.tll"
};

inline constexpr FileFilter kAllFilesFilter{"すべて(*.*)", "*.*"};

struct FileDialogRequest {
  std::string title;
  std::array<FileFilter, 2> filters;  // the first is chosen
  std::string default_name;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file and its folder must exist. None on cancel.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  // Asks before an existing file is replaced. None on cancel.
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
};

// The name chosen in the save dialog with `extension` appended when HasExtension says so.
// The dialog never saw the appended name, so replacing such a file is asked here.
std::optional<std::string> ChooseSaveName(FileDialogs& dialogs, Messages& messages, const FileDialogRequest& request,
                                          std::string_view extension);

// `path` with `extension` appended, after asking whether to replace a file of that name;
// none when the operator says no.
std::optional<std::string> WithExtension(Messages& messages, std::string path, std::string_view extension);

}  // namespace vtg
