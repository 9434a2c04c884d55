#pragma once
// The dialog side of a run without a window: keeps the timer periods asked for, whether
// "Close" is enabled and the progress shown. The test ticks the engine itself.
#include <string>
#include <string_view>
#include <vector>

#include "link/sequence_engine.h"

namespace vtg::testing {

class RecordingView : public SequenceView {
 public:
  void StartTimer(int ms) override {
    periods.push_back(ms);
    timer_on = true;
  }
  void StopTimer() override { timer_on = false; }
  void SetCloseEnabled(bool enabled) override { close_enabled = enabled; }
  void ShowProgress(int position, std::string_view percent) override {
    this->position = position;
    this->percent = percent;
    if (position == 0) ++cleared;
  }
  int Period() const { return periods.empty() ? 0 : periods.back(); }

  std::vector<int> periods;
  bool timer_on = false;
  bool close_enabled = true;
  int position = 0;
  std::string percent;
  int cleared = 0;  // the progress went back to 0, as it does once each run ended
};

}  // namespace vtg::testing
