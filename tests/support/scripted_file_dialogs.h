#pragma once
// Plays the operator in the file dialogs: answers every one with `choice` (none: cancels)
// and keeps the requests.
#include <optional>
#include <string>
#include <vector>

#include "settings/file_dialogs.h"

namespace vtg::testing {

class ScriptedFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override { return Answer(request); }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override { return Answer(request); }
  std::optional<std::string> choice;
  std::vector<FileDialogRequest> requests;

 private:
  std::optional<std::string> Answer(const FileDialogRequest& request) {
    requests.push_back(request);
    return choice;
  }
};

}  // namespace vtg::testing
