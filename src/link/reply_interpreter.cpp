#include "link/reply_interpreter.h"

#include <array>
#include <optional>
#include <string>

#include "glyphs/glyph_reply.h"
#include "link/text_helpers.h"
#include "titles/title_codes.h"

namespace vtg {
namespace {

struct Notice {
  Box box;
  std::string_view text;
};

Notice SuccessNotice(LinkKind link) {
  return link == LinkKind::Serial ? Notice{Box::SerialSuccess, "Success"} : Notice{Box::Success, "Socket ＯＫ"};
}

// What one table row needs while it applies a reply.
struct Reply {
  ControllerState& state;
  SettingsImage& target;
  LinkKind link;
  std::string_view stripped;  // with its line end, as the exact "GO" test wants it
  std::string_view body;      // without the line end, for the fields
  std::optional<Notice> notice;
  bool repaint = false;

  SettingsImage& image() { return target; }

  void AnnounceIfAsked() {
    if (state.flags.announce_success) {
      state.flags.announce_success = 0;
      notice = SuccessNotice(link);
    }
  }
  bool Has(std::size_t length) const { return body.size() >= length; }
  std::string_view Field(std::size_t at, std::size_t length) const { return body.substr(at, length); }
  // Channel "01"/"02" at `at` and "T"/"B" right after it; none for anything else.
  std::optional<int> LineAt(std::size_t at) const {
    if (!Has(at + 3)) return std::nullopt;
    const std::string_view channel = Field(at, 2);
    const char letter = body[at + 2];
    if ((channel != "01" && channel != "02") || (letter != 'T' && letter != 'B')) return std::nullopt;
    return (ParseDec2(channel.data()) - 1) * 2 + IsBottomLetter(letter);
  }
  // A page field: "A…" gives 64, "01".."64" gives 0..63.
  std::optional<int> PageAt(std::size_t at) const {
    if (!Has(at + 2)) return std::nullopt;
    if (body[at] == 'A') return kAutoSwitchPage;
    if (!IsDigits(Field(at, 2))) return std::nullopt;
    const int page = ParseDec2(&body[at]);
    if (page < 1 || page > kPages) return std::nullopt;
    return page - 1;
  }
  std::optional<int> DigitAt(std::size_t at, char low, char high) const {
    if (!Has(at + 1) || body[at] < low || body[at] > high) return std::nullopt;
    return body[at] - low;
  }
};

using Apply = bool (*)(Reply&);

bool ApplyGo(Reply& r) {
  const bool exact = r.link == LinkKind::Serial ? r.stripped == "GO\r\n" : true;
  if (!exact) return false;
  LinkFlags& f = r.state.flags;
  if (f.announce_success || (f.sequence_step == 0 && r.state.glyph.glyph_transfer_busy == 0)) {
    f.announce_success = 0;
    r.notice = SuccessNotice(r.link);
  }
  return true;
}

// Rows that carry 64 per-page values of one line after a channel field at 3.
template <int kWidth, int (*Decode)(std::string_view)>
bool ApplyPerPage(Reply& r, std::array<int, kTitles>& target) {
  const auto line = r.LineAt(3);
  if (!line || !r.Has(6 + kWidth * kPages)) return false;
  std::array<int, kPages> values{};
  for (int p = 0; p < kPages; ++p) {
    const int v = Decode(r.Field(6 + static_cast<std::size_t>(kWidth * p), kWidth));
    if (v < 0) return false;
    values[static_cast<std::size_t>(p)] = v;
  }
  for (int p = 0; p < kPages; ++p) target[static_cast<std::size_t>(TitleIndex(*line, p))] = values[static_cast<std::size_t>(p)];
  return true;
}

int DecodeTime(std::string_view f) { return IsDigits(f) ? ParseDec2(f.data()) : -1; }
int DecodeFlag(std::string_view f) { return f[0] == 'N' ? 1 : 0; }
int DecodeSize(std::string_view f) { return f[0] == 'L' ? 0 : f[0] == 'M' ? 1 : 2; }

bool ApplyAutoSwitch(Reply& r) { return ApplyPerPage<2, DecodeTime>(r, r.image().auto_switch_time); }
bool ApplyDisplayFlags(Reply& r) { return ApplyPerPage<1, DecodeFlag>(r, r.image().display_flag); }
bool ApplyCharSizes(Reply& r) { return ApplyPerPage<1, DecodeSize>(r, r.image().char_size); }

bool ApplyDisplayPosition(Reply& r) {
  const auto line = r.LineAt(5);
  if (!line || !r.Has(10) || !IsDigits(r.Field(8, 2))) return false;
  const int position = ParseDec2(&r.body[8]);
  if (position > 15) return false;
  r.image().display_position[static_cast<std::size_t>(*line)] = position;
  return true;
}

bool ApplyLevel(Reply& r, int& target) {
  const auto level = r.DigitAt(3, '0', '3');
  if (!level) return false;
  target = *level;
  return true;
}
bool ApplyEdgeLevel(Reply& r) { return ApplyLevel(r, r.image().edge_level); }
bool ApplyWhiteLevel(Reply& r) { return ApplyLevel(r, r.image().white_level); }

bool ApplyLinePage(Reply& r, std::size_t line_at, std::array<int, kLines>& target) {
  const auto line = r.LineAt(line_at);
  const auto page = r.PageAt(line_at + 3);
  if (!line || !page) return false;
  target[static_cast<std::size_t>(*line)] = *page;
  return true;
}
bool ApplyStartupPage(Reply& r) { return ApplyLinePage(r, 3, r.image().startup_page); }
bool ApplyDisplayPage(Reply& r) { return ApplyLinePage(r, 1, r.image().display_page); }

bool ApplyTitle(Reply& r) {
  const auto line = r.LineAt(2);
  const auto page = r.PageAt(5);
  if (!line || !page || *page >= kPages || !r.Has(7 + 112)) return false;
  const auto title = DecodeTitleDigits(r.Field(7, 112));
  if (!title) return false;
  r.image().title_text[static_cast<std::size_t>(TitleIndex(*line, *page))] = *title;
  r.AnnounceIfAsked();
  return true;
}

bool ApplyGlyph(Reply& r, GlyphClass c) {
  const GlyphStored stored = StoreGlyphReply(r.state, r.target, c, r.body);
  if (stored == GlyphStored::No) return false;
  r.repaint = r.state.glyph.glyph_transfer_busy == 0;
  return true;
}
bool ApplyGlyphLarge(Reply& r) { return ApplyGlyph(r, GlyphClass::Large); }
bool ApplyGlyphMedium(Reply& r) { return ApplyGlyph(r, GlyphClass::Medium); }
bool ApplyGlyphSmall(Reply& r) { return ApplyGlyph(r, GlyphClass::Small); }

bool ApplyAddress(Reply& r, IpBytes& target) {
  if (!r.Has(2 + 15)) return false;
  IpBytes bytes{};
  for (std::size_t k = 0; k < 4; ++k) {
    const std::string_view group = r.Field(2 + 4 * k, 3);
    if (!IsDigits(group) || (k < 3 && r.body[5 + 4 * k] != '.')) return false;
    const int value = ParseDec3(group.data());
    if (value > 255) return false;
    bytes[k] = static_cast<std::uint8_t>(value);
  }
  target = bytes;
  return true;
}
bool ApplyActiveAddress(Reply& r) { return ApplyAddress(r, r.image().unit_active_address); }
bool ApplyGatewayAddress(Reply& r) { return ApplyAddress(r, r.image().unit_gateway_address); }
bool ApplyIpAddress(Reply& r) { return ApplyAddress(r, r.image().unit_ip_address); }

bool IsPrintable(std::string_view s) {
  for (char c : s)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

bool ApplyText(Reply& r, std::size_t length, std::string& target) {
  if (!r.Has(2 + length) || !IsPrintable(r.Field(2, length))) return false;
  target.assign(r.Field(2, length));
  return true;
}
bool ApplyMacAddress(Reply& r) { return ApplyText(r, 17, r.image().unit_mac_address); }
bool ApplyPortNumber(Reply& r) { return IsDigits(r.Field(2, 5)) && ApplyText(r, 5, r.image().unit_port_number); }

bool ApplyDigit(Reply& r, std::size_t at, char low, char high, int& target) {
  const auto v = r.DigitAt(at, low, high);
  if (!v) return false;
  target = *v;
  return true;
}
bool ApplySubnetClass(Reply& r) { return ApplyDigit(r, 2, 'A', 'C', r.image().unit_subnet_class); }
bool ApplyTimeRegister(Reply& r) { return ApplyDigit(r, 2, '1', '6', r.image().unit_time_register); }
bool ApplyKeepAlive(Reply& r) {
  if (!r.Has(4)) return false;
  r.image().unit_keep_alive = r.body[3] == 'N' ? 1 : 0;
  return true;
}
bool ApplyVersion(Reply& r) {
  if (!ApplyText(r, 4, r.image().unit_version)) return false;
  r.notice = SuccessNotice(r.link);
  return true;
}

struct ErrorTexts {
  std::string_view serial;
  std::string_view socket;
  Box socket_box;
};

struct Row {
  std::string_view head;
  Apply apply;           // data rows; null for the refusals below
  ErrorTexts error;      // refusal rows
};

constexpr ErrorTexts kNoError{};

// First match wins: "CTDPO" before "CTD", both before "CT".
constexpr Row kReplyTable[] = {
    {"GO", ApplyGo, kNoError},
    {"AST", ApplyAutoSwitch, kNoError},
    {"CTDPO", ApplyDisplayPosition, kNoError},
    {"CTD", ApplyDisplayFlags, kNoError},
    {"CFS", ApplyCharSizes, kNoError},
    {"CEL", ApplyEdgeLevel, kNoError},
    {"CWL", ApplyWhiteLevel, kNoError},
    {"SUS", ApplyStartupPage, kNoError},
    {"CT", ApplyTitle, kNoError},
    {"P0", ApplyDisplayPage, kNoError},
    {"FBML", ApplyGlyphLarge, kNoError},
    {"FBMM", ApplyGlyphMedium, kNoError},
    {"FBMS", ApplyGlyphSmall, kNoError},
    {"AA", ApplyActiveAddress, kNoError},
    {"GA", ApplyGatewayAddress, kNoError},
    {"IA", ApplyIpAddress, kNoError},
    {"MA", ApplyMacAddress, kNoError},
    {"PN", ApplyPortNumber, kNoError},
    {"SM", ApplySubnetClass, kNoError},
    {"KA", ApplyKeepAlive, kNoError},
    {"TR", ApplyTimeRegister, kNoError},
    {"VN", ApplyVersion, kNoError},
    {"GN", nullptr, {}},  // its text depends on what was asked, see Refusal
    {"MENU", nullptr, {"Menu Display", "Socket Menu Display", Box::Error}},
    {"E0", nullptr, {"Framing Error", "Socket Framing", Box::Error}},
    {"E1", nullptr, {"Parity Error", "Socket Parity", Box::Error}},
    {"E2", nullptr, {"Over run Error", "Socket Over run", Box::Error}},
    {"E3", nullptr, {"Command Error", "Socket Command", Box::Error}},
};

Notice Refusal(const Reply& r, const Row& row) {
  if (row.head == "GN") {
    const bool glyph_read = r.state.glyph.glyph_read_pending == 1;
    if (r.link == LinkKind::Serial) return {Box::Error, glyph_read ? "自動切換え中！" : "Mode difference"};
    return {Box::Stop, glyph_read ? "Socket 自動切換え中！" : "Socket mode difference"};
  }
  if (r.link == LinkKind::Serial) return {Box::Error, row.error.serial};
  return {row.error.socket_box, row.error.socket};
}

std::string_view WithoutLineEnd(std::string_view s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

const Row* Match(std::string_view stripped) {
  for (const Row& row : kReplyTable)
    if (stripped.starts_with(row.head)) return &row;
  return nullptr;
}

ReplyOutcome Classify(ReplyContext& context, LinkKind link, std::string_view stripped) {
  SettingsImage& target = context.read_into ? *context.read_into : context.state.image;
  Reply r{context.state, target, link, stripped, WithoutLineEnd(stripped), std::nullopt, false};
  ReplyOutcome outcome;
  if (const Row* row = Match(stripped)) {
    outcome.row = row->head;
    if (row->apply) {
      // A reply whose fields do not fit is ignored like one that matches no row.
      outcome.kind = row->apply(r) ? ReplyOutcome::Kind::Applied : ReplyOutcome::Kind::Malformed;
    } else {
      outcome.kind = ReplyOutcome::Kind::Refused;
      r.state.flags.abort_flag = 1;
      r.notice = Refusal(r, *row);
    }
  }
  context.state.glyph.glyph_read_pending = 0;
  if (r.notice) outcome.message = r.notice->text;
  if (context.on_outcome) context.on_outcome(outcome);
  if (r.repaint && context.repaint_reply_target) context.repaint_reply_target();
  if (r.notice) context.messages.Show(r.notice->box, r.notice->text);
  return outcome;
}

std::string_view WithoutAddress(std::string_view line) { return line.size() < 2 ? std::string_view{} : line.substr(2); }

}  // namespace

ReplyOutcome InterpretSerialReply(ReplyContext& context, std::string_view line) {
  LinkFlags& f = context.state.flags;
  f.watchdog_ticks = 0;
  f.reply_pending = 0;
  const std::string_view stripped = f.address_prefix == 1 ? WithoutAddress(line) : line;
  f.abort_flag = 0;
  f.step_pending = 0;
  return Classify(context, LinkKind::Serial, stripped);
}

ReplyOutcome InterpretSocketReply(ReplyContext& context, std::string_view line) {
  LinkFlags& f = context.state.flags;
  f.abort_flag = 0;
  f.step_pending = 0;
  return Classify(context, LinkKind::Socket, WithoutAddress(line));
}

void ShowSuccess(Messages& messages, LinkKind link) {
  const Notice notice = SuccessNotice(link);
  messages.Show(notice.box, notice.text);
}

}  // namespace vtg
