#include "shell/read_all_run.h"

#include <array>
#include <string_view>

#include "shell/step_table.h"
#include "titles/line_fields.h"

namespace vtg {
namespace {

enum class Reads {
  EachLineBottomFirst,  // 01B, 01T, 02B, 02T
  Unit,
  Nothing,
  EachTitle,  // ch.1 Top page 01 first
};

struct ReadBlock {
  std::string_view head;
  Reads reads;
  int steps;
};

constexpr std::array<ReadBlock, 10> kReadTable{{
    {"RAST", Reads::EachLineBottomFirst, kLines},
    {"RCTD", Reads::EachLineBottomFirst, kLines},
    {"RCTDPO", Reads::EachLineBottomFirst, kLines},
    {"RCEL", Reads::Unit, 1},
    {"RCWL", Reads::Unit, 1},
    {"RSUS", Reads::EachLineBottomFirst, kLines},
    {"RCFS", Reads::EachLineBottomFirst, kLines},
    {"RP", Reads::EachLineBottomFirst, kLines},
    {"", Reads::Nothing, 3},
    {"RCT", Reads::EachTitle, kTitles},
}};
static_assert(StepCount(kReadTable) == kReadSteps);

constexpr std::array<int, kLines> kBottomFirst{1, 0, 3, 2};

std::string ReadCommand(const ReadBlock& block, int index) {
  std::string command(block.head);
  if (block.reads == Reads::EachLineBottomFirst) command += LineField(kBottomFirst[static_cast<std::size_t>(index)]);
  if (block.reads == Reads::EachTitle) command += LineField(index / kPages) + PageField(index % kPages);
  command += kCrLf;
  return command;
}

}  // namespace

SequenceRun ReadSettingItemsRun(ControllerState& state, Link& link) {
  SequenceRun run;
  run.period_ms = 400;
  run.last_step = kReadSteps;
  run.percent_divisor = kReadSteps + 1;
  run.progress_range = kReadSteps + 1;
  run.refuses_broadcast = true;
  run.step = [&state, &link](int s) {
    const auto at = FindStep(kReadTable, s);
    if (at.block->reads == Reads::Nothing) return StepResult::Idle();
    if (s == kReadSteps) state.flags.announce_success = 1;
    link.SendCommandLine(ReadCommand(*at.block, at.index));
    return StepResult::Sent();
  };
  return run;
}

}  // namespace vtg
