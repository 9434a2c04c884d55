#include "titles/title_runs.h"

#include "titles/auto_switch_command.h"
#include "titles/char_size_command.h"
#include "titles/title_display_command.h"

namespace vtg {
namespace {

using LineSender = void (*)(Link&, const SettingsImage&, int line);

SequenceRun AllLinesRun(Link& link, const SettingsImage& image, int period_ms, LineSender send) {
  SequenceRun run;
  run.period_ms = period_ms;
  run.last_step = kLines;
  run.progress_range = kLines - 1;
  run.step = [&link, &image, send](int s) {
    send(link, image, s - 1);
    return StepResult::Sent();
  };
  return run;
}

}  // namespace

SequenceRun TitleTextRun(Link& link, Messages& messages, const SettingsImage& image, TitleMemory memory) {
  SequenceRun run;
  run.period_ms = memory == TitleMemory::Store ? 1000 : 600;
  run.last_step = kTitles;
  run.percent_divisor = kTitles;
  run.progress_range = kTitles;
  run.blank_percent = "  ";
  run.step = [&link, &messages, &image, memory](int s) {
    return SendTitleText(link, messages, image, s - 1, memory) ? StepResult::Sent() : StepResult::Failed();
  };
  return run;
}

SequenceRun TitleDisplayRun(Link& link, const SettingsImage& image) {
  return AllLinesRun(link, image, 500, SendTitleDisplayAll);
}

SequenceRun CharSizeRun(Link& link, const SettingsImage& image) {
  return AllLinesRun(link, image, 500, SendCharSizeAll);
}

SequenceRun AutoSwitchRun(Link& link, const SettingsImage& image) {
  return AllLinesRun(link, image, 1200, SendAutoSwitchAll);
}

}  // namespace vtg
