#include "sim/line_assembler.h"

namespace vtg::sim {

std::vector<AssembledLine> LineAssembler::Feed(std::string_view bytes) {
  std::vector<AssembledLine> lines;
  for (char c : bytes) {
    if (c != '\n') {
      if (pending_.size() < kMaxLine)
        pending_ += c;
      else
        overlong_ = true;
      continue;
    }
    while (!pending_.empty() && pending_.back() == '\r') pending_.pop_back();
    lines.push_back({std::move(pending_), overlong_});
    pending_.clear();
    overlong_ = false;
  }
  return lines;
}

}  // namespace vtg::sim
