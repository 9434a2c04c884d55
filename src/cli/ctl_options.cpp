#include "cli/ctl_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "link/messages.h"
#include "link/tcp_endpoint.h"
#include "link/text_helpers.h"
#include "link/unit_network.h"
#include "link/client_table.h"
#include "settings/controller_state.h"
#include "shell/option_scanner.h"

namespace vtg::cli {
namespace {

// A command line of at most 597 characters goes out whole, CR LF included.
constexpr std::size_t kMaxRawText = 595;
constexpr double kMaxTimeoutSeconds = 3600;

struct CommandRow {
  std::string_view name;
  Command command;
  Needs needs;
  int positional;  // arguments after the command word
  bool reads;      // a read needs one addressed unit
};

constexpr std::array<CommandRow, 16> kCommands{{
    {"send-all", Command::SendAll, Needs::Unit, 1, false},
    {"read-all", Command::ReadAll, Needs::Unit, 1, true},
    {"glyph-send", Command::GlyphSend, Needs::Unit, 2, false},
    {"glyph-read", Command::GlyphRead, Needs::Unit, 2, true},
    {"glyph-bmp", Command::GlyphBmp, Needs::Nothing, 4, false},
    {"glyph-from-font", Command::GlyphFromFont, Needs::Drawing, 4, false},
    {"glyph-from-image", Command::GlyphFromImage, Needs::Drawing, 4, false},
    {"raw", Command::Raw, Needs::Unit, 1, false},
    {"net-read", Command::NetRead, Needs::SerialUnit, 0, false},
    {"net-set", Command::NetSet, Needs::SerialUnit, 0, false},
    {"set-address", Command::SetAddress, Needs::SerialUnit, 1, false},
    {"doc-new", Command::DocNew, Needs::Nothing, 1, false},
    {"doc-show", Command::DocShow, Needs::Nothing, 1, false},
    {"verify", Command::Verify, Needs::Unit, 1, true},
    {"diff", Command::Diff, Needs::Nothing, 2, false},
    {"glyph-verify", Command::GlyphVerify, Needs::Unit, 2, true},
}};

constexpr std::array<std::string_view, 3> kClassNames{"large", "medium", "small"};

const CommandRow* FindCommand(std::string_view name) {
  const auto it = std::ranges::find(kCommands, name, &CommandRow::name);
  return it == kCommands.end() ? nullptr : &*it;
}

std::optional<int> ReadNumber(std::string_view text, int lo, int hi) {
  if (text.empty() || text.size() > 9 || !IsDigits(text)) return std::nullopt;
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  if (value < lo || value > hi) return std::nullopt;
  return value;
}

// "00".."31", exactly two digits, as the unit shows them.
std::optional<int> ReadSlaveAddress(std::string_view text) {
  if (text.size() != 2) return std::nullopt;
  return ReadNumber(text, 0, kBroadcast - 1);
}

// "00,03,17": distinct addresses, at least two.
std::optional<std::vector<int>> ReadAddressList(std::string_view text) {
  std::vector<int> addresses;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    const auto address = ReadSlaveAddress(text.substr(start, comma - start));
    if (!address || std::ranges::count(addresses, *address)) return std::nullopt;
    addresses.push_back(*address);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return addresses;
}

std::optional<int> ReadSecondsMs(std::string_view text) {
  double seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc{} || end != text.data() + text.size() || !(seconds > 0) || seconds > kMaxTimeoutSeconds)
    return std::nullopt;
  return std::max(1, static_cast<int>(std::lround(seconds * 1000)));
}

bool IsPrintableAscii(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

// UTF-8 of one character: a first byte and only continuation bytes after it.
bool IsOneCharacter(std::string_view text) {
  const auto continues = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  return !text.empty() && !continues(text[0]) && std::ranges::all_of(text.substr(1), continues);
}

class Parser {
 public:
  explicit Parser(std::span<const std::string_view> args) : words_(args) {}
  ParsedCommandLine Run();

 private:
  bool Fail(std::string why) {
    if (error_.empty()) error_ = std::move(why);
    return false;
  }
  bool ReachOption(Reach reach, std::string_view option);
  bool LinkOption(std::string_view option);
  bool NetOption(std::string_view option);
  bool DrawingOption(std::string_view option);
  bool LogOption(std::string_view option);
  bool Positional(std::string_view command, const std::vector<std::string_view>& words);

  OptionScanner words_;
  CtlOptions options_;
  std::string error_;
};

bool Parser::ReachOption(Reach reach, std::string_view option) {
  const auto value = words_.Value();
  if (options_.reach != Reach::None) return Fail("give one of --tcp, --listen and --serial, once");
  options_.reach = reach;
  if (!value || value->empty()) return Fail(std::string(option) + " needs a value");
  if (reach == Reach::Serial) {
    options_.device = std::string(*value);
    return true;
  }
  const auto colon = value->rfind(':');
  const std::string_view host = colon == std::string_view::npos ? std::string_view{} : value->substr(0, colon);
  const std::string_view port = colon == std::string_view::npos ? *value : value->substr(colon + 1);
  if (reach == Reach::TcpClient) {
    options_.host = std::string(colon == std::string_view::npos ? *value : host);
    const auto number = colon == std::string_view::npos ? std::optional(kDefaultTcpPort) : ReadNumber(port, 1, 65535);
    if (options_.host.empty() || !number) return Fail("--tcp wants HOST or HOST:PORT with a port 1..65535");
    options_.port = *number;
    return true;
  }
  options_.host = colon == std::string_view::npos ? "0.0.0.0" : std::string(host);
  const auto number = ReadNumber(port, 0, 65535);
  if (options_.host.empty() || !number) return Fail("--listen wants PORT or ADDR:PORT with a port 0..65535");
  options_.port = *number;
  return true;
}

bool Parser::LinkOption(std::string_view option) {
  if (option == "--tcp") return ReachOption(Reach::TcpClient, option);
  if (option == "--listen") return ReachOption(Reach::TcpServer, option);
  if (option == "--serial") return ReachOption(Reach::Serial, option);
  const auto value = words_.Value();
  if (option == "--address") {
    if (value == "broadcast" || value == "Broadcast") {
      options_.slave_index = kBroadcast;
      return true;
    }
    if (value && value->find(',') != std::string_view::npos) {
      const auto list = ReadAddressList(*value);
      if (!list) return Fail("--address wants distinct addresses 00..31, comma-separated");
      options_.address_list = *list;
      options_.slave_index = list->front();
      return true;
    }
    const auto address = value ? ReadSlaveAddress(*value) : std::nullopt;
    if (!address) return Fail("--address wants 00..31 or broadcast");
    options_.slave_index = *address;
    return true;
  }
  if (option == "--units") {
    const auto units = value ? ReadNumber(*value, 1, kClientRecords - 1) : std::nullopt;
    if (!units) return Fail("--units wants a number 1..96");
    options_.units = *units;
    return true;
  }
  if (option == "--wait") {
    const auto ms = value ? ReadSecondsMs(*value) : std::nullopt;
    if (!ms) return Fail("--wait wants seconds, more than 0 and at most 3600");
    options_.wait_ms = *ms;
    return true;
  }
  if (option == "--pace") {
    if (value != "timer" && value != "reply") return Fail("--pace wants timer or reply");
    options_.pace = value == "reply" ? Pace::Reply : Pace::Timer;
    return true;
  }
  // --timeout
  const auto ms = value ? ReadSecondsMs(*value) : std::nullopt;
  if (!ms) return Fail("--timeout wants seconds, more than 0 and at most 3600");
  options_.timeout_ms = *ms;
  return true;
}

bool Parser::NetOption(std::string_view option) {
  NetSettings& net = options_.net;
  const auto value = words_.Value();
  if (!value) return Fail(std::string(option) + " needs a value");
  if (option == "--ip" || option == "--gateway" || option == "--active") {
    const auto bytes = ParseHostAddress(*value);
    if (!bytes) return Fail(std::string(option) + " wants an address A.B.C.D, each part 0..255");
    (option == "--ip" ? net.ip : option == "--gateway" ? net.gateway : net.active) = *bytes;
  } else if (option == "--subnet") {
    if (value->size() != 1 || (*value)[0] < 'A' || (*value)[0] > 'C') return Fail("--subnet wants A, B or C");
    net.subnet_class = (*value)[0] - 'A';
  } else if (option == "--port") {
    net.port = UnitPortText(*value);
    if (!net.port) return Fail(std::string(kUnitPortRefusedText));
  } else if (option == "--keep-alive") {
    if (value != "on" && value != "off") return Fail("--keep-alive wants on or off");
    net.keep_alive = value == "on" ? 1 : 0;
  } else {  // --time-register
    const auto n = value->size() == 1 ? ReadNumber(*value, 1, 6) : std::nullopt;
    if (!n) return Fail("--time-register wants 1..6");
    net.time_register = *n - 1;
  }
  return true;
}

bool Parser::DrawingOption(std::string_view option) {
  if (option == "--invert") {
    options_.invert = true;
    return !words_.HasUnusedValue() || Fail("--invert takes no value");
  }
  // --font
  const auto value = words_.Value();
  if (!value || value->empty()) return Fail("--font needs a font name");
  options_.font = std::string(*value);
  return true;
}

bool Parser::LogOption(std::string_view option) {
  if (option == "-v") {
    options_.verbose = true;
    return true;
  }
  const auto value = words_.Value();
  if (!value || value->empty()) return Fail("--log needs a file name");
  options_.log_file = std::string(*value);
  return true;
}

bool Parser::Positional(std::string_view command, const std::vector<std::string_view>& words) {
  CtlOptions& o = options_;
  switch (o.command) {
    case Command::GlyphSend:
    case Command::GlyphRead:
    case Command::GlyphVerify:
    case Command::GlyphBmp:
    case Command::GlyphFromFont:
    case Command::GlyphFromImage: {
      const auto it = std::ranges::find(kClassNames, words[0]);
      if (it == kClassNames.end()) return Fail("the glyph class is large, medium or small");
      o.glyph_class = static_cast<GlyphClass>(it - kClassNames.begin());
      o.file = std::string(words[1]);
      if (o.command == Command::GlyphSend || o.command == Command::GlyphRead || o.command == Command::GlyphVerify)
        return true;
      const auto n = ReadNumber(words[2], 1, Info(o.glyph_class).count);
      if (!n)
        return Fail(std::string(command) + " wants a glyph number 1.." + std::to_string(Info(o.glyph_class).count));
      o.glyph_index = *n - 1;
      if (o.command == Command::GlyphFromFont) {
        o.character = std::string(words[3]);
        return IsOneCharacter(o.character) || Fail("glyph-from-font wants one character");
      }
      o.picture_file = std::string(words[3]);
      return !o.picture_file.empty() || Fail(std::string(command) + " needs a picture file name");
    }
    case Command::Raw:
      o.raw_text = std::string(words[0]);
      if (o.raw_text.empty() || o.raw_text.size() > kMaxRawText || !IsPrintableAscii(o.raw_text))
        return Fail("raw wants one command line of 1..595 printable ASCII characters, without CR LF");
      return true;
    case Command::SetAddress: {
      const auto address = ReadSlaveAddress(words[0]);
      if (!address) return Fail("set-address wants 00..31");
      o.new_address = *address;
      return true;
    }
    case Command::NetRead:
    case Command::NetSet:
      return true;
    case Command::Diff:
      o.file = std::string(words[0]);
      o.second_file = std::string(words[1]);
      return (!o.file.empty() && !o.second_file.empty()) || Fail("the file name is empty");
    default:
      o.file = std::string(words[0]);
      return !o.file.empty() || Fail("the file name is empty");
  }
}

ParsedCommandLine Parser::Run() {
  ParsedCommandLine parsed;
  const CommandRow* command = nullptr;
  std::vector<std::string_view> words;
  while (error_.empty() && words_.Next()) {
    const std::string_view name = words_.Name();
    constexpr std::array<std::string_view, 8> kLinkOptions{"--tcp",  "--listen", "--serial", "--address",
                                                           "--pace", "--timeout", "--units", "--wait"};
    constexpr std::array<std::string_view, 7> kNetOptions{"--ip", "--gateway", "--active", "--subnet",
                                                          "--port", "--keep-alive", "--time-register"};
    if (!words_.IsOption()) {
      if (command) {
        words.push_back(name);
      } else if (command = FindCommand(name); !command) {
        Fail("unknown command " + std::string(name));
      }
    } else if (std::ranges::count(kLinkOptions, name)) {
      LinkOption(name);
    } else if (name == "--log" || name == "-v") {
      LogOption(name);
    } else if (command && command->command == Command::NetSet && std::ranges::count(kNetOptions, name)) {
      NetOption(name);
    } else if (command && ((command->command == Command::GlyphFromFont && name == "--font") ||
                           (command->command == Command::GlyphFromImage && name == "--invert"))) {
      DrawingOption(name);
    } else {
      Fail("unknown option " + std::string(name));
    }
  }
  if (error_.empty() && !command) Fail("no command given");
  if (error_.empty() && static_cast<int>(words.size()) != command->positional)
    Fail(std::string(command->name) + " takes " + std::to_string(command->positional) + " argument" +
         (command->positional == 1 ? "" : "s"));
  if (error_.empty()) {
    options_.command = command->command;
    Positional(command->name, words);
  }
  if (error_.empty() && command->needs != Needs::Nothing && command->needs != Needs::Drawing &&
      options_.reach == Reach::None)
    Fail(std::string(command->name) + " needs --tcp, --listen or --serial");
  if (error_.empty() && command->needs == Needs::SerialUnit && options_.reach != Reach::Serial)
    Fail(std::string(text::kUseRs232c));
  if (error_.empty() && command->reads && options_.slave_index >= kBroadcast) Fail(std::string(text::kNoBroadcastRead));
  const bool many_units = options_.units || options_.wait_ms;
  if (error_.empty() && many_units && options_.reach != Reach::TcpServer) Fail("--units and --wait go with --listen");
  if (error_.empty() && many_units && !options_.address_list.empty())
    Fail("with --units or --wait, --address takes one address");
  if (error_.empty() && !options_.address_list.empty() && command->needs != Needs::Unit)
    Fail(std::string(command->name) + " takes no list of addresses");
  const NetSettings& net = options_.net;
  if (error_.empty() && options_.command == Command::NetSet &&
      !(net.ip || net.gateway || net.active || net.subnet_class || net.port || net.keep_alive || net.time_register))
    Fail("net-set wants at least one of --ip --gateway --active --subnet --port --keep-alive --time-register");
  if (!error_.empty()) {
    parsed.error = error_;
    return parsed;
  }
  parsed.options = options_;
  return parsed;
}

}  // namespace

ParsedCommandLine ParseCtlOptions(std::span<const std::string_view> args) { return Parser(args).Run(); }

Needs CommandNeeds(Command command) {
  return std::ranges::find(kCommands, command, &CommandRow::command)->needs;
}

std::string_view CtlUsage() {
  return R"(usage: vtg7300ctl [--tcp HOST[:PORT] | --listen [ADDR:]PORT | --serial DEVICE]
                  [--units N] [--wait SECONDS] [--address NN[,NN...]|broadcast]
                  [--pace timer|reply] [--timeout SECONDS]
                  [--log FILE] [-v] COMMAND [ARGS]
The VTG-7300 controller without a window.
An option's value follows it as a word of its own or after "=" (--tcp=HOST); "--" ends
the options, so that a file name may start with a dash.

  -h, --help             this text
  --version              the program's version

Link (one, for the commands that talk to a unit):
  --tcp HOST[:PORT]      connect to the unit (client role), port 9004 unless given
  --listen [ADDR:]PORT   wait for the first unit to connect (server role), then run the
                         command against it; PORT 0 takes a free port; "listening on
                         ADDR:PORT" goes to standard error first
  --units N              with --listen: wait for N units (1..96), then run the command
                         against all of them at once
  --wait SECONDS         with --listen: run the command against the units connected by
                         then (with --units: by then or once N are, whichever is first)
  --serial DEVICE        the unit on an RS-232C port (9600 baud 8E1); a pseudo-terminal works
  --address NN|broadcast the unit's slave address, 00 unless given; reads need one unit
  --address NN,NN,...    several units on one link (a serial line): the command runs
                         against each address in turn
  --pace timer           each run's own timer periods (the default)
  --pace reply           each line as soon as the reply to the one before was interpreted
  --timeout SECONDS      how long a reply may take, 6 unless given

Traffic log (for the commands that talk to a unit): every line sent and received, with
the time, the link and what the controller made of it, one a line:
  --log FILE             append it to FILE as it goes
  -v                     write it to standard error, beside the progress

Commands:
  send-all DOC.dat             Set All Items from a settings document (284 steps)
  read-all OUT.dat             Read Setting Items (285 steps), saved as a settings document
  glyph-send large|medium|small FILE
                               send every glyph of a glyph list file
  glyph-read large|medium|small FILE
                               read every glyph and save a glyph list file
  glyph-bmp large|medium|small FILE N OUT.bmp
                               glyph N (from 1) of a glyph list file as a 24-bit BMP,
                               2 x 2 pixels a dot, white set, black clear; no unit needed
  glyph-from-font large|medium|small FILE N CHAR [--font NAME]
                               draw glyph N of a glyph list file (made when missing) from
                               one character, in a Japanese font unless --font names
                               another; no unit needed
  glyph-from-image large|medium|small FILE N PICTURE [--invert]
                               draw glyph N of a glyph list file (made when missing) from
                               a picture (PNG, BMP, JPEG) fitted to the class, dark pixels
                               as dots (--invert: light ones); no unit needed
  raw 'TEXT'                   send one command line (CR LF added), print the reply
                               without its address
  net-read                     serial only: the unit's network settings, one a line
  net-set [--ip A.B.C.D] [--gateway A.B.C.D] [--active A.B.C.D] [--subnet A|B|C]
          [--port NNNNN] [--keep-alive on|off] [--time-register 1..6]
                               serial only: change the unit's network settings
  set-address NN               serial only: give the unit on the line slave address NN
  doc-new OUT.dat              write the default settings document
  doc-show IN.dat              print a settings document as text
  verify DOC.dat               read every setting of the unit and compare it with a settings
                               document: each difference a line "ITEM<tab>DOCUMENT<tab>UNIT"
  diff A.dat B.dat             compare two settings documents the same way; no unit needed
  glyph-verify large|medium|small FILE
                               read every glyph of the class and compare it with a glyph
                               list file: each differing glyph a line

Several units (--units, --wait, an address list): one result line a unit on standard
output, "UNIT<tab>ok|failed<tab>SECONDS s[<tab>ERROR]", UNIT its address (--listen: the
unit's IP address, "192.168.1.20", with its client record when units share it,
"127.0.0.1#3"); what a command prints
follows its unit's line, each line after "UNIT<tab>". read-all and glyph-read write one
file a unit, named after it: OUT-192.168.1.20.dat (when units share an address, with the
record: OUT-127.0.0.1#3.dat), OUT-03.dat for address 03.
Progress goes to standard error as a percentage, and so do the controller's messages.
Exit status: 0 done (and for verify, diff and glyph-verify: all equal), by every unit; 1 a
unit refused, answered an error or did not answer, or something differs; 2 bad usage, or
a file that cannot be read or written.
)";
}

}  // namespace vtg::cli
