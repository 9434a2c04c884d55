#include "titles/per_page_command.h"

#include "titles/line_fields.h"

namespace vtg {

std::string OnePageCommand(std::string_view head, int line, int page, const PageValues& values, PageValueField field) {
  std::string command(head);
  command += LineField(line);
  command += PageField(page);
  command += field(values[static_cast<std::size_t>(TitleIndex(line, page))]);
  command += kCrLf;
  return command;
}

std::string AllPagesCommand(std::string_view head, int line, const PageValues& values, PageValueField field) {
  std::string command(head);
  command += LineField(line);
  for (int page = 0; page < kPages; ++page) command += field(values[static_cast<std::size_t>(TitleIndex(line, page))]);
  command += kCrLf;
  return command;
}

}  // namespace vtg
