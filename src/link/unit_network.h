#pragma once
// The unit's own network settings: the commands that set them and the run that reads them
// back. They go to the serial port without a slave address.
#include <optional>
#include <string>
#include <string_view>

#include "link/link.h"
#include "link/sequence_engine.h"
#include "settings/settings_image.h"

namespace vtg {

enum class UnitAddress { Ip, Gateway, Active };

inline constexpr std::string_view kUnitPortRefusedText = "Port Number には 1～65535 の数字を入力してください";

// Reads the dotted text of an address control into `address`: a field of one to three
// digits with a value up to 255 sets its byte; any other field leaves its byte as it was.
void ApplyDottedAddress(std::string_view text, IpBytes& address);
// "IA192.168.001.003" CR LF, "GA…", "AA…".
std::string AddressCommand(UnitAddress which, const IpBytes& address);
// "SMA".."SMC" CR LF for class 0..2.
std::string SubnetCommand(int subnet_class);
// "KAON" CR LF when 1, "KAOF" CR LF when 0.
std::string KeepAliveCommand(int keep_alive);
// "TR1".."TR6" CR LF for choice 0..5.
std::string TimeRegisterCommand(int time_register);
// The port entry as the unit keeps it: five digits with leading zeros ("9004" gives
// "09004"); none when the entry is no port number 1..65535.
std::optional<std::string> UnitPortText(std::string_view entry);
// "PN09004" CR LF from a port text of five digits.
std::string PortCommand(std::string_view port_text);

inline constexpr int kUnitNetworkReads = 9;

// Nine reads ("RAA" … "RVN") at least 200 ms apart, each once the one before was answered,
// then one quiet step, which comes once the last reply is in; the run is complete after that.
SequenceRun UnitNetworkReadBack(Link& link);

}  // namespace vtg
