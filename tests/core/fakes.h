#pragma once
// Fakes that stand in for the window layer and the links in core tests.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/file_dialogs.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/sequence_engine.h"
#include "link/transport.h"

namespace vtg::testing {

struct Shown {
  Box box;
  std::string text;
  bool operator==(const Shown&) const = default;
};

inline void PrintTo(const Shown& shown, std::ostream* os) { *os << static_cast<int>(shown.box) << " \"" << shown.text << '"'; }

class RecordingMessages : public Messages {
 public:
  void Show(Box box, std::string_view text) override { shown.push_back({box, std::string(text)}); }
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
};

// Keeps every framed line; `refuse` plays a link whose send fails.
class RecordingTransport : public Transport {
 public:
  explicit RecordingTransport(TransportTraits t) : traits_(t) {}
  TransportTraits traits() const override { return traits_; }
  bool ready() const override { return is_ready; }
  bool send(std::string_view line) override {
    lines.emplace_back(line);
    return !refuse;
  }
  std::vector<std::string> lines;
  bool is_ready = true;
  bool refuse = false;

 private:
  TransportTraits traits_;
};

inline RecordingTransport SerialPort() { return RecordingTransport({true, false}); }
inline RecordingTransport SocketPeer() { return RecordingTransport({false, true}); }

class FakeReplyTimer : public ReplyTimer {
 public:
  void arm(int ms) override { armed_ms = ms; }
  void cancel() override { armed_ms = 0; }
  int armed_ms = 0;
};

class RecordingView : public SequenceView {
 public:
  void StartTimer(int ms) override { periods.push_back(ms); timer_on = true; }
  void StopTimer() override { timer_on = false; }
  void SetCloseEnabled(bool enabled) override { close_enabled = enabled; }
  void ShowProgress(int position, std::string_view percent) override {
    this->position = position;
    this->percent = percent;
  }
  std::vector<int> periods;
  bool timer_on = false;
  bool close_enabled = true;
  int position = 0;
  std::string percent;
};

// Answers every file dialog with `choice` (none: the operator cancels) and keeps the requests.
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
