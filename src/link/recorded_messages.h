#pragma once
// The boxes of a unit that runs beside others: none is shown (dozens of units would bury the
// operator in boxes); the last failure becomes that unit's error in the table instead.
#include <string>

#include "link/messages.h"

namespace vtg {

class RecordedMessages : public Messages {
 public:
  void Show(Box box, std::string_view text) override {
    if (box != Box::Success && box != Box::SerialSuccess) last_failure_ = text;
  }
  // Nobody is there to answer: nothing is done that would need a yes.
  bool Ask(Question, std::string_view) override { return false; }

  const std::string& LastFailure() const { return last_failure_; }

 private:
  std::string last_failure_;
};

}  // namespace vtg
