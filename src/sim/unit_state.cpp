#include "sim/unit_state.h"

#include <algorithm>

#include "glyphs/glyph_class.h"

namespace vtg::sim {

UnitState::UnitState() {
  TitleCodes blank;
  blank.fill(kFullWidthSpace);
  stored_titles.fill(blank);
  shown_titles.fill(blank);
  for (auto& line : display_flag) line.fill(1);
  for (auto& line : char_size) line.fill(0);
  for (auto& line : auto_switch_time) line.fill(2);
  for (std::size_t c = 0; c < kGlyphClasses.size(); ++c)
    glyphs[c].assign(kGlyphClasses[c].count, std::string(kGlyphClasses[c].digits, '0'));
}

bool UnitState::AnyLineAutoSwitching() const {
  return std::ranges::any_of(display_page, [](int page) { return page == kAutoSwitching; });
}

}  // namespace vtg::sim
