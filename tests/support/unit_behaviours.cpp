#include "unit_behaviours.h"

#include <memory>

namespace vtg::testing {

namespace {

bool Addressed(std::string_view line) {
  return line.size() >= 2 &&
         ((line[0] >= '0' && line[0] <= '9' && line[1] >= '0' && line[1] <= '9') || line.starts_with("FF"));
}

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

// Without its address and its CR LF.
std::string_view CommandOf(std::string_view line) {
  line = WithoutLineEnd(line);
  return Addressed(line) ? line.substr(2) : line;
}

}  // namespace

UnitBehaviour UnitAnswering(std::function<std::string(std::string_view command)> reply) {
  return [reply = std::move(reply)](int, std::string_view line) {
    if (line.starts_with("FF")) return std::string();
    const std::string text = reply(CommandOf(line));
    if (text.empty()) return text;
    return std::string(Addressed(line) ? line.substr(0, 2) : std::string_view()) + text + "\r\n";
  };
}

UnitBehaviour AnsweringUnit() {
  return UnitAnswering([](std::string_view) { return std::string("GO"); });
}

UnitBehaviour SilentUnit() {
  return [](int, std::string_view) { return std::string(); };
}

UnitBehaviour UnitAnsweringAtLine(int n, std::string reply) {
  const UnitBehaviour go = AnsweringUnit();
  const UnitBehaviour at_n = UnitAnswering([reply = std::move(reply)](std::string_view) { return reply; });
  return [=](int line_number, std::string_view line) { return (line_number == n ? at_n : go)(line_number, line); };
}

UnitBehaviour SimulatedUnits(std::vector<sim::SimulatedUnit*> units, sim::FaultPlan faults) {
  auto bus = std::make_shared<sim::UnitBus>(std::move(units), std::move(faults));
  return [bus](int, std::string_view line) {
    std::string replies;
    for (const std::string& reply : bus->Deliver({std::string(WithoutLineEnd(line))}).replies) replies += reply;
    return replies;
  };
}

}  // namespace vtg::testing
