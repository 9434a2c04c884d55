#pragma once
// The paced runs of the glyph lists, for the one SequenceEngine. Both count with
// glyph_index and end when it reaches the class's glyph count.
#include <array>
#include <string>

#include "glyphs/glyph_class.h"
#include "link/link.h"
#include "link/sequence_engine.h"
#include "settings/controller_state.h"

namespace vtg {

inline constexpr int kSendAllPeriodMs = 3000;
inline constexpr int kSendAllBroadcastPeriodMs = 5000;
// LARGE, MEDIUM, SMALL.
inline constexpr std::array<int, 3> kReadAllPeriodMs{800, 600, 600};

// " 00.0": `count` of `total` in percent to a tenth, "100.0" when all are done.
std::string GlyphProgressText(int count, int total);

// One register line per tick from the store, without waiting for the replies.
SequenceRun SendAllGlyphsRun(ControllerState& state, Link& link, GlyphClass c);
// One read per tick while none is outstanding; the reply moves glyph_index on.
SequenceRun ReadAllGlyphsRun(ControllerState& state, Link& link, GlyphClass c);

}  // namespace vtg
