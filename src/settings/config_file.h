#pragma once
// The configuration file: how to reach the unit, kept between runs as decimal text under
// fixed keys of one section. It is read once at start-up; the connection dialogs write the
// key they changed at once.
#include <optional>
#include <string>
#include <string_view>

#include "settings/controller_state.h"

namespace vtg {

inline constexpr std::string_view kConfigFileName = "vtg7300.ini";
inline constexpr std::string_view kConfigSection = "VTG-7300_Section";

// Keyed text in the configuration section; the window layer keeps it in an INI file.
class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // None when the key is missing.
  virtual std::optional<std::string> Read(std::string_view key) const = 0;
  virtual void Write(std::string_view key, std::string_view value) = 0;
};

enum class ConfigKey { ComPort, Interface, PortNumber, ClientServer, SelectNumber, ListCount };

std::string_view KeyName(ConfigKey key);
// "ip" + two-digit entry + "_" + part 0..3 of the dotted address, as in "ip02_3".
std::string HostKeyName(int entry, int part);

// The file's text-to-integer conversion: the leading decimal number, 0 when there is none.
int ProfileInt(std::string_view text);

// Reads every key in the fixed order into `link`; a missing key gives its default.
void LoadConfiguration(LinkConfig& link, const ProfileStore& store);
// Writes one key with its current value in `link`.
void StoreKey(const LinkConfig& link, ConfigKey key, ProfileStore& store);
// Writes the four keys of host-list entry `entry`.
void StoreHost(const LinkConfig& link, int entry, ProfileStore& store);

}  // namespace vtg
