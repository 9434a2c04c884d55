#pragma once
// The operator's edits in the title dialogs, applied to the shared state.
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "settings/controller_state.h"

namespace vtg {

// The title edit box of the current line and page changed. The slot keeps at most 59
// bytes; only a real change marks the document as modified, so loading a title into the
// box does not.
void EditCurrentTitle(ControllerState& state, std::string_view title);

// Whether the title box keeps an edit that takes the title from `before` to `after` bytes:
// up to 56 bytes, or any edit that does not lengthen a longer title loaded from a document.
bool TitleEditFits(std::size_t before, std::size_t after);

// Every operator change to a setting the document keeps comes through here: `value` goes into
// each of `settings`, and the document is marked modified when one of them changes.
void EditSettings(ControllerState& state, std::span<int> settings, int value);

// "Same Display", "Same Size", "Same Time": the 64 pages of a line.
std::span<int> WholeLine(std::array<int, kTitles>& values, int line);

}  // namespace vtg
