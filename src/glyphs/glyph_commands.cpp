#include "glyphs/glyph_commands.h"

#include "link/cp932.h"
#include "link/text_helpers.h"

namespace vtg {
namespace {

constexpr unsigned kNoSampleCode = 0x2121;

std::string ReadLine(GlyphClass c, unsigned code) { return std::string("RFBM") + Info(c).letter + Hex4(code) + "\r\n"; }

bool SendRead(ControllerState& state, Link& link, Messages& messages, std::string_view line) {
  if (GlyphReadRefused(state, link, messages, Box::Stop)) return false;
  if (state.glyph.glyph_read_pending) return false;
  // Set before the send: a unit that answers at once clears it again.
  state.glyph.glyph_read_pending = 1;
  link.SendCommandLine(line);
  return true;
}

}  // namespace

std::string SendGlyphLine(GlyphClass c, int number, std::string_view digits) {
  const auto d = static_cast<std::size_t>(Info(c).digits);
  std::string line = std::string("GR") + Info(c).letter + Dec3(number);
  line.append(digits.substr(0, d));
  line.resize(6 + d, '0');
  return line + "\r\n";
}

std::string ReadGlyphLine(GlyphClass c, int index) { return ReadLine(c, GlyphCode(index)); }

unsigned SampleGlyphCode(std::string_view sample) {
  if (sample.size() < 2) return kNoSampleCode;
  const unsigned v = static_cast<unsigned char>(sample[0]) * 256u + static_cast<unsigned char>(sample[1]);
  return ShiftJisToJis(MoveIbmExtension(v)).value_or(kNoSampleCode);
}

std::string ReadSampleGlyphLine(GlyphClass c, std::string_view sample) { return ReadLine(c, SampleGlyphCode(sample)); }

bool GlyphReadRefused(const ControllerState& state, const Link& link, Messages& messages, Box not_connected_box) {
  if (!link.LinkReady()) {
    messages.Show(not_connected_box, text::kNotConnected);
    return true;
  }
  if (state.selection.slave_index >= kBroadcast) {
    messages.ErrorBox(text::kNoBroadcastRead);
    return true;
  }
  return false;
}

void SendGlyph(Link& link, GlyphClass c, int number, std::string_view digits) {
  link.SendCommandLine(SendGlyphLine(c, number, digits));
}

bool ReadGlyph(ControllerState& state, Link& link, Messages& messages, GlyphClass c, int index) {
  return SendRead(state, link, messages, ReadGlyphLine(c, index));
}

bool ReadSampleGlyph(ControllerState& state, Link& link, Messages& messages, GlyphClass c, std::string_view sample) {
  return SendRead(state, link, messages, ReadSampleGlyphLine(c, sample));
}

}  // namespace vtg
