#pragma once
// The controller's state as the program starts it: what a test changes, it changes from here.
#include "settings/controller_state.h"

namespace vtg::testing {

inline const ControllerState& DefaultState() {
  static const ControllerState state = [] {
    ControllerState fresh;
    ResetToDefaults(fresh);
    return fresh;
  }();
  return state;
}

inline const SettingsImage& DefaultImage() { return DefaultState().image; }

}  // namespace vtg::testing
