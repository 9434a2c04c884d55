#pragma once
// The keys the window adds to the configuration file, beside the connection keys: read at
// start-up after them, each written at once when the operator changes it. A missing or bad
// value reads as the behaviour the program had before the key existed.
#include <string_view>

#include "link/messages.h"
#include "settings/config_file.h"

namespace vtg {

inline constexpr std::string_view kRunPaceKey = "run_pace";
inline constexpr std::string_view kPermitCountKey = "permit_count";
inline constexpr std::string_view kListenAddressKey = "listen_address";
// "permit" + two-digit entry, as in "permit07".
std::string PermitKeyName(int entry);

void LoadWindowConfiguration(LinkConfig& link, const ProfileStore& store);
void StoreRunPace(const LinkConfig& link, ProfileStore& store);
void StoreListenAddress(const LinkConfig& link, ProfileStore& store);
// The count and every entry from `first` on (those that an addition or removal changed).
void StorePermittedUnits(const LinkConfig& link, int first, ProfileStore& store);

inline constexpr std::string_view kBadPermitText =
    "許可する本機のアドレスが正しくありません。\n192.168.1.20 や 192.168.1.0/24 のように入力してください。";
inline constexpr std::string_view kPermitListFullText = "許可する本機はこれ以上追加できません。";
// Adds the address or subnet `text` as a rule reads it back, and stores the list; a
// malformed entry or a full list is refused with a box and changes nothing.
bool AddPermittedUnit(LinkConfig& link, std::string_view text, ProfileStore& store, Messages& messages);
void RemovePermittedUnit(LinkConfig& link, int index, ProfileStore& store);

}  // namespace vtg
