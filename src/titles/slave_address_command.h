#pragma once
// Gives the unit on the serial line its slave address: "SA" + two digits, sent bare.
#include <optional>
#include <string>
#include <string_view>

#include "link/link.h"
#include "link/messages.h"

namespace vtg {

inline constexpr std::string_view kChooseSlaveAddress = "スレーブアドレスを00～31から選んでください。";

// None for "Broadcast": it is not an address a unit can take.
std::optional<std::string> SlaveAddressCommand(int slave_index);

// Sends through the serial port whatever the interface; tells the operator and sends
// nothing when no address 00..31 is chosen.
bool SendSlaveAddress(Link& link, Messages& messages, int slave_index);

}  // namespace vtg
