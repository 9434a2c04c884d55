#include "settings/controller_state.h"

namespace vtg {

SettingsImage DefaultSettingsImage() {
  // Sizes (L), pages, levels and the unit's network choices start at their defaults there.
  SettingsImage im;
  im.auto_switch_time.fill(2);
  im.display_flag.fill(1);
  im.display_position.fill(7);
  for (GlyphClass c : kAllGlyphClasses)
    im.glyphStore(c).assign(static_cast<size_t>(Info(c).count), BlankGlyph(c));
  im.unit_port_number = "09004";
  im.unit_mac_address = "00-00-00-00-00-00";
  im.unit_version = "0.00";
  im.ext_glyph_work = BlankGlyph(GlyphClass::Large);
  return im;
}

void ResetToDefaults(ControllerState& state) {
  state.image = DefaultSettingsImage();
  state.doc = DocumentState{};
  state.flags.reply_pending = 0;
  state.flags.sequence_step = 0;
  state.flags.address_prefix = 0;
  state.flags.abort_flag = 0;
  state.flags.watchdog_ticks = 0;
  state.selection.slave_index = 0;
  state.selection.current_page = 0;
  state.glyph.glyph_list_files = {};
}

}  // namespace vtg
