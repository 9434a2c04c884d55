#include <gtest/gtest.h>

#include <tuple>

#include "cli/ctl_options.h"

namespace vtg::cli {
namespace {

ParsedCommandLine Parse(std::vector<std::string_view> args) { return ParseCtlOptions(args); }

TEST(CtlOptions, LinksAndTheirDefaults) {
  const auto tcp = Parse({"--tcp", "192.168.1.3", "raw", "RCEL"}).options;
  ASSERT_TRUE(tcp);
  EXPECT_EQ(std::tie(tcp->reach, tcp->host, tcp->port, tcp->slave_index, tcp->pace, tcp->timeout_ms, tcp->raw_text),
            std::tuple(Reach::TcpClient, "192.168.1.3", 9004, 0, Pace::Timer, 6000, "RCEL"));
  const auto listen = Parse({"read-all", "out.dat", "--listen", "0", "--pace", "reply", "--timeout", "0.25"}).options;
  ASSERT_TRUE(listen);
  EXPECT_EQ(std::tie(listen->reach, listen->host, listen->port, listen->pace, listen->timeout_ms, listen->file),
            std::tuple(Reach::TcpServer, "0.0.0.0", 0, Pace::Reply, 250, "out.dat"));
  const auto serial = Parse({"--serial", "/dev/ttyS0", "--address", "broadcast", "send-all", "a.dat"}).options;
  ASSERT_TRUE(serial);
  EXPECT_EQ(std::tie(serial->device, serial->slave_index), std::tuple("/dev/ttyS0", 32));
  EXPECT_EQ(Parse({"--listen", "127.0.0.1:9100", "--address", "31", "raw", "RCEL"}).options->slave_index, 31);
  const auto many = Parse({"--listen", "0", "--units", "96", "--wait", "2.5", "verify", "a.dat"}).options;
  ASSERT_TRUE(many);
  EXPECT_EQ(std::tie(many->units, many->wait_ms), std::tuple(96, 2500));
  const auto in_turn = Parse({"--serial", "/dev/ttyS0", "--address", "03,00,31", "read-all", "a.dat"}).options;
  ASSERT_TRUE(in_turn);
  EXPECT_EQ(in_turn->address_list, (std::vector<int>{3, 0, 31}));
}

TEST(CtlOptions, CommandArguments) {
  const auto bmp = Parse({"glyph-bmp", "small", "g.tls", "256", "p.bmp"}).options;
  ASSERT_TRUE(bmp);
  EXPECT_EQ(std::tie(bmp->glyph_class, bmp->glyph_index, bmp->picture_file), std::tuple(GlyphClass::Small, 255, "p.bmp"));
  EXPECT_EQ(CommandNeeds(bmp->command), Needs::Nothing);

  const auto net = Parse({"--serial", "/dev/pts/3", "net-set", "--ip", "10.0.0.255", "--port", "80", "--subnet", "C",
                          "--keep-alive", "on", "--time-register", "6"})
                       .options;
  ASSERT_TRUE(net);
  const NetSettings& n = net->net;
  EXPECT_EQ(std::tie(n.ip, n.port, n.subnet_class, n.keep_alive, n.time_register, n.gateway),
            std::tuple(IpBytes{10, 0, 0, 255}, "00080", 2, 1, 5, std::nullopt));

  EXPECT_EQ(Parse({"--serial", "/dev/pts/3", "set-address", "07"}).options->new_address, 7);

  const auto font = Parse({"glyph-from-font", "medium", "g.tlm", "160", "亜", "--font", "Noto Serif CJK JP"}).options;
  ASSERT_TRUE(font);
  EXPECT_EQ(std::tie(font->glyph_index, font->character, font->font),
            std::tuple(159, std::string("亜"), std::string("Noto Serif CJK JP")));
  const auto image = Parse({"glyph-from-image", "large", "g.tll", "1", "logo.png", "--invert"}).options;
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->invert && image->picture_file == "logo.png");
}

struct BadLine {
  std::vector<std::string_view> args;
  std::string_view error;  // the start of what the operator is told
};

void PrintTo(const BadLine& line, std::ostream* os) {
  for (std::string_view arg : line.args) *os << arg << ' ';
}

class CtlOptionsRefusal : public ::testing::TestWithParam<BadLine> {};

TEST_P(CtlOptionsRefusal, SaysWhatIsWrong) {
  const ParsedCommandLine parsed = ParseCtlOptions(GetParam().args);
  EXPECT_FALSE(parsed.options);
  EXPECT_TRUE(parsed.error.starts_with(GetParam().error)) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    BadUsage, CtlOptionsRefusal,
    ::testing::Values(
        BadLine{{}, "no command given"}, BadLine{{"fly"}, "unknown command fly"},
        BadLine{{"--tcp", "h", "raw"}, "raw takes 1 argument"},
        BadLine{{"--tcp", "h", "raw", "a", "b"}, "raw takes 1 argument"},
        BadLine{{"raw", "RCEL"}, "raw needs --tcp, --listen or --serial"},
        BadLine{{"--tcp", "h", "--serial", "/dev/x", "raw", "RCEL"}, "give one of"},
        BadLine{{"--tcp", "h:0", "raw", "RCEL"}, "--tcp wants"},
        BadLine{{"--tcp", ":9004", "raw", "RCEL"}, "--tcp wants"},
        BadLine{{"--listen", "h:70000", "raw", "RCEL"}, "--listen wants"},
        BadLine{{"--tcp", "h", "--address", "32", "raw", "RCEL"}, "--address wants"},
        BadLine{{"--tcp", "h", "--address", "7", "raw", "RCEL"}, "--address wants"},
        BadLine{{"--tcp", "h", "--address", "01,02,01", "raw", "RCEL"}, "--address wants distinct"},
        BadLine{{"--tcp", "h", "--address", "01,,02", "raw", "RCEL"}, "--address wants distinct"},
        BadLine{{"--tcp", "h", "--address", "01,broadcast", "raw", "RCEL"}, "--address wants distinct"},
        BadLine{{"--serial", "/dev/x", "--address", "01,02", "net-read"}, "net-read takes no list"},
        BadLine{{"--tcp", "h", "--units", "2", "raw", "RCEL"}, "--units and --wait go with --listen"},
        BadLine{{"--listen", "0", "--units", "97", "raw", "RCEL"}, "--units wants a number 1..96"},
        BadLine{{"--listen", "0", "--wait", "0", "raw", "RCEL"}, "--wait wants"},
        BadLine{{"--listen", "0", "--wait", "1", "--address", "01,02", "raw", "RCEL"}, "with --units or --wait"},
        BadLine{{"--tcp", "h", "--pace", "fast", "raw", "RCEL"}, "--pace wants"},
        BadLine{{"--tcp", "h", "--timeout", "0", "raw", "RCEL"}, "--timeout wants"},
        BadLine{{"--tcp", "h", "--timeout", "1s", "raw", "RCEL"}, "--timeout wants"},
        BadLine{{"--tcp", "h", "--timeout"}, "--timeout wants"},
        BadLine{{"--tcp", "h", "--verbose", "raw", "RCEL"}, "unknown option --verbose"},
        BadLine{{"--tcp", "h", "--verbose=2", "raw", "RCEL"}, "unknown option --verbose"},
        BadLine{{"doc-show", "-x.dat"}, "unknown option -x.dat"},
        BadLine{{"--tcp=", "raw", "RCEL"}, "--tcp needs a value"},
        BadLine{{"--", "--tcp", "h", "raw", "RCEL"}, "unknown command --tcp"},
        BadLine{{"--tcp", "h", "raw", "RC\rEL"}, "raw wants"},
        BadLine{{"--tcp", "h", "--address", "broadcast", "read-all", "a.dat"}, "Broadcastではリードできません"},
        BadLine{{"--tcp", "h", "--address", "broadcast", "glyph-read", "large", "a.tll"}, "Broadcastではリードできません"},
        BadLine{{"--tcp", "h", "net-read"}, "インターフェースをRS-232Cにしてください。"},
        BadLine{{"--listen", "9004", "set-address", "01"}, "インターフェースをRS-232Cにしてください。"},
        BadLine{{"--serial", "/dev/x", "set-address", "32"}, "set-address wants 00..31"},
        BadLine{{"--serial", "/dev/x", "net-set"}, "net-set wants at least one"},
        BadLine{{"--serial", "/dev/x", "net-set", "--ip", "10.0.0"}, "--ip wants"},
        BadLine{{"--serial", "/dev/x", "net-set", "--gateway", "10.0.0.256"}, "--gateway wants"},
        BadLine{{"--serial", "/dev/x", "net-set", "--port", "0"}, "Port Number には"},
        BadLine{{"--serial", "/dev/x", "net-set", "--subnet", "D"}, "--subnet wants"},
        BadLine{{"--serial", "/dev/x", "net-set", "--time-register", "7"}, "--time-register wants"},
        BadLine{{"--serial", "/dev/x", "--ip", "1.2.3.4", "net-set"}, "unknown option --ip"},
        BadLine{{"glyph-bmp", "huge", "g.tll", "1", "p.bmp"}, "the glyph class"},
        BadLine{{"glyph-bmp", "large", "g.tll", "71", "p.bmp"}, "glyph-bmp wants a glyph number 1..70"},
        BadLine{{"glyph-from-image", "small", "g.tls", "0", "p.png"}, "glyph-from-image wants a glyph number 1..256"},
        BadLine{{"glyph-from-font", "small", "g.tls", "1", "亜亜"}, "glyph-from-font wants one character"},
        BadLine{{"glyph-from-font", "small", "g.tls", "1", "\x9c"}, "glyph-from-font wants one character"},
        BadLine{{"--font", "A", "glyph-from-font", "small", "g.tls", "1", "a"}, "unknown option --font"},
        BadLine{{"glyph-from-font", "small", "g.tls", "1", "a", "--invert"}, "unknown option --invert"},
        BadLine{{"glyph-from-image", "small", "g.tls", "1", "p.png", "--invert=yes"}, "--invert takes no value"}));

TEST(CtlOptions, ValuesAfterEqualsAndOperandsAfterTheEndOfTheOptions) {
  const auto inline_values =
      Parse({"--serial=/dev/pts/3", "--address=07", "net-set", "--ip=10.0.0.1", "--keep-alive=off"}).options;
  ASSERT_TRUE(inline_values);
  EXPECT_EQ(std::tie(inline_values->device, inline_values->slave_index, inline_values->net.ip, inline_values->net.keep_alive),
            std::tuple("/dev/pts/3", 7, IpBytes{10, 0, 0, 1}, 0));

  const auto dashed = Parse({"--tcp", "h", "raw", "--", "--RCEL"}).options;
  ASSERT_TRUE(dashed);
  EXPECT_EQ(dashed->raw_text, "--RCEL");
  EXPECT_EQ(Parse({"doc-show", "--", "-x.dat"}).options->file, "-x.dat");
  EXPECT_EQ(Parse({"doc-show", "-"}).options->file, "-");
}

}  // namespace
}  // namespace vtg::cli
