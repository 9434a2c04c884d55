#pragma once
// The command line of vtg7300ctl: how to reach the unit, and the one command to run.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "glyphs/glyph_class.h"
#include "link/sequence_engine.h"
#include "settings/settings_image.h"

namespace vtg::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUnitFailed = 1;  // refused, answered an error, did not answer; differs
inline constexpr int kExitBadUsage = 2;    // also a file that cannot be read or written

enum class Command {
  SendAll,
  ReadAll,
  GlyphSend,
  GlyphRead,
  GlyphBmp,
  GlyphFromFont,
  GlyphFromImage,
  Raw,
  NetRead,
  NetSet,
  SetAddress,
  DocNew,
  DocShow,
  Verify,
  Diff,
  GlyphVerify,
};

enum class Reach { None, Serial, TcpClient, TcpServer };

// What a command asks of the link.
enum class Needs {
  Nothing,    // files only
  Drawing,    // files, with the system's fonts and picture readers (Qt Gui, no display)
  Unit,       // any link, with the slave address
  SerialUnit  // the unit on the serial line itself, without an address
};

// The unit's network settings net-set was asked to change.
struct NetSettings {
  std::optional<IpBytes> ip, gateway, active;
  std::optional<int> subnet_class;   // 0..2 for A..C
  std::optional<std::string> port;   // five digits
  std::optional<int> keep_alive;     // 0 off, 1 on
  std::optional<int> time_register;  // 0..5 for 1..6
};

struct CtlOptions {
  Reach reach = Reach::None;
  std::string host;            // --tcp; --listen: the address to listen on
  int port = 0;                // --tcp, --listen (0: a free port)
  std::string device;          // --serial
  int slave_index = 0;         // 32 for Broadcast
  std::vector<int> address_list;  // --address NN,NN,...: the addresses on one link, in turn
  int units = 0;               // --units N: --listen waits for N units and runs on all at once
  int wait_ms = 0;             // --wait SECONDS: --listen runs on those connected by then
  Pace pace = Pace::Timer;
  int timeout_ms = 6000;
  std::string log_file;        // --log: the traffic log, appended to as it goes
  bool verbose = false;        // -v: the traffic log on standard error

  Command command = Command::DocShow;
  std::string file;            // the document, glyph list file or picture the command names
  std::string second_file;     // diff: B.dat
  GlyphClass glyph_class = GlyphClass::Large;
  int glyph_index = 0;         // glyph-bmp, glyph-from-font, glyph-from-image: N - 1
  std::string picture_file;    // glyph-bmp: OUT.bmp; glyph-from-image: PICTURE
  std::string character;       // glyph-from-font: CHAR, one character in UTF-8
  std::string font;            // glyph-from-font --font; empty: a Japanese font
  bool invert = false;         // glyph-from-image --invert: light pixels are dots
  std::string raw_text;
  NetSettings net;
  int new_address = 0;         // set-address
};

struct ParsedCommandLine {
  std::optional<CtlOptions> options;  // set when the command line is good
  std::string error;  // what is wrong, for the operator
};

ParsedCommandLine ParseCtlOptions(std::span<const std::string_view> args);

Needs CommandNeeds(Command command);

// What --help prints; every option it names is in the manual page too.
std::string_view CtlUsage();

inline constexpr int kDefaultTcpPort = 9004;

}  // namespace vtg::cli
