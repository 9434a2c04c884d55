#include "shell/read_all_run.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "link/reply_interpreter.h"
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
    {"RAST", Reads::EachLineBottomFirst, kLines, "自動切換え"},
    {"RCTD", Reads::EachLineBottomFirst, kLines, "タイトル表示"},
    {"RCTDPO", Reads::EachLineBottomFirst, kLines, "表示位置"},
    {"RCEL", Reads::Unit, 1, "Edge Level"},
    {"RCWL", Reads::Unit, 1, "White Level"},
    {"RSUS", Reads::EachLineBottomFirst, kLines, "スタートアップ"},
    {"RCFS", Reads::EachLineBottomFirst, kLines, "文字サイズ"},
    {"RP", Reads::EachLineBottomFirst, kLines, "表示ページ"},
    {"", Reads::Nothing, 3, ""},
    {"RCT", Reads::EachTitle, kTitles, "タイトル"},
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
  std::string name(block.name);
  if (block.reads == Reads::EachLineBottomFirst)
    name += " " + std::string(kLineNames[static_cast<std::size_t>(kBottomFirst[static_cast<std::size_t>(index)])]);
  if (block.reads == Reads::EachTitle)
    name += " " + std::string(kLineNames[static_cast<std::size_t>(index / kPages)]) + " Page" + PageField(index % kPages);
  return name;
}

// The error box stays readable however noisy the line was.
constexpr int kNamedAtMost = 10;

// Steps whose read got a reply the controller could use.
using ReadSteps = std::array<bool, kReadSteps + 1>;

std::string UnreadItemsText(const ReadSteps& read) {
  std::string text = "次の項目が読み込めませんでした。\n読み込み前の値のままです。\n";
  int unread = 0;
  for (int s = 1; s <= kReadSteps; ++s) {
    const auto at = FindStep(kReadTable, s);
    if (at.block->reads == Reads::Nothing || read[static_cast<std::size_t>(s)]) continue;
    if (++unread <= kNamedAtMost) text += "\n" + ItemName(*at.block, at.index);
  }
  if (unread > kNamedAtMost) text += "\nほか " + std::to_string(unread - kNamedAtMost) + " 項目";
  return unread > 0 ? text : std::string();
}

}  // namespace

SequenceRun ReadSettingItemsRun(ControllerState& state, Link& link, Messages& messages) {
  SequenceRun run;
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
  run.step = [&state, &link, &messages, read](int s) {
    if (s > kReadSteps) {
      if (const std::string unread = UnreadItemsText(*read); !unread.empty()) {
        messages.ErrorBox(unread);
        return StepResult::Failed();
      }
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

}  // namespace vtg
