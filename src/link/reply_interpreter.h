#pragma once
// Turns one reply line from the unit into its effect on the shared state, then tells the
// operator. Every state change of a reply is made before any message is shown.
#include <functional>
#include <memory>
#include <string_view>

#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

enum class LinkKind { Serial, Socket };

struct ReplyContext {
  ControllerState& state;
  Messages& messages;
  // Asks the dialog waiting for a glyph to show it.
  std::function<void()> repaint_reply_target;
  // Where read replies go instead of the settings image: a verify reads the unit into an
  // image of its own. Shared, as a late reply may come after the verify has gone.
  std::shared_ptr<SettingsImage> read_into = {};
};

// Both return true when the reply is one the table knows and its fields fit, a refusal
// included; false when it was ignored.

// A complete line from the serial link, LF included; the address is stripped when
// address_prefix is 1.
bool InterpretSerialReply(ReplyContext& context, std::string_view line);

// A complete line from the socket link, LF included; it always carries the address.
bool InterpretSocketReply(ReplyContext& context, std::string_view line);

// The success box of that link, as an announced "GO" shows it.
void ShowSuccess(Messages& messages, LinkKind link);

}  // namespace vtg
