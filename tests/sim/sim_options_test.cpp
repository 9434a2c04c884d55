// The simulated unit's command line: what it accepts and what it refuses with a reason.
#include <gtest/gtest.h>

#include "sim/sim_options.h"

namespace vtg::sim {
namespace {

ParsedOptions Parse(std::vector<std::string_view> args) { return ParseSimOptions(args); }

TEST(SimOptions, FullCommandLine) {
  const ParsedOptions parsed =
      Parse({"--address", "03,07", "--state", "s.txt", "--log", "l.txt", "--reply-delay", "250", "--drop-every", "3",
             "--error-every", "5", "GN", "--close-after", "7", "--split", "--line-rate", "9600", "--auto-switching",
             "--listen", "0.0.0.0:9004"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const SimOptions& o = *parsed.options;
  EXPECT_EQ(std::tie(o.addresses, o.state_file, o.log_file, o.auto_switching, o.mode, o.host, o.port),
            std::tuple(std::vector<int>{3, 7}, "s.txt", "l.txt", true, LinkMode::kListen, "0.0.0.0", 9004));
  EXPECT_EQ(std::tie(o.pacing.delay_ms, o.pacing.split, o.pacing.line_rate_baud), std::tuple(250, true, 9600));
  EXPECT_EQ(std::tie(o.faults.drop_every, o.faults.error_every, o.faults.error_code, o.faults.close_after),
            std::tuple(3, 5, "GN", 7));
}

struct Mode {
  std::vector<std::string_view> args;
  LinkMode mode;
  std::string host;
  int port;
  std::string path;
  std::vector<int> addresses;
};

const Mode kModes[] = {
    {{"--listen", "0"}, LinkMode::kListen, "127.0.0.1", 0, "", {0}},
    {{"--units", "3", "--connect", "10.0.0.2:9004"}, LinkMode::kConnect, "10.0.0.2", 9004, "", {0, 0, 0}},
    {{"--connect", "h:1", "--units", "96"}, LinkMode::kConnect, "h", 1, "", std::vector<int>(96, 0)},
    {{"--address", "00,05", "--connect", "h:1"}, LinkMode::kConnect, "h", 1, "", {0, 5}},
    {{"--pty", "/tmp/vtg"}, LinkMode::kPty, "", 0, "/tmp/vtg", {0}},
    {{"--serial", "/dev/ttyUSB0", "--address", "31"}, LinkMode::kSerial, "", 0, "/dev/ttyUSB0", {31}},
    {{"--units=2", "--error-every=3", "E1", "--pty=/tmp/vtg"}, LinkMode::kPty, "", 0, "/tmp/vtg", {0, 1}},
};

TEST(SimOptions, EachMode) {
  for (const auto& [args, mode, host, port, path, addresses] : kModes) {
    const ParsedOptions parsed = Parse(args);
    ASSERT_TRUE(parsed.options) << parsed.error;
    const SimOptions& o = *parsed.options;
    EXPECT_EQ(std::tie(o.mode, o.host, o.port, o.path, o.addresses), std::tie(mode, host, port, path, addresses));
  }
}

struct Refusal {
  std::vector<std::string_view> args;
  std::string_view reason;
};

const Refusal kRefusals[] = {
    {{}, "give a mode"},
    {{"--listen", "1", "--pty", "x"}, "exactly one mode"},
    {{"--listen", "70000"}, "--listen wants"},
    {{"--connect", "9004"}, "--connect wants HOST:PORT"},
    {{"--connect", "h:0"}, "--connect wants HOST:PORT"},
    {{"--address", "5", "--listen", "0"}, "--address wants"},
    {{"--address", "00,00", "--listen", "0"}, "--address wants"},
    {{"--address", "00,", "--listen", "0"}, "--address wants"},
    {{"--units", "2", "--address", "00", "--listen", "0"}, "either --address or --units"},
    {{"--units", "33", "--listen", "0"}, "--units wants"},
    {{"--units", "97", "--connect", "h:1"}, "--units wants"},
    {{"--close-after", "0", "--listen", "0"}, "--close-after wants"},
    {{"--error-every", "2", "E9", "--listen", "0"}, "--error-every wants"},
    {{"--drop-every", "0", "--listen", "0"}, "--drop-every wants"},
    {{"--reply-delay", "-1", "--listen", "0"}, "--reply-delay wants"},
    {{"--state"}, "--state needs a file name"},
    {{"--pty", ""}, "--pty needs a path"},
    {{"--frobnicate"}, "unknown option --frobnicate"},
    {{"--split=yes", "--listen", "0"}, "--split takes no value"},
    {{"--listen", "0", "--", "--split"}, "unexpected argument --split"},
};

TEST(SimOptions, BadCommandLinesSayWhatIsWrong) {
  for (const auto& [args, reason] : kRefusals) {
    const ParsedOptions parsed = Parse(args);
    EXPECT_FALSE(parsed.options);
    EXPECT_NE(parsed.error.find(reason), std::string::npos) << parsed.error;
  }
}

}  // namespace
}  // namespace vtg::sim
