#include "settings/controller_state.h"

namespace vtg {

void ResetToDefaults(ControllerState& state) {
  SettingsImage& im = state.image;
  for (int line = 0; line < kLines; ++line) {
    im.startup_page[line] = 0;
    im.display_page[line] = 0;
    for (int page = 0; page < kPages; ++page) {
      const int i = TitleIndex(line, page);
      im.auto_switch_time[i] = 2;
      im.display_flag[i] = 1;
      im.char_size[i] = 0;
    }
  }
  for (auto& title : im.title_text) title.clear();
  im.display_position.fill(7);
  im.white_level = 3;
  im.edge_level = 1;

  state.doc = DocumentState{};
  state.flags.reply_pending = 0;
  state.flags.sequence_step = 0;
  state.flags.address_prefix = 0;
  state.flags.abort_flag = 0;
  state.flags.watchdog_ticks = 0;
  state.selection.slave_index = 0;
  state.selection.current_page = 0;

  for (GlyphClass c : kAllGlyphClasses)
    im.glyphStore(c).assign(static_cast<size_t>(Info(c).count), BlankGlyph(c));
  state.glyph.glyph_list_files = {};

  im.unit_subnet_class = 2;
  im.unit_port_number = "09004";
  im.unit_ip_address = {};
  im.unit_gateway_address = {};
  im.unit_active_address = {};
  im.unit_mac_address = "00-00-00-00-00-00";
  im.unit_version = "0.00";
  im.unit_keep_alive = 0;
  im.unit_time_register = 5;

  im.ext_glyph_work = BlankGlyph(GlyphClass::Large);
}

}  // namespace vtg
