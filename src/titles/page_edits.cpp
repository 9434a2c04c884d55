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

void EditSettings(ControllerState& state, std::span<int> settings, int value) {
  for (int& setting : settings) {
    if (setting == value) continue;
    setting = value;
    state.doc.doc_modified = 1;
  }
}

std::span<int> WholeLine(std::array<int, kTitles>& values, int line) {
  return std::span(values).subspan(static_cast<std::size_t>(TitleIndex(line, 0)), kPages);
}

}  // namespace vtg
