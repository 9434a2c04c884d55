#pragma once
// The controller's messages as lines on standard error. A question is answered yes: the
// script that ran the command asked for what it does.
#include <ostream>
#include <string>

#include "link/messages.h"

namespace vtg::cli {

class TerminalMessages : public Messages {
 public:
  explicit TerminalMessages(std::ostream& out) : out_(out) {}

  void Show(Box box, std::string_view text) override;
  bool Ask(Question question, std::string_view text) override;

  // An error, a refusal or a missing answer was told.
  bool Failed() const { return failed_; }
  // The last of those, to name in a result line; empty when none.
  const std::string& LastFailure() const { return last_failure_; }
  // A new job on the same messages: nothing failed yet.
  void ClearFailure() {
    failed_ = false;
    last_failure_.clear();
  }
  // One of several units: each message names it.
  void SetUnit(std::string unit) { unit_ = std::move(unit); }
  // Progress shares the stream; a message starts on a line of its own.
  void SetLineOpen(bool open) { line_open_ = open; }
  // A line of its own that is no message (the traffic log's), as it is given.
  void Plain(std::string_view line);

 private:
  void Line(std::string_view text, std::string_view tail = {});

  std::ostream& out_;
  bool failed_ = false;
  std::string last_failure_;
  std::string unit_;
  bool line_open_ = false;
};

}  // namespace vtg::cli
