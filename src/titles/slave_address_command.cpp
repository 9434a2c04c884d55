#include "titles/slave_address_command.h"

#include "link/text_helpers.h"
#include "settings/controller_state.h"
#include "titles/line_fields.h"

namespace vtg {

std::optional<std::string> SlaveAddressCommand(int slave_index) {
  if (slave_index < 0 || slave_index >= kBroadcast) return std::nullopt;
  return "SA" + Dec2(slave_index) + std::string(kCrLf);
}

bool SendSlaveAddress(Link& link, Messages& messages, int slave_index) {
  const auto command = SlaveAddressCommand(slave_index);
  if (!command) {
    messages.ErrorBox(kChooseSlaveAddress);
    return false;
  }
  link.SerialSendLine(*command);
  return true;
}

}  // namespace vtg
