#include "sim/sim_options.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "shell/option_scanner.h"
#include "sim/wire_fields.h"

namespace vtg::sim {
namespace {

constexpr std::array<std::string_view, 6> kErrorCodes{"E0", "E1", "E2", "E3", "GN", "MENU"};
constexpr int kMaxUnitsOnALine = 32;      // they share the line, each at its own address
constexpr int kMaxConnectingUnits = 96;   // each on its own connection: a full client table
constexpr char kUnitsWants[] = "--units wants a number 1..32, or 1..96 with --connect";

struct NumberOption {
  std::string_view name;
  int lo, hi;
  std::string_view wants;
  int& (*field)(SimOptions&);
};

constexpr NumberOption kNumberOptions[] = {
    {"--reply-delay", 0, 60000, "milliseconds 0..60000", [](SimOptions& o) -> int& { return o.pacing.delay_ms; }},
    {"--drop-every", 1, 100000, "a number 1..100000", [](SimOptions& o) -> int& { return o.faults.drop_every; }},
    {"--line-rate", 50, 1000000, "a baud rate 50..1000000",
     [](SimOptions& o) -> int& { return o.pacing.line_rate_baud; }},
    {"--close-after", 1, 100000, "a number 1..100000", [](SimOptions& o) -> int& { return o.faults.close_after; }},
};

// "HOST:PORT", or just "PORT" when a default host is given.
bool ReadHostPort(std::string_view text, std::string_view default_host, int lowest_port, SimOptions& options) {
  const auto colon = text.rfind(':');
  if (colon == std::string_view::npos && default_host.empty()) return false;
  const std::string_view host = colon == std::string_view::npos ? default_host : text.substr(0, colon);
  const auto port = ReadNumber(colon == std::string_view::npos ? text : text.substr(colon + 1), lowest_port, 65535);
  if (host.empty() || !port) return false;
  options.host = std::string(host);
  options.port = *port;
  return true;
}

std::optional<std::vector<int>> ReadAddresses(std::string_view text) {
  std::vector<int> addresses;
  while (true) {
    const auto comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const auto address = item.size() == 2 ? ReadNumber(item, 0, 31) : std::nullopt;
    if (!address || std::ranges::count(addresses, *address)) return std::nullopt;
    addresses.push_back(*address);
    if (comma == std::string_view::npos) return addresses;
    text = text.substr(comma + 1);
  }
}

}  // namespace

std::string_view SimUsage() {
  return R"(usage: vtg7300-sim [--address NN[,NN...] | --units N] [--state FILE] [--log FILE]
                   [faults] MODE
A simulated VTG-7300 title generator for the controller to talk to.

MODE, exactly one of:
  --listen [ADDR:]PORT   accept the controller's connections (controller as client); ADDR
                         defaults to 127.0.0.1, PORT 0 picks a free port; prints
                         "listening on ADDR:PORT" first
  --connect HOST:PORT    connect to the controller's server (controller as server), one
                         connection per unit, reconnecting for a while when refused
  --pty LINK             create a pseudo-terminal and link its device at LINK, for
                         the controller's serial port
  --serial DEVICE        use a real serial port at 9600 baud 8E1

Units:
  --address NN[,NN...]   slave addresses 00..31 of the units on the link (default 00)
  --units N              N units (1..32) with the addresses 00..N-1; with --connect, N
                         units (1..96) that all answer at 00, each on its own connection
  --state FILE           load the units' state from FILE, save it there after every
                         change (within a second) and at the end; the file's units,
                         addresses included, replace those asked for on the command
                         line, and their number must match
  --log FILE             append every line received and sent, and what became of it,
                         to FILE in the format of vtg7300ctl --log

Faults:
  --reply-delay MS       wait MS milliseconds before answering
  --drop-every N         swallow every Nth reply
  --error-every N CODE   answer every Nth addressed line with CODE (E0 E1 E2 E3 GN MENU)
  --close-after N        take the Nth line of a connection, withhold its reply and close
                         the connection; with --connect the unit does not come back; on
                         --pty and --serial the units go silent instead
  --split                write each reply in two parts, 20 ms apart
  --line-rate BAUD       pace both ways like a serial line of BAUD at 11 bits a byte: a
                         line is taken once its last byte would have arrived, and the
                         reply leaves byte by byte from then
  --auto-switching       refuse glyph reads (GN) while a line is on auto switching

  -h, --help             this text
  --version              the program's version

An option's value follows it as a word of its own or after "=" (--listen=9004); bad usage
exits with status 2.
)";
}

