#include "cli/terminal_messages.h"

namespace vtg::cli {

void TerminalMessages::Line(std::string_view text, std::string_view tail) {
  Plain("vtg7300ctl: " + (unit_.empty() ? std::string() : unit_ + ": ") + std::string(text) + std::string(tail));
}

void TerminalMessages::Plain(std::string_view line) {
  if (line_open_) out_ << '\n';
  line_open_ = false;
  out_ << line << std::endl;
}

void TerminalMessages::Show(Box box, std::string_view text) {
  if (box != Box::Success && box != Box::SerialSuccess) {
    failed_ = true;
    last_failure_ = text;
  }
  Line(text);
}

bool TerminalMessages::Ask(Question, std::string_view text) {
  Line(text, " -> yes");
  return true;
}

}  // namespace vtg::cli
