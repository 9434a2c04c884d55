#include "titles/level_command.h"

#include "link/text_helpers.h"
#include "titles/line_fields.h"

namespace vtg {
namespace {
std::string LevelCommand(std::string_view head, int level) {
  std::string command(head);
  command.push_back(static_cast<char>('0' + level));
  command += kCrLf;
  return command;
}
}  // namespace

std::string WhiteLevelCommand(const SettingsImage& image) { return LevelCommand("CWL", image.white_level); }

std::string EdgeLevelCommand(const SettingsImage& image) { return LevelCommand("CEL", image.edge_level); }

std::string DisplayPositionCommand(const SettingsImage& image, int line) {
  std::string command = "CTDPO" + LineField(line);
  command += Dec2(image.display_position[static_cast<std::size_t>(line)]);
  command += kCrLf;
  return command;
}

void SendWhiteLevel(Link& link, const SettingsImage& image) { link.SendCommandLine(WhiteLevelCommand(image)); }

void SendEdgeLevel(Link& link, const SettingsImage& image) { link.SendCommandLine(EdgeLevelCommand(image)); }

void SendDisplayPosition(Link& link, const SettingsImage& image, int line) {
  link.SendCommandLine(DisplayPositionCommand(image, line));
}

}  // namespace vtg
