// A command's job against the simulated unit's engine in virtual time: the unit answers
// every line at once, unless the test takes its reply away or spoils it.
#include "cli/unit_job.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <variant>

#include "scratch_folder.h"
#include "settings/settings_document.h"
#include "wired_controller.h"

namespace vtg::cli {
namespace {

namespace fs = std::filesystem;

// What reaches the controller as the n-th reply (1-based); empty: the reply is lost.
using ReplyFault = std::function<std::string(int n, const std::string& reply)>;

class UnitJobTest : public ::testing::Test {
 protected:
  int Run(const CtlOptions& options, const ReplyFault& fault = [](int, const std::string& r) { return r; }) {
    const bool serial = options.reach == Reach::Serial;
    UnitJob job(options, c.state, c.link, messages, c.engine, out);
    c.link.SetReplyListener([&](std::string_view line, bool understood) { job.OnReply(line, understood); });
    c.unit = [fault, replies = 0, simulated = testing::SimulatedUnits({&unit})](int n, std::string_view line) mutable {
      const std::string reply = simulated(n, line);
      return reply.empty() ? reply : fault(++replies, reply);
    };
    if (const int status = job.Prepare()) return status;
    c.state.link.tcp_connected = 1;
    if (!job.Begin()) return -2;
    for (int tick = 0; tick < 5000 && !job.Settled(); ++tick) {
      c.Tick();
      if (!serial && c.link.AwaitingSocketReply()) c.link.OnReplyTimeout();
      if (serial) c.link.OnWatchdogTick();
    }
    return job.Settled() ? job.Conclude() : -1;
  }

  static CtlOptions Options(Command command, Reach reach = Reach::TcpClient) {
    CtlOptions options;
    options.reach = reach;
    options.command = command;
    return options;
  }

  testing::ScratchFolder dir;
  std::ostringstream out, err;
  TerminalMessages messages{err};
  testing::WiredController c{messages};
  sim::SimulatedUnit unit{0};
};

TEST_F(UnitJobTest, ReadAllSavesWhatTheUnitHolds) {
  unit.state().white_level = 0;
  CtlOptions options = Options(Command::ReadAll);
  options.file = dir / "unit.dat";
  EXPECT_EQ(Run(options), kExitOk) << err.str();
  EXPECT_EQ(c.socket.lines.size(), 282u);
  EXPECT_EQ(c.state.image.white_level, 0);
  EXPECT_TRUE(fs::exists(options.file));
}

TEST_F(UnitJobTest, AReplyItCannotUseFailsTheRunAndWritesNothing) {
  CtlOptions options = Options(Command::ReadAll);
  options.pace = Pace::Reply;
  options.file = dir / "unit.dat";
  const int status = Run(options, [](int n, const std::string& reply) { return n == 100 ? "00CT01T99\r\n" : reply; });
  EXPECT_EQ(status, kExitUnitFailed);
  EXPECT_EQ(err.str(), "vtg7300ctl: 次の項目が読み込めませんでした。\n読み込み前の値のままです。\n\n"
                       "タイトル ch.1 Bottom Page10\n");
  EXPECT_FALSE(fs::exists(options.file));
}

// A transfer asks again for a glyph whose reply it could not take; a stray reply on the way
// is not a failure of the run.
TEST_F(UnitJobTest, GlyphReadAndVerifyGoOnPastAReplyTwiceInOneReception) {
  CtlOptions options = Options(Command::GlyphRead);
  options.pace = Pace::Reply;
  options.glyph_class = GlyphClass::Large;
  options.file = dir / "unit.tll";
  const auto twice_at_third = [](int n, const std::string& reply) { return n == 3 ? reply + reply : reply; };
  EXPECT_EQ(Run(options, twice_at_third), kExitOk) << err.str();
  options.command = Command::GlyphVerify;
  EXPECT_EQ(Run(options, twice_at_third), kExitOk) << err.str();
}

TEST_F(UnitJobTest, NetReadNeedsAllNineReplies) {
  const CtlOptions options = Options(Command::NetRead, Reach::Serial);
  EXPECT_EQ(Run(options, [](int n, const std::string& reply) { return n == 4 ? "" : reply; }), kExitUnitFailed);
  EXPECT_EQ(c.serial.lines.front(), "RAA\r\n");
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
  c.state.image.title_text[TitleIndex(2, 9)] = "A";
  const std::string path = dir / "odd.dat";
  ASSERT_TRUE(testing::WriteFile(path, std::get<std::string>(FormatDocument(c.state.image))));
  CtlOptions options = Options(Command::SendAll);
  options.file = path;
  EXPECT_EQ(Run(options), kExitBadUsage);
  EXPECT_TRUE(c.socket.lines.empty());
  EXPECT_EQ(err.str(), "vtg7300ctl: ch.2 Top page 10: ＪＩＳ第１水準,第２水準以外の字が選択されてます\n");
}

}  // namespace
}  // namespace vtg::cli
