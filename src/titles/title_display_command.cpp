#include "titles/title_display_command.h"

#include "titles/per_page_command.h"

namespace vtg {
namespace {
std::string OnOff(int flag) { return flag ? "ON" : "OF"; }
std::string Letter(int flag) { return flag ? "N" : "F"; }
}  // namespace

std::string TitleDisplayCommand(const SettingsImage& image, int line, int page) {
  return OnePageCommand("CTD", line, page, image.display_flag, OnOff);
}

std::string TitleDisplayAllCommand(const SettingsImage& image, int line) {
  return AllPagesCommand("CTD", line, image.display_flag, Letter);
}

void SendTitleDisplayAll(Link& link, const SettingsImage& image, int line) {
  link.SendCommandLine(TitleDisplayAllCommand(image, line));
}

}  // namespace vtg
