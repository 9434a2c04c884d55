#pragma once
// The command lines that carry glyphs to and from the unit, and their senders.
#include <string>
#include <string_view>

#include "glyphs/glyph_class.h"
#include "link/link.h"
#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

// "GR" + class + three-digit number + the first D digits + CR LF: 584, 264 or 152 characters.
// Digits missing from a short text go out as "0", so the line always has its length.
std::string SendGlyphLine(GlyphClass c, int number, std::string_view digits);

// "RFBM" + class + the glyph code of `index` + CR LF.
std::string ReadGlyphLine(GlyphClass c, int index);

// The JIS code of the sample character (Shift-JIS bytes); 0x2121 unless it is one
// double-byte character the code page 932 rule accepts.
unsigned SampleGlyphCode(std::string_view sample);
std::string ReadSampleGlyphLine(GlyphClass c, std::string_view sample);

// The refusals every glyph read starts with: no link (the text in `not_connected_box`), then
// Broadcast. Each is told to the operator; true when the read must not go out.
bool GlyphReadRefused(const ControllerState& state, const Link& link, Messages& messages, Box not_connected_box);

void SendGlyph(Link& link, GlyphClass c, int number, std::string_view digits);

// The editor's reads: refused as above, and ignored while another read is outstanding.
// True when the line went out; glyph_read_pending is then 1.
bool ReadGlyph(ControllerState& state, Link& link, Messages& messages, GlyphClass c, int index);
bool ReadSampleGlyph(ControllerState& state, Link& link, Messages& messages, GlyphClass c, std::string_view sample);

}  // namespace vtg
