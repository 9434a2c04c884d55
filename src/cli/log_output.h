#pragma once
// Where vtg7300ctl's traffic log goes: a file, appended to and flushed line by line, and
// standard error beside the progress. A file that fails to take a line is told of once and
// written no more; the command still runs to its end, since stopping halfway would leave
// the unit half set, and its exit status then says the log is short.
#include <fstream>
#include <string>
#include <string_view>

#include "cli/terminal_messages.h"

namespace vtg::cli {

class LogOutput {
 public:
  explicit LogOutput(TerminalMessages& messages) : messages_(messages) {}

  // False, after telling why, when the file cannot be opened for appending.
  bool OpenFile(const std::string& path);
  void EchoToTerminal() { echo_ = true; }
  void Write(std::string_view line);
  // A line did not reach the file.
  bool FileFailed() const { return failed_; }

 private:
  TerminalMessages& messages_;
  std::ofstream file_;
  std::string path_;
  bool echo_ = false;
  bool failed_ = false;
};

}  // namespace vtg::cli
