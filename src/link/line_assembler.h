#pragma once
// Cuts received bytes into lines: every LF ends a line. A line never grows beyond kMaxLine
// bytes before its LF; the rest of an overlong line is thrown away and the line is still
// reported once, at its LF, flagged, with the start that was kept. A line that lost bytes
// on the way is handled the same way.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vtg {

class LineAssembler {
 public:
  static constexpr std::size_t kMaxLine = 599;
  // A complete line with its LF, or the kept start of an overlong one.
  using LineHandler = std::function<void(std::string_view line, bool overlong)>;

  void Feed(std::string_view bytes, const LineHandler& on_line);
  // Bytes were lost before the next ones: the line they broke off ends at the next LF, flagged
  // as overlong, rather than joined to bytes of another line.
  void DropPartialLine() { overlong_ = true; }
  void Clear();
  bool Partial() const { return !buffer_.empty() || overlong_; }
  std::size_t OverlongLines() const { return overlong_lines_; }

 private:
  std::string buffer_;
  bool overlong_ = false;
  std::size_t overlong_lines_ = 0;
};

}  // namespace vtg
