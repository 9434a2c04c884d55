#pragma once
// Collects received bytes into reply lines. Every LF ends a line; a line never grows
// beyond kMaxLine characters: the rest of an overlong line is thrown away up to its LF.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vtg {

class LineAssembler {
 public:
  static constexpr std::size_t kMaxLine = 599;
  using LineHandler = std::function<void(std::string_view line)>;

  // Calls `on_line` for every completed line, LF included, in arrival order.
  void Feed(std::string_view bytes, const LineHandler& on_line);
  void Clear();
  bool Partial() const { return !buffer_.empty() || discarding_; }
  std::size_t DroppedLines() const { return dropped_; }

 private:
  std::string buffer_;
  bool discarding_ = false;
  std::size_t dropped_ = 0;
};

}  // namespace vtg
