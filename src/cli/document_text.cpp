#include "cli/document_text.h"

#include <array>

#include "glyphs/glyph_class.h"
#include "link/text_helpers.h"
#include "titles/line_fields.h"
#include "titles/title_codes.h"

namespace vtg::cli {
namespace {

constexpr std::array<std::string_view, 3> kSizeLetters{"L", "M", "S"};

std::string_view SizeLetter(int size) {
  return size >= 0 && size < 3 ? kSizeLetters[static_cast<std::size_t>(size)] : "?";
}

// Pairs below the first Shift-JIS lead byte are the unit's own glyphs, or nothing showable.
std::string TitleText(std::string_view title, const ShiftJisDecoder& decode) {
  std::string text, plain;
  for (std::size_t at = 0; at < title.size(); at += 2) {
    const auto high = static_cast<unsigned char>(title[at]);
    if (at + 1 >= title.size() || high >= 0x20) {
      plain.append(title.substr(at, 2));
      continue;
    }
    const unsigned pair = high * 256u + static_cast<unsigned char>(title[at + 1]);
    text += decode(plain);
    plain.clear();
    const auto glyph = pair <= kLastExternalPair ? GlyphIndexOfCode(pair + kExternalOffset) : std::nullopt;
    text += glyph ? "[外字" + std::to_string(*glyph + 1) + "]" : "[" + Hex4(pair) + "]";
  }
  return text + decode(plain);
}

}  // namespace

std::string DocumentText(const SettingsImage& image, const ShiftJisDecoder& decode) {
  std::string text = "white level " + std::to_string(image.white_level) + "\nedge level " +
                     std::to_string(image.edge_level) + "\n";
  for (int line = 0; line < kLines; ++line) {
    const auto l = static_cast<std::size_t>(line);
    text += std::string(kLineNames[l]) + ": startup page " + PageChoiceField(image.startup_page[l]) +
            ", display page " + PageChoiceField(image.display_page[l]) + ", position " +
            std::to_string(image.display_position[l]) + "\n";
  }
  for (int i = 0; i < kTitles; ++i) {
    const auto t = static_cast<std::size_t>(i);
    text += std::string(kLineNames[t / kPages]) + " page " + PageField(i % kPages) + ": " +
            (image.display_flag[t] ? "on" : "off") + ", " + std::string(SizeLetter(image.char_size[t])) + ", auto " +
            Dec2(image.auto_switch_time[t]) + ", \"" + TitleText(image.title_text[t], decode) + "\"\n";
  }
  return text;
}

}  // namespace vtg::cli
