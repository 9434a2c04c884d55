#include "sim/command_table.h"

namespace vtg::sim {

const CommandRow* FindCommand(std::string_view body) {
  const CommandRow* best = nullptr;
  for (auto rows : {DisplayCommands(), GlyphCommands(), NetworkCommands()})
    for (const CommandRow& row : rows)
      if (body.starts_with(row.head) && (!best || row.head.size() > best->head.size())) best = &row;
  return best;
}

}  // namespace vtg::sim
