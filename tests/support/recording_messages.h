#pragma once
// Plays the operator at the message boxes: keeps every box and question, answers questions
// as told. A window's box runs an event loop of its own; `during_next_box` plays what
// happens behind the next one (a reply arriving, a timer ticking, the peer going away).
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "link/messages.h"

namespace vtg::testing {

struct Shown {
  Box box;
  std::string text;
  bool operator==(const Shown&) const = default;
};

inline void PrintTo(const Shown& shown, std::ostream* os) { *os << static_cast<int>(shown.box) << " \"" << shown.text << '"'; }

class RecordingMessages : public Messages {
 public:
  void Show(Box box, std::string_view text) override {
    shown.push_back({box, std::string(text)});
    if (auto behind = std::exchange(during_next_box, nullptr)) behind();
  }
  bool Ask(Question question, std::string_view text) override {
    asked.push_back({question, std::string(text)});
    return answer;
  }
  Answer AskOrCancel(Question question, std::string_view text) override {
    asked.push_back({question, std::string(text)});
    return cancel ? Answer::Cancel : answer ? Answer::Yes : Answer::No;
  }
  std::vector<Shown> shown;
  std::vector<std::pair<Question, std::string>> asked;
  bool answer = true;
  bool cancel = false;  // a question that may be cancelled is
  std::function<void()> during_next_box;
};

}  // namespace vtg::testing
