#include "titles/page_switch_command.h"

#include "titles/line_fields.h"

namespace vtg {
namespace {
std::string LinePageCommand(std::string_view head, int line, int page) {
  std::string command(head);
  command += LineField(line);
  command += PageChoiceField(page);
  command += kCrLf;
  return command;
}
}  // namespace

std::string PageSwitchCommand(const SettingsImage& image, int line) {
  return LinePageCommand("P", line, image.display_page[static_cast<std::size_t>(line)]);
}

std::string StartupPageCommand(const SettingsImage& image, int line) {
  return LinePageCommand("SUS", line, image.startup_page[static_cast<std::size_t>(line)]);
}

void SendPageSwitch(Link& link, const SettingsImage& image, int line) {
  link.SendCommandLine(PageSwitchCommand(image, line));
}

void SendStartupPage(Link& link, const SettingsImage& image, int line) {
  link.SendCommandLine(StartupPageCommand(image, line));
}

}  // namespace vtg
