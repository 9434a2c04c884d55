#include "ui/dialog_registry.h"

namespace vtg::ui {

bool DialogRegistry::Open(int command_id, AppContext& app, QWidget* owner) const {
  const auto found = openers_.find(command_id);
  if (found == openers_.end()) return false;
  // A copy: the opener may run a nested event loop while the map is in use.
  const DialogOpener open = found->second;
  open(app, owner);
  return true;
}

}  // namespace vtg::ui
