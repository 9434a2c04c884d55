#include "titles/line_fields.h"

#include "link/text_helpers.h"
#include "settings/settings_image.h"

namespace vtg {

std::string LineField(int line) {
  std::string field = Dec2(line / 2 + 1);
  field.push_back(line % 2 == 1 ? 'B' : 'T');
  return field;
}

std::string PageField(int page) { return Dec2(page + 1); }

std::string PageName(int title_index) {
  return std::string(kLineNames[static_cast<std::size_t>(title_index / kPages)]) + " Page" +
         PageField(title_index % kPages);
}

std::string PageChoiceField(int page) { return page >= kAutoSwitchPage ? "AS" : PageField(page); }

}  // namespace vtg
