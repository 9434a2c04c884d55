#pragma once
// A run's percentage on standard error, as its dialog shows it: on a terminal one line
// drawn again in place, otherwise a line whenever the whole percent changes.
#include <ostream>
#include <string_view>

#include "cli/terminal_messages.h"

namespace vtg::cli {

class ProgressReport {
 public:
  ProgressReport(std::ostream& out, TerminalMessages& messages, bool terminal)
      : out_(out), messages_(messages), terminal_(terminal) {}

  // The run's percentage text ("42", " 01.4"); a blank text ends the run's display.
  void Show(std::string_view percent);

 private:
  std::ostream& out_;
  TerminalMessages& messages_;
  bool terminal_;
  int last_ = -1;
};

}  // namespace vtg::cli
