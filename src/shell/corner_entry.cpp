#include "shell/corner_entry.h"

namespace vtg {

namespace {
constexpr int kCornerSize = 20;
constexpr int kClicksToOpen = 10;
}  // namespace

bool CountCornerClick(int& corner_clicks, std::optional<ClickPoint> at) {
  const bool in_corner = at && at->x >= 0 && at->y >= 0 && at->x < kCornerSize && at->y < kCornerSize;
  if (!in_corner) {
    corner_clicks = 0;
    return false;
  }
  if (++corner_clicks < kClicksToOpen) return false;
  corner_clicks = 0;
  return true;
}

}  // namespace vtg