ParsedOptions ParseSimOptions(std::span<const std::string_view> args) {
  SimOptions options;
  ParsedOptions parsed;
  bool have_mode = false, have_addresses = false;
  int units = 0;  // --units, resolved once the mode is known
  auto fail = [&](std::string why) {
    parsed.error = std::move(why);
    return parsed;
  };
  OptionScanner words(args);
  while (words.Next()) {
    const std::string_view option = words.Name();
    auto set_mode = [&](LinkMode mode) {
      if (have_mode) return false;
      have_mode = true;
      options.mode = mode;
      return true;
    };
    if (!words.IsOption()) return fail("unexpected argument " + std::string(option));
    if ((option == "--split" || option == "--auto-switching") && words.HasUnusedValue())
      return fail(std::string(option) + " takes no value");
    if (option == "--split") {
      options.pacing.split = true;
    } else if (option == "--auto-switching") {
      options.auto_switching = true;
    } else if (option == "--address" || option == "--units") {
      const auto v = words.Value();
      if (!v) return fail(std::string(option) + " needs a value");
      if (have_addresses) return fail("give either --address or --units, once");
      have_addresses = true;
      if (option == "--address") {
        const auto addresses = ReadAddresses(*v);
        if (!addresses) return fail("--address wants distinct two-digit addresses 00..31, comma-separated");
        options.addresses = *addresses;
      } else {
        units = ReadNumber(*v, 1, kMaxConnectingUnits).value_or(0);
        if (!units) return fail(kUnitsWants);
      }
    } else if (option == "--state" || option == "--log") {
      const auto v = words.Value();
      if (!v || v->empty()) return fail(std::string(option) + " needs a file name");
      (option == "--state" ? options.state_file : options.log_file) = std::string(*v);
    } else if (const auto number = std::ranges::find(kNumberOptions, option, &NumberOption::name);
               number != std::end(kNumberOptions)) {
      const auto v = words.Value();
      const auto n = v ? ReadNumber(*v, number->lo, number->hi) : std::nullopt;
      if (!n) return fail(std::string(option) + " wants " + std::string(number->wants));
      number->field(options) = *n;
    } else if (option == "--error-every") {
      const auto v = words.Value();
      const auto n = v ? ReadNumber(*v, 1, 100000) : std::nullopt;
      const auto code = words.Value();
      if (!n || !code || std::ranges::find(kErrorCodes, *code) == kErrorCodes.end())
        return fail("--error-every wants a number 1..100000 and a code: E0 E1 E2 E3 GN MENU");
      options.faults.error_every = *n;
      options.faults.error_code = std::string(*code);
    } else if (option == "--listen" || option == "--connect") {
      const bool listen = option == "--listen";
      const auto v = words.Value();
      if (!set_mode(listen ? LinkMode::kListen : LinkMode::kConnect)) return fail("give exactly one mode");
      if (!v || !ReadHostPort(*v, listen ? "127.0.0.1" : "", listen ? 0 : 1, options))
        return fail(listen ? "--listen wants [ADDR:]PORT" : "--connect wants HOST:PORT");
    } else if (option == "--pty" || option == "--serial") {
      const auto v = words.Value();
      if (!set_mode(option == "--pty" ? LinkMode::kPty : LinkMode::kSerial)) return fail("give exactly one mode");
      if (!v || v->empty()) return fail(std::string(option) + " needs a path");
      options.path = std::string(*v);
    } else {
      return fail("unknown option " + std::string(option));
    }
  }
  if (!have_mode) return fail("give a mode: --listen, --connect, --pty or --serial");
  if (units > 0) {
    const bool own_connections = options.mode == LinkMode::kConnect;
    if (!own_connections && units > kMaxUnitsOnALine) return fail(kUnitsWants);
    // Alike, so a controller in the server role addresses every one of them the same way.
    options.addresses.assign(static_cast<std::size_t>(units), 0);
    if (!own_connections) std::iota(options.addresses.begin(), options.addresses.end(), 0);
  }
  parsed.options = std::move(options);
  return parsed;
}

}  // namespace vtg::sim
