#pragma once
// The one shared state of the controller, handed explicitly to every part that needs it.
#include <array>
#include <string>
#include <vector>

#include "link/client_table.h"
#include "settings/settings_image.h"

namespace vtg {

enum Interface { kRs232c = 0, kTcpIp = 1 };
enum TcpRole { kClient = 0, kServer = 1 };
inline constexpr int kBroadcast = 32;  // slave_index of "Broadcast", sent as "FF"
inline constexpr int kMaxHosts = 100;  // host keys carry a two-digit index

// How the controller reaches the unit; loaded from the configuration file.
struct LinkConfig {
  int interface_setting = kRs232c;
  int tcp_role = kClient;
  int tcp_connected = 0;
  int selected_peer = 0;  // client: host_list index; server: client_table record; -1 none
  int com_port_index = 0;
  std::string tcp_port_text = "09004";
  std::vector<IpBytes> host_list;
  // The window's whole-unit runs and glyph list transfers: 0 at their timer periods, 1 each
  // line once the unit answered the one before.
  int run_pace = 0;
  // The server role lets in only these units (addresses and subnets); empty: any.
  std::vector<std::string> permitted_units;
  // The local IPv4 address the server role listens on; empty: every one.
  std::string listen_address;
};

// The stepped-sequence and reply state every dialog shares.
struct LinkFlags {
  int sequence_step = 0;
  int step_pending = 0;
  int abort_flag = 0;
  int reply_pending = 0;
  int watchdog_ticks = 0;
  int address_prefix = 0;
  int announce_success = 0;
  int link_running = 0;
};

// The glyph list file of one size class.
struct GlyphListFile {
  // The file the store was last opened from or saved to; empty when there is none, or once
  // the store was cleared.
  std::string name;
  // 1 = the editor changed the store since, and no complete read from the unit replaced
  // it: glyphs read from the unit are no unsaved work.
  int unsaved = 0;
};

struct GlyphFlags {
  int glyph_index = 0;
  int glyph_read_pending = 0;
  int glyph_transfer_busy = 0;
  GlyphClass glyph_transfer_class = GlyphClass::Large;  // of the running transfer
  int glyph_edited = 0;
  int glyph_list_page = 0;
  std::array<GlyphListFile, 3> glyph_list_files;  // by size class, LARGE first
  // The editor's sample character: two Shift-JIS bytes, or empty.
  std::string sample_char;

  GlyphListFile& listFile(GlyphClass c) { return glyph_list_files[static_cast<int>(c)]; }
  const GlyphListFile& listFile(GlyphClass c) const { return glyph_list_files[static_cast<int>(c)]; }
};

struct DocumentState {
  std::string doc_file_name;
  int doc_modified = 0;
};

struct Selection {
  int slave_index = 0;
  int current_line = 0;
  int current_page = 0;
};

struct ControllerState {
  SettingsImage image;
  DocumentState doc;
  Selection selection;
  LinkConfig link;
  LinkFlags flags;
  GlyphFlags glyph;
  ClientTable client_table;
  int corner_clicks = 0;
};

// Every setting and glyph at its default, as after start-up.
SettingsImage DefaultSettingsImage();

// Every setting, the document state and the sequence state back to their defaults; the
// glyph stores become blank and forget their files. Keeps the link configuration,
// `current_line` and the client table.
void ResetToDefaults(ControllerState& state);

}  // namespace vtg
