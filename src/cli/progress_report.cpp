#include "cli/progress_report.h"

#include <charconv>

namespace vtg::cli {

void ProgressReport::Show(std::string_view percent) {
  const auto first = percent.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    if (terminal_ && last_ >= 0) out_ << std::endl;
    messages_.SetLineOpen(false);
    last_ = -1;
    return;
  }
  percent.remove_prefix(first);
  int whole = 0;
  if (std::from_chars(percent.data(), percent.data() + percent.size(), whole).ec != std::errc{} || whole == last_)
    return;
  last_ = whole;
  if (terminal_) {
    out_ << '\r' << whole << '%' << std::flush;
    messages_.SetLineOpen(true);
  } else {
    out_ << whole << '%' << std::endl;
  }
}

}  // namespace vtg::cli
