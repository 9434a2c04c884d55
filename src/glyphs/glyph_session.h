#pragma once
// What the glyph dialogs keep from one opening to the next, for the whole run.
#include <string>

namespace vtg {

struct GlyphSession {
  // One name for the three glyph lists; empty when no file was opened or saved.
  std::string glyph_list_file_name;
  // The editor's sample character: two Shift-JIS bytes, or empty.
  std::string sample_char;
};

}  // namespace vtg
