#pragma once
// The hidden way to Read Setting Items: ten right-clicks in a row in the window's top-left
// 20 x 20 corner.
#include <optional>

namespace vtg {

struct ClickPoint {
  int x;
  int y;
};

// Counts one context-menu request at `at` (none: from the keyboard) in `corner_clicks`.
// True on the tenth in a row; the count then starts again.
bool CountCornerClick(int& corner_clicks, std::optional<ClickPoint> at);

}  // namespace vtg
