#include "settings/file_dialogs.h"

#include <filesystem>

#include "link/text_helpers.h"

namespace vtg {

std::optional<std::string> ChooseSaveName(FileDialogs& dialogs, Messages& messages, const FileDialogRequest& request,
                                          std::string_view extension) {
  auto path = dialogs.ChooseFileToSave(request);
  if (!path || !HasExtension(*path, extension)) return path;
  return WithExtension(messages, std::move(*path), extension);
}

std::optional<std::string> WithExtension(Messages& messages, std::string path, std::string_view extension) {
  path += extension;
  std::error_code error;
  if (std::filesystem::exists(path, error) &&
      !messages.Ask(Question::ReplaceFile, path + " は既に存在します。\n上書きしますか？"))
    return std::nullopt;
  return path;
}

}  // namespace vtg
