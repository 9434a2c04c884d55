#include "settings/window_config.h"

namespace vtg {

void LoadWindowConfiguration(LinkConfig& link, const ProfileStore& store) {
  link.run_pace = ProfileInt(store.Read(kRunPaceKey).value_or("0")) == 1 ? 1 : 0;
}

void StoreRunPace(const LinkConfig& link, ProfileStore& store) { store.Write(kRunPaceKey, std::to_string(link.run_pace)); }

}  // namespace vtg
