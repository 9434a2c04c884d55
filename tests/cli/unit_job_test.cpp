// A command's job against the simulated unit's engine in virtual time: the unit answers
// every line at once, unless the test takes its reply away or spoils it.
#include "cli/unit_job.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <variant>

#include "fakes.h"
#include "settings/settings_document.h"
#include "sim/unit_bus.h"

namespace vtg::cli {
namespace {

namespace fs = std::filesystem;

// What reaches the controller as the n-th reply (1-based); empty: the reply is lost.
using ReplyFault = std::function<std::string(int n, const std::string& reply)>;

class UnitJobTest : public ::testing::Test {
 protected:
  UnitJobTest() {
    dir = fs::temp_directory_path() / ("vtg-cli-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  ~UnitJobTest() override { fs::remove_all(dir); }

  int Run(const CtlOptions& options, const ReplyFault& fault = [](int, const std::string& r) { return r; }) {
    const bool serial = options.reach == Reach::Serial;
    testing::RecordingTransport& wire = serial ? serial_port : socket;
    UnitJob job(options, state, link, messages, engine, out);
    link.AttachSerial(&serial_port);
    link.AttachSocket(&socket, &timer);
    link.SetReplyListener([&](std::string_view line, bool understood) { job.OnReply(line, understood); });
    if (const int status = job.Prepare()) return status;
    state.link.tcp_connected = 1;
    std::size_t answered = wire.lines.size();
    if (!job.Begin()) return -2;
    int replies = 0;
    for (int tick = 0; tick < 5000 && !job.Settled(); ++tick) {
      engine.Tick();
      while (answered < wire.lines.size()) {
        const std::string& line = wire.lines[answered++];
        const auto delivery = bus.Deliver({line.substr(0, line.size() - 2)});
        for (const std::string& framed : delivery.replies) {
          const std::string reply = fault(++replies, framed);
          if (reply.empty()) continue;
          serial ? link.OnSerialBytes(reply) : link.OnSocketBytes(reply);
        }
        if (!serial && link.AwaitingSocketReply()) link.OnReplyTimeout();
      }
      if (serial) link.OnWatchdogTick();
    }
    return job.Settled() ? job.Conclude() : -1;
  }

  static CtlOptions Options(Command command, Reach reach = Reach::TcpClient) {
    CtlOptions options;
    options.reach = reach;
    options.command = command;
    return options;
  }

  fs::path dir;
  std::ostringstream out, err;
  ControllerState state;
  TerminalMessages messages{err};
  Link link{state, messages};
  testing::RecordingTransport socket = testing::SocketPeer();
  testing::RecordingTransport serial_port{{true, false}};
  testing::FakeReplyTimer timer;
  testing::RecordingView view;
  SequenceEngine engine{state, link, messages, view};
  sim::SimulatedUnit unit{0};
  sim::UnitBus bus{{&unit}};
};

TEST_F(UnitJobTest, ReadAllSavesWhatTheUnitHolds) {
  unit.state().white_level = 0;
  CtlOptions options = Options(Command::ReadAll);
  options.file = (dir / "unit.dat").string();
  EXPECT_EQ(Run(options), kExitOk) << err.str();
  EXPECT_EQ(socket.lines.size(), 282u);
  EXPECT_EQ(state.image.white_level, 0);
  EXPECT_TRUE(fs::exists(options.file));
}

TEST_F(UnitJobTest, AReplyItCannotUseFailsTheRunAndWritesNothing) {
  CtlOptions options = Options(Command::ReadAll);
  options.pace = Pace::Reply;
  options.file = (dir / "unit.dat").string();
  const int status = Run(options, [](int n, const std::string& reply) { return n == 100 ? "00CT01T99\r\n" : reply; });
  EXPECT_EQ(status, kExitUnitFailed);
  EXPECT_EQ(err.str(), "vtg7300ctl: 次の項目が読み込めませんでした。\n読み込み前の値のままです。\n\n"
                       "タイトル ch.1 Bottom Page10\n");
  EXPECT_FALSE(fs::exists(options.file));
}

TEST_F(UnitJobTest, NetReadNeedsAllNineReplies) {
  const CtlOptions options = Options(Command::NetRead, Reach::Serial);
  EXPECT_EQ(Run(options, [](int n, const std::string& reply) { return n == 4 ? "" : reply; }), kExitUnitFailed);
  EXPECT_EQ(serial_port.lines.front(), "RAA\r\n");
  EXPECT_EQ(err.str(), "vtg7300ctl: No Connect\n");
  EXPECT_TRUE(out.str().empty());
}

TEST_F(UnitJobTest, RawPrintsTheReplyWithoutItsAddress) {
  CtlOptions options = Options(Command::Raw);
  options.raw_text = "RCEL";
  EXPECT_EQ(Run(options), kExitOk);
  options.raw_text = "RXYZ";
  EXPECT_EQ(Run(options), kExitUnitFailed);
  EXPECT_EQ(out.str(), "CEL1\nE3\n");
  EXPECT_EQ(err.str(), "vtg7300ctl: Socket Command\n");
}

TEST_F(UnitJobTest, SendAllRefusesADocumentWithATitleTheUnitCannotTake) {
  ResetToDefaults(state);
  state.image.title_text[TitleIndex(2, 9)] = "A";
  const std::string path = (dir / "odd.dat").string();
  {
    std::ofstream file(path, std::ios::binary);
    file << std::get<std::string>(FormatDocument(state.image));
  }
  CtlOptions options = Options(Command::SendAll);
  options.file = path;
  EXPECT_EQ(Run(options), kExitBadUsage);
  EXPECT_TRUE(socket.lines.empty());
  EXPECT_EQ(err.str(), "vtg7300ctl: ch.2 Top page 10: ＪＩＳ第１水準,第２水準以外の字が選択されてます\n");
}

}  // namespace
}  // namespace vtg::cli
