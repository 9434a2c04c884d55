#pragma once
// Storing a glyph bitmap the unit sent in answer to a glyph read.
#include <string_view>

#include "glyphs/glyph_class.h"
#include "settings/controller_state.h"

namespace vtg {

enum class GlyphStored { No, IntoWork, IntoSlot };

// `reply` is the stripped reply: the head, the glyph's four-digit code, then D hex digits.
// A reply with fewer than D hex digits stores nothing, so a transfer asks again; so does,
// while a transfer runs, any reply but the one to the read it has out (its class, the code
// of glyph_index). Otherwise the digits go to ext_glyph_work and, when glyph_index is within
// the class, to that slot, both of `image`; a running transfer then moves glyph_index on.
GlyphStored StoreGlyphReply(ControllerState& state, SettingsImage& image, GlyphClass glyph_class,
                            std::string_view reply);

}  // namespace vtg
