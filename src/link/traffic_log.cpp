#include "link/traffic_log.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace vtg {
namespace {

// Of one width, so that the links line up.
constexpr std::array<std::string_view, 3> kDirections{"sent    ", "received", "event   "};

void AppendTime(std::string& out, std::int64_t local_ms) {
  using namespace std::chrono;
  const sys_time<milliseconds> at{milliseconds{local_ms}};
  const sys_days day = floor<days>(at);
  const year_month_day date{day};
  const hh_mm_ss time{at - day};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d.%03d", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count()));
  out += text;
}

void AppendEscaped(std::string& out, std::string_view bytes) {
  constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      out += '\\';
      out += c;
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (byte >= 0x20 && byte <= 0x7E) {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
}

}  // namespace

std::string FormatTrafficLine(std::int64_t local_ms, Traffic direction, std::string_view link,
                              std::string_view bytes, std::string_view outcome) {
  std::string line;
  line.reserve(48 + link.size() + bytes.size() + outcome.size());
  AppendTime(line, local_ms);
  line += ' ';
  line += kDirections[static_cast<std::size_t>(direction)];
  line += ' ';
  line += link;
  if (!bytes.empty()) {
    line += " \"";
    AppendEscaped(line, bytes);
    line += '"';
  }
  if (!outcome.empty()) {
    line += ' ';
    line += outcome;
  }
  return line;
}

void TrafficLog::Record(Traffic direction, std::string_view link, std::string_view bytes, std::string_view outcome) {
  std::string line = FormatTrafficLine(clock_(), direction, link, bytes, outcome);
  ++recorded_;
  if (sink_) sink_(line);
  if (ring_.size() < kKeptLines) {
    if (ring_.empty()) ring_.reserve(kKeptLines);
    ring_.push_back(std::move(line));
    return;
  }
  ring_[first_] = std::move(line);
  first_ = (first_ + 1) % kKeptLines;
  ++dropped_;
}

std::string TrafficLog::Text() const {
  std::string text;
  for (std::size_t i = 0; i < Kept(); ++i) {
    text += Line(i);
    text += '\n';
  }
  return text;
}

void TrafficLog::Clear() {
  ring_.clear();
  first_ = 0;
  dropped_ = 0;
}

}  // namespace vtg
