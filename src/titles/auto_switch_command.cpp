#include "titles/auto_switch_command.h"

#include "link/text_helpers.h"
#include "titles/per_page_command.h"

namespace vtg {

std::string AutoSwitchCommand(const SettingsImage& image, int line, int page) {
  return OnePageCommand("AST", line, page, image.auto_switch_time, Dec2);
}

std::string AutoSwitchAllCommand(const SettingsImage& image, int line) {
  return AllPagesCommand("AST", line, image.auto_switch_time, Dec2);
}

void SendAutoSwitchAll(Link& link, const SettingsImage& image, int line) {
  link.SendCommandLine(AutoSwitchAllCommand(image, line));
}

}  // namespace vtg
