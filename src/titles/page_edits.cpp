#include "titles/page_edits.h"

namespace vtg {

void EditCurrentTitle(ControllerState& state, std::string_view title) {
  title = title.substr(0, kTitleSlotBytes);
  const int index = TitleIndex(state.selection.current_line, state.selection.current_page);
  std::string& slot = state.image.title_text[static_cast<std::size_t>(index)];
  if (slot == title) return;
  slot = title;
  state.doc.doc_modified = 1;
}

bool TitleEditFits(std::size_t before, std::size_t after) {
  return after <= static_cast<std::size_t>(kTitleBytes) || after <= before;
}

void SetWholeLine(std::array<int, kTitles>& values, int line, int value) {
  for (int page = 0; page < kPages; ++page) values[static_cast<std::size_t>(TitleIndex(line, page))] = value;
}

}  // namespace vtg
