#pragma once
// The client role's list of units to connect to, kept in memory and in the configuration file.
#include <string>
#include <string_view>

#include "link/messages.h"
#include "settings/config_file.h"

namespace vtg {

inline constexpr std::string_view kHostListFullText = "ホストリストには100件までしか登録できません";

// How the list shows an entry: "192 .168 .001 .003".
std::string HostEntryText(const IpBytes& host);

// Appends a host and writes "list_count" and its four keys; refused with a message when the
// list is full.
bool AddHost(LinkConfig& link, const IpBytes& host, ProfileStore& store, Messages& messages);

// Removes entry `index`, moves the later ones down and rewrites their keys; the keys of the
// old last entry stay in the file beyond "list_count". A chosen host after it stays chosen;
// when the chosen host itself goes, none is chosen (-1).
void DeleteHost(LinkConfig& link, int index, ProfileStore& store);

// The host "接続" connects to; written to "select_number".
void SelectHost(LinkConfig& link, int index, ProfileStore& store);

}  // namespace vtg
