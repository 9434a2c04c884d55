#include "link/unit_network.h"

#include <array>

#include "link/text_helpers.h"

namespace vtg {
namespace {

constexpr std::array<std::string_view, 3> kAddressHeads{"IA", "GA", "AA"};
constexpr std::array<std::string_view, kUnitNetworkReads> kReads{"RAA", "RGA", "RIA", "RMA", "RPN", "RSM", "RKA", "RTR", "RVN"};
constexpr std::size_t kMaxAddressText = 15;
constexpr std::string_view kLineEnd = "\r\n";

std::string Line(std::string text) { return text.append(kLineEnd); }

}  // namespace

void ApplyDottedAddress(std::string_view text, IpBytes& address) {
  text = text.substr(0, kMaxAddressText);
  for (std::size_t part = 0; part < address.size(); ++part) {
    const std::size_t dot = text.find('.');
    const std::string_view field = text.substr(0, dot);
    if (!field.empty() && field.size() <= 3 && IsDigits(field)) {
      const int value = std::stoi(std::string(field));
      if (value <= 255) address[part] = static_cast<std::uint8_t>(value);
    }
    if (dot == std::string_view::npos) break;
    text.remove_prefix(dot + 1);
  }
}

std::string AddressCommand(UnitAddress which, const IpBytes& address) {
  std::string command(kAddressHeads[static_cast<std::size_t>(which)]);
  for (std::size_t part = 0; part < address.size(); ++part) {
    if (part > 0) command += '.';
    command += Dec3(address[part]);
  }
  return Line(std::move(command));
}

std::string SubnetCommand(int subnet_class) { return Line(std::string("SM") + static_cast<char>('A' + subnet_class)); }

std::string KeepAliveCommand(int keep_alive) { return Line(keep_alive == 1 ? "KAON" : "KAOF"); }

std::string TimeRegisterCommand(int time_register) {
  return Line(std::string("TR") + static_cast<char>('1' + time_register));
}

std::optional<std::string> UnitPortText(std::string_view entry) {
  if (entry.empty() || entry.size() > 5 || !IsDigits(entry)) return std::nullopt;
  const int port = std::stoi(std::string(entry));
  if (port < 1 || port > 65535) return std::nullopt;
  return std::string(5 - entry.size(), '0').append(entry);
}

std::string PortCommand(std::string_view port_text) { return Line("PN" + std::string(port_text)); }

SequenceRun UnitNetworkReadBack(Link& link) {
  SequenceRun run;
  run.period_ms = 200;
  run.last_step = static_cast<int>(kReads.size()) + 1;
  run.percent_divisor = run.last_step;
  run.progress_range = kUnitNetworkReads;
  run.checks_link = false;
  // A flag left by an earlier failure must not end this run before it sends anything.
  run.clears_flags_at_start = true;
  run.step = [&link](int step) {
    if (step > static_cast<int>(kReads.size())) return StepResult::Idle();
    link.SerialSendLine(Line(std::string(kReads[static_cast<std::size_t>(step - 1)])));
    return StepResult::Sent();
  };
  return run;
}

}  // namespace vtg
