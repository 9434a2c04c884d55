#pragma once
// The operator's choice of a file, asked by the glyph file operations and the picture export.
// The window layer answers with its file dialogs; tests with a scripted choice.
#include <array>
#include <optional>
#include <string>
#include <string_view>

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

}  // namespace vtg
