#pragma once
// The keys the window adds to the configuration file, beside the connection keys: read at
// start-up after them, each written at once when the operator changes it. A missing or bad
// value reads as the behaviour the program had before the key existed.
#include <string_view>

#include "settings/config_file.h"

namespace vtg {

inline constexpr std::string_view kRunPaceKey = "run_pace";

void LoadWindowConfiguration(LinkConfig& link, const ProfileStore& store);
void StoreRunPace(const LinkConfig& link, ProfileStore& store);

}  // namespace vtg
