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

// What the interpreter made of one reply line.
struct ReplyOutcome {
  enum class Kind {
    Applied,    // a row matched and its fields fit
    Refused,    // an error or refusal row
    Unknown,    // no row matched; ignored
    Malformed,  // a row matched but its fields do not fit; ignored
  };
  Kind kind = Kind::Unknown;
  std::string_view row;      // the head of the row that matched: "GO", "CTD", "E3"
  std::string_view message;  // the text of the box it shows, if any
  bool understood() const { return kind == Kind::Applied || kind == Kind::Refused; }
};

struct ReplyContext {
  ControllerState& state;
  Messages& messages;
  // Asks the dialog waiting for a glyph to show it.
  std::function<void()> repaint_reply_target;
  // Told once the reply took effect, before any box is shown.
  std::function<void(const ReplyOutcome&)> on_outcome = {};
  // Where read replies go instead of the settings image: a verify reads the unit into an
  // image of its own. Shared, as a late reply may come after the verify has gone.
  std::shared_ptr<SettingsImage> read_into = {};
};

// A complete line from the serial link, LF included; the address is stripped when
// address_prefix is 1.
ReplyOutcome InterpretSerialReply(ReplyContext& context, std::string_view line);

// A complete line from the socket link, LF included; it always carries the address.
ReplyOutcome InterpretSocketReply(ReplyContext& context, std::string_view line);

// The success box of that link, as an announced "GO" shows it.
void ShowSuccess(Messages& messages, LinkKind link);

}  // namespace vtg
