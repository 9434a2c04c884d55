#include "shell/menu_table.h"

#include "settings/controller_state.h"

namespace vtg {

const MenuItem* FindMenuItem(int id) {
  for (const MenuItem& item : kMenuItems)
    if (item.id == id) return &item;
  return nullptr;
}

bool MenuItemEnabled(int id, int interface_setting) {
  switch (id) {
    case kCmdRs232c: return interface_setting == kRs232c;
    case kCmdClientServer:
    case kCmdTcpIp: return interface_setting != kRs232c;
    default: return true;
  }
}

}  // namespace vtg
