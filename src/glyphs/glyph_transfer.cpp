#include "glyphs/glyph_transfer.h"

#include "glyphs/glyph_commands.h"

namespace vtg {
namespace {

SequenceRun GlyphRun(ControllerState& state, GlyphClass c) {
  SequenceRun run;
  // Replies are not waited for by the engine: sending goes on regardless, reading holds
  // on glyph_read_pending so that the bar still moves while it waits.
  run.waits_for_reply = false;
  // An abort left over from an earlier error reply would end the transfer at its first tick.
  run.clears_flags_at_start = true;
  run.close_stays_enabled = true;
  run.finished = [&state, c] { return state.glyph.glyph_index >= Info(c).count; };
  run.percent_text = [&state, c](int) { return GlyphProgressText(state.glyph.glyph_index, Info(c).count); };
  return run;
}

}  // namespace

std::string GlyphProgressText(int count, int total) {
  const int percent = count * 100 / total;
  std::string text = " 00.0";
  if (percent >= 100) text[0] = '1';
  text[1] = static_cast<char>('0' + percent / 10 % 10);
  text[2] = static_cast<char>('0' + percent % 10);
  text[4] = static_cast<char>('0' + count * 1000 / total % 10);
  return text;
}

SequenceRun SendAllGlyphsRun(ControllerState& state, Link& link, GlyphClass c) {
  SequenceRun run = GlyphRun(state, c);
  run.period_ms = state.selection.slave_index >= kBroadcast ? kSendAllBroadcastPeriodMs : kSendAllPeriodMs;
  run.step = [&state, &link, c](int) {
    int& index = state.glyph.glyph_index;
    if (index >= Info(c).count) return StepResult::Idle();
    SendGlyph(link, c, index + 1, state.image.glyphStore(c)[static_cast<std::size_t>(index)]);
    ++index;
    return StepResult::Sent();
  };
  return run;
}

SequenceRun ReadAllGlyphsRun(ControllerState& state, Link& link, GlyphClass c) {
  SequenceRun run = GlyphRun(state, c);
  run.period_ms = kReadAllPeriodMs[static_cast<std::size_t>(c)];
  run.step = [&state, &link, c](int) {
    if (state.glyph.glyph_index >= Info(c).count) return StepResult::Idle();
    if (state.glyph.glyph_read_pending) return StepResult::Hold();
    state.glyph.glyph_read_pending = 1;
    link.SendCommandLine(ReadGlyphLine(c, state.glyph.glyph_index));
    return StepResult::Sent();
  };
  return run;
}

}  // namespace vtg
