#include "settings/config_file.h"

#include <array>
#include <cctype>

#include "link/text_helpers.h"

namespace vtg {
namespace {

struct KeyRow {
  ConfigKey key;
  std::string_view name;
  std::string_view fallback;
  std::size_t width;  // longer text is cut, as the profile reader's buffer did
};

// In the order the file is read.
constexpr std::array<KeyRow, 6> kKeys{{
    {ConfigKey::ComPort, "com_port", "0", 9},
    {ConfigKey::Interface, "Interface", "0", 9},
    {ConfigKey::PortNumber, "port_number", "09004", 5},
    {ConfigKey::ClientServer, "ClientServer", "0", 9},
    {ConfigKey::SelectNumber, "select_number", "0", 9},
    {ConfigKey::ListCount, "list_count", "0", 9},
}};
constexpr std::size_t kNumberWidth = 9;
static_assert([] {
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    if (static_cast<std::size_t>(kKeys[i].key) != i) return false;
  return true;
}());

const KeyRow& Row(ConfigKey key) { return kKeys[static_cast<std::size_t>(key)]; }

std::string ReadText(const ProfileStore& store, std::string_view name, std::string_view fallback, std::size_t width) {
  std::string text = store.Read(name).value_or(std::string(fallback));
  if (text.size() > width) text.resize(width);
  return text;
}

std::string ReadKey(const ProfileStore& store, ConfigKey key) {
  const KeyRow& row = Row(key);
  return ReadText(store, row.name, row.fallback, row.width);
}

std::string ValueOf(const LinkConfig& link, ConfigKey key) {
  switch (key) {
    case ConfigKey::ComPort: return std::to_string(link.com_port_index);
    case ConfigKey::Interface: return std::to_string(link.interface_setting);
    case ConfigKey::PortNumber: return link.tcp_port_text;
    case ConfigKey::ClientServer: return std::to_string(link.tcp_role);
    case ConfigKey::SelectNumber: return std::to_string(link.selected_peer);
    case ConfigKey::ListCount: return std::to_string(link.host_list.size());
  }
  return {};
}

}  // namespace

std::string_view KeyName(ConfigKey key) { return Row(key).name; }

std::string HostKeyName(int entry, int part) { return "ip" + Dec2(entry) + "_" + std::to_string(part); }

int ProfileInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long value = 0;
  // Values are at most nine characters long, so the sum cannot overflow; the bound keeps it so.
  for (std::size_t digits = 0; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) &&
                               digits < kNumberWidth;
       ++i, ++digits)
    value = value * 10 + (text[i] - '0');
  return static_cast<int>(negative ? -value : value);
}

void LoadConfiguration(LinkConfig& link, const ProfileStore& store) {
  link.com_port_index = ProfileInt(ReadKey(store, ConfigKey::ComPort));
  link.interface_setting = ProfileInt(ReadKey(store, ConfigKey::Interface)) == 0 ? kRs232c : kTcpIp;
  link.tcp_port_text = ReadKey(store, ConfigKey::PortNumber);
  // Anything but "1" is the client role.
  link.tcp_role = ProfileInt(ReadKey(store, ConfigKey::ClientServer)) == 1 ? kServer : kClient;
  link.selected_peer = ProfileInt(ReadKey(store, ConfigKey::SelectNumber));
  int count = ProfileInt(ReadKey(store, ConfigKey::ListCount));
  // Only entries 00..99 have keys.
  count = count < 0 ? 0 : count > kMaxHosts ? kMaxHosts : count;
  link.host_list.assign(static_cast<std::size_t>(count), IpBytes{});
  for (int entry = 0; entry < count; ++entry) {
    for (int part = 0; part < 4; ++part) {
      const int value = ProfileInt(ReadText(store, HostKeyName(entry, part), "0", kNumberWidth));
      // A part that is no address byte reads as its default.
      link.host_list[static_cast<std::size_t>(entry)][static_cast<std::size_t>(part)] =
          static_cast<std::uint8_t>(value >= 0 && value <= 255 ? value : 0);
    }
  }
}

void StoreKey(const LinkConfig& link, ConfigKey key, ProfileStore& store) {
  store.Write(KeyName(key), ValueOf(link, key));
}

void StoreHost(const LinkConfig& link, int entry, ProfileStore& store) {
  const IpBytes& host = link.host_list.at(static_cast<std::size_t>(entry));
  for (int part = 0; part < 4; ++part)
    store.Write(HostKeyName(entry, part), std::to_string(host[static_cast<std::size_t>(part)]));
}

}  // namespace vtg
