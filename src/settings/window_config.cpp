#include "settings/window_config.h"

#include <algorithm>

#include "link/permitted_units.h"
#include "link/text_helpers.h"

namespace vtg {
namespace {

// The longest entry that can be right ("255.255.255.255/32") and one more: a longer text
// stays wrong once cut, so it lets no unit in rather than some other.
constexpr std::size_t kAddressWidth = 19;

}  // namespace

std::string PermitKeyName(int entry) { return "permit" + Dec2(entry); }

void LoadWindowConfiguration(LinkConfig& link, const ProfileStore& store) {
  link.run_pace = ProfileInt(store.Read(kRunPaceKey).value_or("0")) == 1 ? 1 : 0;
  // Kept as it stands: a wrong one is refused with a message when the server starts.
  link.listen_address = store.Read(kListenAddressKey).value_or("").substr(0, kAddressWidth);
  const int count = std::clamp(ProfileInt(store.Read(kPermitCountKey).value_or("0")), 0, kMaxPermittedUnits);
  link.permitted_units.clear();
  for (int entry = 0; entry < count; ++entry) {
    std::string text = store.Read(PermitKeyName(entry)).value_or("");
    if (text.size() > kAddressWidth) text.resize(kAddressWidth);
    link.permitted_units.push_back(std::move(text));
  }
}

void StoreRunPace(const LinkConfig& link, ProfileStore& store) { store.Write(kRunPaceKey, std::to_string(link.run_pace)); }

void StoreListenAddress(const LinkConfig& link, ProfileStore& store) { store.Write(kListenAddressKey, link.listen_address); }

void StorePermittedUnits(const LinkConfig& link, int first, ProfileStore& store) {
  store.Write(kPermitCountKey, std::to_string(link.permitted_units.size()));
  for (int entry = first; entry < static_cast<int>(link.permitted_units.size()); ++entry)
    store.Write(PermitKeyName(entry), link.permitted_units[static_cast<std::size_t>(entry)]);
}

bool AddPermittedUnit(LinkConfig& link, std::string_view text, ProfileStore& store, Messages& messages) {
  const auto rule = ParseAddressRule(text);
  if (!rule) {
    messages.ErrorBox(kBadPermitText);
    return false;
  }
  if (static_cast<int>(link.permitted_units.size()) >= kMaxPermittedUnits) {
    messages.ErrorBox(kPermitListFullText);
    return false;
  }
  link.permitted_units.push_back(RuleText(*rule));
  StorePermittedUnits(link, static_cast<int>(link.permitted_units.size()) - 1, store);
  return true;
}

void RemovePermittedUnit(LinkConfig& link, int index, ProfileStore& store) {
  if (index < 0 || index >= static_cast<int>(link.permitted_units.size())) return;
  link.permitted_units.erase(link.permitted_units.begin() + index);
  StorePermittedUnits(link, index, store);
}

}  // namespace vtg
