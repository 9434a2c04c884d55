#include "titles/char_size_command.h"

#include "titles/per_page_command.h"

namespace vtg {
namespace {
std::string SizeLetter(int size) { return size == 0 ? "L" : size == 1 ? "M" : "S"; }
}  // namespace

std::string CharSizeCommand(const SettingsImage& image, int line, int page) {
  return OnePageCommand("CFS", line, page, image.char_size, SizeLetter);
}

std::string CharSizeAllCommand(const SettingsImage& image, int line) {
  return AllPagesCommand("CFS", line, image.char_size, SizeLetter);
}

void SendCharSizeAll(Link& link, const SettingsImage& image, int line) {
  link.SendCommandLine(CharSizeAllCommand(image, line));
}

}  // namespace vtg
