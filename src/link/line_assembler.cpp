#include "link/line_assembler.h"

namespace vtg {

void LineAssembler::Feed(std::string_view bytes, const LineHandler& on_line) {
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    const std::string_view piece = bytes.substr(0, lf == std::string_view::npos ? bytes.size() : lf + 1);
    bytes.remove_prefix(piece.size());
    if (!discarding_) {
      if (buffer_.size() + piece.size() > kMaxLine) {
        buffer_.clear();
        discarding_ = true;
        ++dropped_;
      } else {
        buffer_.append(piece);
      }
    }
    if (lf == std::string_view::npos) return;
    if (discarding_) {
      discarding_ = false;
      continue;
    }
    const std::string line = std::move(buffer_);
    buffer_.clear();
    on_line(line);
  }
}

void LineAssembler::Clear() {
  buffer_.clear();
  discarding_ = false;
}

}  // namespace vtg
