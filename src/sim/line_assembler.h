#pragma once
// Cuts a byte stream into command lines.
#include <string>
#include <string_view>
#include <vector>

namespace vtg::sim {

struct AssembledLine {
  std::string text;       // without LF and trailing CRs; at most kMaxLine bytes
  bool overlong = false;  // the line was longer than kMaxLine; `text` holds its start
};

class LineAssembler {
 public:
  // The longest framed command line is 600 bytes with its CR LF.
  static constexpr std::size_t kMaxLine = 599;

  // Bytes past kMaxLine in one line are discarded; the line still ends at its LF,
  // so an overlong line is reported once and never runs into the next one.
  std::vector<AssembledLine> Feed(std::string_view bytes);

 private:
  std::string pending_;
  bool overlong_ = false;
};

}  // namespace vtg::sim
