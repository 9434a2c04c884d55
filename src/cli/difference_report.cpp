#include "cli/difference_report.h"

#include "cli/ctl_options.h"

namespace vtg::cli {

int ReportDifferences(const std::vector<Difference>& found, std::ostream& out, Messages& messages) {
  for (const Difference& d : found) out << d.item << '\t' << d.document << '\t' << d.unit << '\n';
  out << std::flush;
  // A notice, not a failure: the exit status tells a script what was found.
  if (found.empty()) {
    messages.SuccessBox("all equal");
    return kExitOk;
  }
  messages.SuccessBox(std::to_string(found.size()) + (found.size() == 1 ? " difference" : " differences"));
  return kExitUnitFailed;
}

}  // namespace vtg::cli
