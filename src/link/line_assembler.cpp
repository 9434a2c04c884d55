#include "link/line_assembler.h"

#include <algorithm>

namespace vtg {

void LineAssembler::Feed(std::string_view bytes, const LineHandler& on_line) {
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    const std::size_t text_length = lf == std::string_view::npos ? bytes.size() : lf;
    // Nothing is added to a line once part of it was lost.
    const std::size_t room = overlong_ ? 0 : kMaxLine - buffer_.size();
    buffer_.append(bytes.substr(0, std::min(text_length, room)));
    if (text_length > room) overlong_ = true;
    if (lf == std::string_view::npos) return;
    bytes.remove_prefix(lf + 1);

    const bool overlong = overlong_;
    std::string line = std::move(buffer_);
    buffer_.clear();
    overlong_ = false;
    if (overlong)
      ++overlong_lines_;
    else
      line.push_back('\n');
    on_line(line, overlong);
  }
}

void LineAssembler::Clear() {
  buffer_.clear();
  overlong_ = false;
}

}  // namespace vtg
