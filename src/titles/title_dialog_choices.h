#pragma once
// What the title dialogs remember from one opening to the next for the rest of the run;
// none of it is saved in the settings document.
#include "glyphs/glyph_class.h"

namespace vtg {

struct TitleDialogChoices {
  int same_display = 0;  // "OFF"
  int same_size = 0;     // "LARGE "
  int same_time = 2;     // "02"
  GlyphClass insert_class = GlyphClass::Large;
  int insert_position = 0;  // 0..27, shown "01".."28"
};

}  // namespace vtg
