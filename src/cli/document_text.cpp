#include "cli/document_text.h"

#include <array>

#include "link/text_helpers.h"
#include "titles/line_fields.h"
#include "titles/readable_title.h"

namespace vtg::cli {
namespace {

constexpr std::array<std::string_view, 3> kSizeLetters{"L", "M", "S"};

std::string_view SizeLetter(int size) {
  return size >= 0 && size < 3 ? kSizeLetters[static_cast<std::size_t>(size)] : "?";
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
            Dec2(image.auto_switch_time[t]) + ", \"" + ReadableTitle(image.title_text[t], decode) + "\"\n";
  }
  return text;
}

}  // namespace vtg::cli
