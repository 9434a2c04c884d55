#include "link/host_list.h"

#include "link/text_helpers.h"

namespace vtg {

std::string HostEntryText(const IpBytes& host) {
  std::string text = "    .    .    .   ";
  for (int k = 0; k < 4; ++k) FormatDec3(host[static_cast<std::size_t>(k)], &text[static_cast<std::size_t>(5 * k)]);
  return text;
}

bool AddHost(LinkConfig& link, const IpBytes& host, ProfileStore& store, Messages& messages) {
  if (static_cast<int>(link.host_list.size()) >= kMaxHosts) {
    messages.ErrorBox(kHostListFullText);
    return false;
  }
  link.host_list.push_back(host);
  StoreKey(link, ConfigKey::ListCount, store);
  StoreHost(link, static_cast<int>(link.host_list.size()) - 1, store);
  return true;
}

void DeleteHost(LinkConfig& link, int index, ProfileStore& store) {
  const int count = static_cast<int>(link.host_list.size());
  if (index < 0 || index >= count) return;
  link.host_list.erase(link.host_list.begin() + index);
  StoreKey(link, ConfigKey::ListCount, store);
  for (int entry = index; entry < count - 1; ++entry) StoreHost(link, entry, store);
  // Otherwise "接続" would reach whichever host moved into the chosen place.
  if (link.selected_peer < index) return;
  link.selected_peer = link.selected_peer == index ? -1 : link.selected_peer - 1;
  StoreKey(link, ConfigKey::SelectNumber, store);
}

void SelectHost(LinkConfig& link, int index, ProfileStore& store) {
  if (index < 0 || index >= static_cast<int>(link.host_list.size())) return;
  link.selected_peer = index;
  StoreKey(link, ConfigKey::SelectNumber, store);
}

}  // namespace vtg
