#include "shell/read_all_run.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "link/reply_interpreter.h"
#include "settings/setting_names.h"
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
  std::string_view name;  // of the item, in the error about what could not be read
};

constexpr std::array<ReadBlock, 10> kReadTable{{
    {"RAST", Reads::EachLineBottomFirst, kLines, setting_name::kAutoSwitch},
    {"RCTD", Reads::EachLineBottomFirst, kLines, setting_name::kTitleDisplay},
    {"RCTDPO", Reads::EachLineBottomFirst, kLines, setting_name::kDisplayPosition},
    {"RCEL", Reads::Unit, 1, setting_name::kEdgeLevel},
    {"RCWL", Reads::Unit, 1, setting_name::kWhiteLevel},
    {"RSUS", Reads::EachLineBottomFirst, kLines, setting_name::kStartupPage},
    {"RCFS", Reads::EachLineBottomFirst, kLines, setting_name::kCharSize},
    {"RP", Reads::EachLineBottomFirst, kLines, setting_name::kDisplayPage},
    {"", Reads::Nothing, 3, ""},
    {"RCT", Reads::EachTitle, kTitles, setting_name::kTitle},
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

std::string ItemName(const ReadBlock& block, int index) {
  if (block.reads == Reads::EachLineBottomFirst)
    return setting_name::OfLine(block.name, kBottomFirst[static_cast<std::size_t>(index)]);
  if (block.reads == Reads::EachTitle) return setting_name::OfPage(block.name, index);
  return std::string(block.name);
}

// The error box stays readable however noisy the line was.
constexpr int kNamedAtMost = 10;

// Steps whose read got a reply the controller could use.
using ReadSteps = std::array<bool, kReadSteps + 1>;

std::string UnreadItemsText(const ReadSteps& read, bool into_settings) {
  std::string text = "次の項目が読み込めませんでした。\n";
  if (into_settings) text += "読み込み前の値のままです。\n";
  int unread = 0;
  for (int s = 1; s <= kReadSteps; ++s) {
    const auto at = FindStep(kReadTable, s);
    if (at.block->reads == Reads::Nothing || read[static_cast<std::size_t>(s)]) continue;
    if (++unread <= kNamedAtMost) text += "\n" + ItemName(*at.block, at.index);
  }
  if (unread > kNamedAtMost) text += "\nほか " + std::to_string(unread - kNamedAtMost) + " 項目";
  return unread > 0 ? text : std::string();
}

// Without an image of its own the run fills the settings image and announces success.
SequenceRun ReadRun(ControllerState& state, Link& link, Messages& messages, std::shared_ptr<SettingsImage> unit) {
  SequenceRun run;
  const bool announces = !unit;
  run.read_into = std::move(unit);
  run.period_ms = 400;
  run.last_step = kReadSteps + 1;
  run.progress_range = kReadSteps + 1;
  // The quiet step leaves the last read's 99 until the run ends.
  run.percent_text = [](int s) { return std::to_string(std::min(s, kReadSteps) * 100 / (kReadSteps + 1)); };
  run.refuses_broadcast = true;
  const auto read = std::make_shared<ReadSteps>();
  run.on_reply = [read](int s, bool understood) {
    if (understood && s > 0 && s <= kReadSteps) (*read)[static_cast<std::size_t>(s)] = true;
  };
  run.step = [&state, &link, &messages, read, announces](int s) {
    if (s > kReadSteps) {
      if (const std::string unread = UnreadItemsText(*read, announces); !unread.empty()) {
        messages.ErrorBox(unread);
        return StepResult::Failed();
      }
      if (announces)
        ShowSuccess(messages, state.link.interface_setting == kTcpIp ? LinkKind::Socket : LinkKind::Serial);
      return StepResult::Idle();
    }
    const auto at = FindStep(kReadTable, s);
    if (at.block->reads == Reads::Nothing) return StepResult::Idle();
    link.SendCommandLine(ReadCommand(*at.block, at.index));
    return StepResult::Sent();
  };
  return run;
}

}  // namespace

SequenceRun ReadSettingItemsRun(ControllerState& state, Link& link, Messages& messages) {
  return ReadRun(state, link, messages, nullptr);
}

SequenceRun ReadUnitRun(ControllerState& state, Link& link, Messages& messages, std::shared_ptr<SettingsImage> unit) {
  return ReadRun(state, link, messages, std::move(unit));
}

}  // namespace vtg
