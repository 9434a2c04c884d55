#include "shell/set_all_run.h"

#include <algorithm>
#include <array>
#include <string>

#include "shell/step_table.h"
#include "titles/auto_switch_command.h"
#include "titles/char_size_command.h"
#include "titles/level_command.h"
#include "titles/page_switch_command.h"
#include "titles/title_command.h"
#include "titles/title_display_command.h"

namespace vtg {
namespace {

constexpr int kTitlePeriodMs = 600;
constexpr int kSettingPeriodMs = 1200;

struct SetAll {
  ControllerState& state;
  Link& link;
  Messages& messages;
};

using StepSender = StepResult (*)(SetAll&, int index);

struct SetAllBlock {
  int steps;
  StepSender send;
};

StepResult Title(SetAll& run, int index) {
  return SendTitleText(run.link, run.messages, run.state.image, index, TitleMemory::Store) ? StepResult::Sent()
                                                                                           : StepResult::Failed();
}

StepResult SlowDown(SetAll&, int) { return StepResult::Idle(kSettingPeriodMs); }

template <void (*Send)(Link&, const SettingsImage&, int line)>
StepResult EachLine(SetAll& run, int line) {
  Send(run.link, run.state.image, line);
  return StepResult::Sent();
}

template <void (*Send)(Link&, const SettingsImage&)>
StepResult Once(SetAll& run, int) {
  Send(run.link, run.state.image);
  return StepResult::Sent();
}

constexpr std::array<SetAllBlock, 11> kSetAllTable{{
    {kTitles, Title},
    {1, SlowDown},
    {kLines, EachLine<SendAutoSwitchAll>},
    {1, SlowDown},
    {kLines, EachLine<SendTitleDisplayAll>},
    {1, Once<SendWhiteLevel>},
    {1, Once<SendEdgeLevel>},
    {kLines, EachLine<SendStartupPage>},
    {kLines, EachLine<SendDisplayPosition>},
    {kLines, EachLine<SendCharSizeAll>},
    {kLines, EachLine<SendPageSwitch>},
}};
static_assert(StepCount(kSetAllTable) == kSetAllSteps);

}  // namespace

SequenceRun SetAllItemsRun(ControllerState& state, Link& link, Messages& messages, bool awaits_last_reply) {
  SequenceRun run;
  run.period_ms = kTitlePeriodMs;
  run.last_step = kSetAllSteps + (awaits_last_reply ? 1 : 0);
  run.progress_range = kSetAllSteps;
  run.percent_text = [](int s) { return std::to_string(std::min(s, kSetAllSteps) * 100 / kSetAllSteps); };
  run.step = [context = SetAll{state, link, messages}](int s) mutable {
    if (s > kSetAllSteps) return StepResult::Idle();
    const auto at = FindStep(kSetAllTable, s);
    if (s == kSetAllSteps) context.state.flags.announce_success = 1;
    return at.block->send(context, at.index);
  };
  return run;
}

}  // namespace vtg
