// Whatever a unit sends, in whatever pieces, while the controller waits for replies or runs
// a sequence: the settings image stays in range, every run still ends, and what was read
// can be kept in a document.
//
// Input: a set-up byte (bit 0 address_prefix, bit 1 socket link, bits 2-4 the run, bits 5-6
// the glyph class, bit 7 a glyph read outstanding when no run goes), the slave index, a seed
// (bits 0-1 the largest piece, bits 2-3 how often events come, bit 4 one tick per line
// rather than per piece), then the bytes from the unit. Bit 7 of the slave index byte sets
// the reply pace.
#include <array>
#include <memory>

#include "fuzz_input.h"
#include "glyphs/glyph_list.h"
#include "link/unit_network.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "wired_controller.h"

namespace vtg::fuzz {
namespace {

enum class RunKind { None, ReadSettings, SetAll, ReadGlyphs, SendGlyphs, UnitNetwork };

// Commands a dialog sends on its own while no run is going.
constexpr std::array<std::string_view, 5> kSingleCommands{"RCWL\r\n", "RCT01T01\r\n", "RAST02B\r\n", "CWL3\r\n",
                                                          "RFBMLA365\r\n"};

constexpr auto kStarted = SequenceEngine::Start::Started;

// One reception in this many is followed by an operator or link event instead of a tick
// (bits 2-3 of the seed); 0: never.
constexpr std::array<int, 4> kEventOdds{16, 256, 4096, 0};

// Enough silent ticks for the watchdog or the reply wait to end any run, with room to spare.
constexpr int kSilentTicks = 600;

// The view's progress goes back to 0 only once a run ended: `view.cleared` counts the ends.
struct Controller : testing::WiredController {
  Controller() : WiredController(Reused(DefaultState())) {}
  RunKind run_kind = RunKind::None;
  std::unique_ptr<GlyphList> glyph_list;
  bool on_socket = false;
  int begun = 0;

  void Setup(std::uint8_t setup, std::uint8_t slave) {
    state.flags.address_prefix = setup & 1;
    on_socket = setup & 2;
    state.link.interface_setting = on_socket ? kTcpIp : kRs232c;
    state.link.tcp_connected = on_socket ? 1 : 0;
    state.selection.slave_index = (slave & 0x7F) % (kBroadcast + 1);
    if (slave & 0x80) engine.SetPace(Pace::Reply);
    run_kind = static_cast<RunKind>((setup >> 2) & 7);
    if (run_kind == RunKind::ReadGlyphs || run_kind == RunKind::SendGlyphs) {
      const auto c = static_cast<GlyphClass>(((setup >> 5) & 3) % 3);
      glyph_list = std::make_unique<GlyphList>(state, link, messages, engine, dialogs, c);
    }
    BeginRun();
    // A glyph read of the editor may be outstanding; a transfer never starts with one.
    if (!engine.Running()) state.glyph.glyph_read_pending = setup >> 7;
  }

  // The operator presses the button that starts the run, also while it goes.
  void BeginRun() {
    bool started = false;
    switch (run_kind) {
      case RunKind::ReadSettings: started = engine.Begin(ReadSettingItemsRun(state, link, messages)) == kStarted; break;
      case RunKind::SetAll: started = engine.Begin(SetAllItemsRun(state, link, messages)) == kStarted; break;
      case RunKind::ReadGlyphs: started = glyph_list->ReadAll(); break;
      case RunKind::SendGlyphs: started = glyph_list->SendAll(); break;
      case RunKind::UnitNetwork: started = engine.Begin(UnitNetworkReadBack(link)) == kStarted; break;
      default: break;
    }
    begun += started;
    Require(begun == view.cleared + (engine.Running() ? 1 : 0), "a run began before the one before it ended");
  }

  // The operator closes the dialog: a run still going ends with it.
  void CloseDialog() {
    if (glyph_list)
      glyph_list->Close();
    else
      engine.Abort();
    Require(!engine.Running() && state.flags.sequence_step == 0, "a run outlives its dialog");
  }

  // Without a run, a dialog keeps one command in flight so that replies are awaited.
  void KeepCommandInFlight(Choices& choose) {
    if (engine.Running() || link.AwaitingSocketReply()) return;
    const std::string_view command = kSingleCommands[static_cast<std::size_t>(choose.Below(kSingleCommands.size()))];
    if (command.starts_with("RFBM")) state.glyph.glyph_read_pending = 1;
    link.SendCommandLine(command);
  }

  void Receive(std::string_view piece) {
    if (on_socket)
      link.OnSocketBytes(piece);
    else
      link.OnSerialBytes(piece);
  }

  // Something other than the next tick: the unit's silence or loss, or the operator.
  void Disturb(int what) {
    switch (what) {
      case 0: Silence(); break;
      case 1:
        if (on_socket) link.OnSocketPeerLost();
        break;
      case 2: BeginRun(); break;
      default: CloseDialog(); break;
    }
  }

  // The unit stays silent for one reply wait: the socket's wait ends, and the main window's
  // watchdog, which runs whatever the interface, gives up on a serial line.
  void Silence() {
    if (on_socket) link.OnReplyTimeout();
    for (int tick = 0; tick < 12; ++tick) link.OnWatchdogTick();
    engine.Wake();
  }

  // The dialog's timer fires, when it runs.
  void Tick() {
    if (view.timer_on) engine.Tick();
    Require(!engine.Running() || state.flags.sequence_step != 0, "a run goes on with sequence_step 0");
    Require(engine.Running() || state.flags.sequence_step == 0, "sequence_step set without a run");
  }

  // The glyph stores are checked once at the end: walking them after every piece is slow.
  void Check() const {
    Require(testing::BrokenSettingsRule(state.image));
    Require(testing::BrokenFlagRule(state));
  }
};

}  // namespace
}  // namespace vtg::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vtg::fuzz;
  FuzzInput input(data, size);
  Controller c;
  const std::uint8_t setup = input.Byte();
  const std::uint8_t slave = input.Byte();
  const std::uint8_t seed = input.Byte();
  c.Setup(setup, slave);
  Choices choose(seed);

  const int event_odds = kEventOdds[(seed >> 2) & 3];
  const bool by_line = (seed & 0x10) != 0;
  while (!input.Empty()) {
    c.KeepCommandInFlight(choose);
    // Line by line, a unit now and then answers twice.
    std::string_view reception = by_line ? input.Lines(choose.Below(8) == 0 ? 2 : 1) : input.Bytes(choose.PieceLength());
    while (!reception.empty()) {
      const std::string_view piece = reception.substr(0, choose.PieceLength());
      reception.remove_prefix(piece.size());
      c.Receive(piece);
    }
    if (event_odds != 0 && choose.Below(event_odds) == 0)
      c.Disturb(choose.Below(4));
    else
      c.Tick();
    c.Check();
  }

  // Then the unit falls silent: every run must come to its end.
  for (int tick = 0; tick < kSilentTicks && c.engine.Running(); ++tick) {
    c.Silence();
    c.Tick();
  }
  Require(!c.engine.Running(), "a run against a silent unit never ends");
  Require(c.begun == c.view.cleared, "a run ended without its end");
  Require(c.state.glyph.glyph_transfer_busy == 0, "a glyph transfer outlives its run");
  Require(vtg::testing::BrokenStateRule(c.state));

  // What was read from the unit is saved as a document and opened again unchanged, or the
  // document is refused with a reason.
  SavedDocumentReopens(c.state.image);
  return 0;
}
