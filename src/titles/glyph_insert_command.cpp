#include "titles/glyph_insert_command.h"

#include "link/text_helpers.h"
#include "titles/line_fields.h"

namespace vtg {

std::string GlyphInsertCommand(int glyph_index, int line, int page, int position) {
  std::string command = "G" + Dec3(glyph_index + 1);
  command += "C" + LineField(line) + PageField(page);
  command += "I" + Dec2(position + 1);
  command += kCrLf;
  return command;
}

void KeepInsertChoiceInClass(GlyphClass c, int& glyph_index, int& position) {
  if (glyph_index >= Info(c).count) glyph_index = 0;
  if (position >= InsertPositions(c)) position = 0;
}

}  // namespace vtg
