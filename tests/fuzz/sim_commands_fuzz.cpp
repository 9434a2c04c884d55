// Command lines from anywhere to the simulated units: each unit keeps every setting in
// range, a line that is not accepted changes nothing, every reply is one framed line, and
// the controller can take every reply.
//
// Input: a set-up byte (bit 0 glyph reads refused while auto switching, bits 1-2 the units
// on the line), a seed for the split points, then the bytes from the controller.
#include <array>
#include <map>
#include <vector>

#include "fuzz_input.h"
#include "link/line_assembler.h"
#include "link/reply_interpreter.h"
#include "link/text_helpers.h"
#include "recording_messages.h"
#include "sim/unit_bus.h"

namespace vtg::fuzz {
namespace {

// The addresses of the units on the line, by bits 1-2 of the set-up byte.
constexpr std::array<std::array<int, 2>, 4> kLineUps{{{0, -1}, {0, 5}, {5, 5}, {31, 0}}};

// A reply leaves in one 600-byte line buffer of the controller.
constexpr std::size_t kMaxReply = 600;

// A unit as it starts, made once for each address and option.
const sim::SimulatedUnit& FreshUnit(int address, bool refuse_glyph_reads) {
  static std::map<std::pair<int, bool>, sim::SimulatedUnit> fresh;
  const auto key = std::pair(address, refuse_glyph_reads);
  auto it = fresh.find(key);
  if (it == fresh.end())
    it = fresh.emplace(key, sim::SimulatedUnit(address, {.refuse_glyph_reads_while_auto_switching = refuse_glyph_reads}))
             .first;
  return it->second;
}

// Kept from one input to the next, like the units themselves.
std::vector<sim::UnitState>& KeptStates() {
  static std::vector<sim::UnitState> kept;
  return kept;
}

struct LineWithUnits {
  explicit LineWithUnits(std::vector<sim::SimulatedUnit*> on_line) : units(std::move(on_line)), bus(units) {
    accepted.resize(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) accepted[i] = units[i]->state();
  }

  std::vector<sim::SimulatedUnit*> units;
  sim::UnitBus bus;
  ControllerState& controller = Reused(DefaultState());
  testing::RecordingMessages messages;
  ReplyContext context{controller, messages, {}};
  // The units as the last accepted line left them; copied again only when a line changes them.
  std::vector<sim::UnitState>& accepted = KeptStates();

  bool Unchanged() const {
    for (std::size_t i = 0; i < units.size(); ++i)
      if (!(units[i]->state() == accepted[i])) return false;
    return true;
  }

  void Deliver(const sim::AssembledLine& line) {
    const sim::Delivery delivery = bus.Deliver(line);
    Require(!line.text.starts_with("FF") || delivery.replies.empty(), "a Broadcast line was answered");
    // Replies echo the address of an addressed line; the controller strips it.
    controller.flags.address_prefix = line.text.size() >= 2 && IsDigits(line.text.substr(0, 2)) ? 1 : 0;
    for (const std::string& reply : delivery.replies) {
      Require(reply.size() <= kMaxReply && reply.ends_with("\r\n") && reply.find('\n') == reply.size() - 1,
              "a reply is not one framed line");
      InterpretSerialReply(context, reply);
    }
    // The glyphs are checked once at the end: walking them after every line is slow.
    if (delivery.changed) {
      for (std::size_t i = 0; i < units.size(); ++i) {
        Require(testing::BrokenUnitSettingsRule(units[i]->state()));
        accepted[i] = units[i]->state();
      }
    } else {
      Require(Unchanged(), "a refused line changed a unit");
    }
    Require(testing::BrokenSettingsRule(controller.image));
    Require(testing::BrokenFlagRule(controller));
  }
};

}  // namespace
}  // namespace vtg::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vtg;
  using namespace vtg::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t setup = input.Byte();
  const std::uint8_t seed = input.Byte();
  const auto& addresses = kLineUps[(setup >> 1) & 3];
  std::vector<sim::SimulatedUnit*> units{&Reused<sim::SimulatedUnit, 0>(FreshUnit(addresses[0], setup & 1))};
  if (addresses[1] >= 0) units.push_back(&Reused<sim::SimulatedUnit, 1>(FreshUnit(addresses[1], setup & 1)));
  LineWithUnits bench(units);

  Choices choose(seed);
  LineAssembler assembler;
  while (!input.Empty()) {
    const std::string_view piece = input.Bytes(choose.PieceLength());
    // As the unit's link reads them: without the LF and the CRs before it.
    assembler.Feed(piece, [&](std::string_view text, bool overlong) {
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
      bench.Deliver({std::string(text), overlong});
    });
  }
  for (const sim::SimulatedUnit* unit : units) Require(testing::BrokenUnitGlyphRule(unit->state()));
  Require(testing::BrokenStateRule(bench.controller));
  return 0;
}
