#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: real replies, documents, glyph files,
configuration values and command lines, each as the target reads its input.
Run it from anywhere; it replaces corpus/ next to this file."""
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"
CRLF = b"\r\n"

LINES = ["01T", "01B", "02T", "02B"]
BOTTOM_FIRST = ["01B", "01T", "02B", "02T"]
GLYPHS = {"L": (576, 70), "M": (256, 160), "S": (144, 256)}


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def glyph_code(index):
    cell = index + 0x65 - 0x21
    return "%02X%02X" % (0xA3 + cell // 94, 0x21 + cell % 94)


# --- replies from the unit -------------------------------------------------------------
# Set-up byte: bit 0 address_prefix, bit 1 socket, bits 2-4 run, bits 5-6 glyph class,
# bit 7 glyph read outstanding. Then the slave index (bit 7: the reply pace) and the seed:
# bits 0-1 the largest piece, bits 2-3 how often events come, bit 4 one tick per line.
RUN_NONE, RUN_READ, RUN_SET_ALL, RUN_READ_GLYPHS, RUN_SEND_GLYPHS, RUN_UNIT_NETWORK = range(6)


def setup(prefix=1, socket=0, run=RUN_NONE, glyph_class=0, glyph_read=0):
    return bytes([prefix | socket << 1 | run << 2 | glyph_class << 5 | glyph_read << 7])


def replies(*texts, address="05"):
    return b"".join((address + t).encode("latin-1") + CRLF for t in texts)


ROWS = {
    "go": ["GO"],
    "auto_switch": ["AST01T" + "02" * 63 + "99"],
    "display_position": ["CTDPO01B07"],
    "display_flags": ["CTD02T" + "N" * 63 + "F"],
    "char_sizes": ["CFS01T" + "LMS" * 21 + "L"],
    "edge_level": ["CEL1"],
    "white_level": ["CWL3"],
    "startup_page": ["SUS01TAS", "SUS02B07"],
    "title": ["CT01T01" + "3021" + "2121" * 27, "CT02B64" + "A365" + "7C71" + "2121" * 26],
    "display_page": ["P01T05", "P02BAS"],
    "glyph_large": ["FBMLA365" + "8" + "0" * 575],
    "glyph_medium": ["FBMMA421" + "F" * 256],
    "glyph_small": ["FBMSA64A" + "0123456789ABCDEF" * 9],
    "addresses": ["AA192.168.001.003", "GA192.168.001.001", "IA010.000.000.255"],
    "mac": ["MA00-11-22-33-44-55"],
    "port": ["PN09004"],
    "subnet": ["SMC"],
    "keep_alive": ["KAON", "KAOF"],
    "time_register": ["TR6"],
    "version": ["VN1.00"],
    "refusals": ["GN", "MENU", "E0", "E1", "E2", "E3"],
}

for name, texts in ROWS.items():
    write("link_replies", "serial_" + name, setup() + b"\x05\x01" + replies(*texts))
    write("link_replies", "socket_" + name, setup(socket=1) + b"\x05\x02" + replies(*texts))
write("link_replies", "serial_bare_go", setup(prefix=0) + b"\x00\x00" + b"GO\r\n")
write("link_replies", "serial_two_in_one_read", setup() + b"\x05\x03" + b"05GO\r\n05E3\r\n")
write("link_replies", "socket_glyph_read_refused", setup(socket=1, glyph_read=1) + b"\x05\x00" + replies("GN"))
write("link_replies", "socket_overlong", setup(socket=1) + b"\x05\x03" + b"05" + b"A" * 700 + CRLF + replies("GO"))
write("link_replies", "serial_garbage", setup() + b"\x05\x02" + bytes(range(256)) + b"\n\r\n\x00\n")

# The replies of the simulated unit, at its defaults, to Read Setting Items.
read_all = []
read_all += ["AST" + l + "02" * 64 for l in BOTTOM_FIRST]
read_all += ["CTD" + l + "N" * 64 for l in BOTTOM_FIRST]
read_all += ["CTDPO" + l + "07" for l in BOTTOM_FIRST]
read_all += ["CEL1", "CWL3"]
read_all += ["SUS" + l + "01" for l in BOTTOM_FIRST]
read_all += ["CFS" + l + "L" * 64 for l in BOTTOM_FIRST]
read_all += ["P" + l + "01" for l in BOTTOM_FIRST]
read_all += ["CT%s%02d" % (l, p + 1) + "2121" * 28 for l in LINES for p in range(64)]
# Whole runs, one tick after each reply and no other event (seed 0x1F), or cut anywhere.
BY_LINE = b"\x1f"
write("link_replies", "socket_read_settings", setup(socket=1, run=RUN_READ) + b"\x05" + BY_LINE + replies(*read_all))
write("link_replies", "serial_read_settings", setup(run=RUN_READ) + b"\x05" + BY_LINE + replies(*read_all))
write("link_replies", "serial_read_settings_reply_pace",
      setup(run=RUN_READ) + b"\x85" + BY_LINE + replies(*read_all))
write("link_replies", "socket_read_settings_cut", setup(socket=1, run=RUN_READ) + b"\x05\x02" + replies(*read_all))
write("link_replies", "socket_set_all", setup(socket=1, run=RUN_SET_ALL) + b"\x05" + BY_LINE + replies(*["GO"] * 284))
write("link_replies", "serial_set_all_error", setup(run=RUN_SET_ALL) + b"\x05\x01" + replies(*["GO"] * 40, "E3"))
for c, letter in enumerate("LMS"):
    digits, count = GLYPHS[letter]
    glyphs = ["FBM%s%s" % (letter, glyph_code(i)) + ("%X" % (i % 16)) * digits for i in range(count)]
    write("link_replies", "socket_read_glyphs_" + letter,
          setup(socket=1, run=RUN_READ_GLYPHS, glyph_class=c) + b"\x05" + BY_LINE + replies(*glyphs))
    write("link_replies", "serial_read_glyphs_cut_" + letter,
          setup(run=RUN_READ_GLYPHS, glyph_class=c) + b"\x05\x03" + replies(*glyphs[:12]))
    write("link_replies", "socket_send_glyphs_reply_pace_" + letter,
          setup(socket=1, run=RUN_SEND_GLYPHS, glyph_class=c) + b"\x85" + BY_LINE + replies(*["GO"] * count))
    write("link_replies", "serial_send_glyphs_" + letter,
          setup(run=RUN_SEND_GLYPHS, glyph_class=c) + b"\x05\x01" + replies(*["GO"] * 12))
write("link_replies", "serial_unit_network", setup(prefix=0, run=RUN_UNIT_NETWORK) + b"\x00\x01" +
      b"".join(t.encode() + CRLF for t in
               ["AA192.168.001.003", "GA192.168.001.001", "IA192.168.001.003", "MA00-11-22-33-44-55",
                "PN09004", "SMC", "KAOF", "TR6", "VN1.00"]))

# --- settings documents ----------------------------------------------------------------
def document(titles=None, flags=1, sizes=0, times=2, pages=(0, 0, 0, 0, 0, 0, 0, 0),
             positions=(7, 7, 7, 7), white=3, edge=1, end=CRLF):
    lines = [b"%d" % flags] * 256 + [b"%d" % sizes] * 256 + [b"%d" % times] * 256
    lines += [b"%d" % p for p in pages] + [b"%d" % p for p in positions] + [b"%d" % white, b"%d" % edge]
    titles = titles or [b""] * 256
    lines += [t or b"s" for t in titles] + [b"%d" % p for p in positions]
    return b"".join(line + end for line in lines)


write("settings_document", "default", document())
titles = [b""] * 256
titles[0] = "タイトル".encode("cp932")
titles[1] = b"s"
titles[64] = b"\x88\x9f" * 28
titles[255] = b"  blanks kept"
write("settings_document", "edited", document(titles, 0, 2, 99, (64, 63, 5, 0, 64, 0, 1, 2), (15, 0, 7, 3), 0, 3))
write("settings_document", "lf_only", document(end=b"\n"))
write("settings_document", "value_out_of_range", document(times=100))
write("settings_document", "short", document()[:5000])
write("settings_document", "title_too_long", document([b"x" * 60] + [b""] * 255))

# --- glyph list files ------------------------------------------------------------------
for letter, (digits, count) in GLYPHS.items():
    text = []
    for i in range(count):
        glyph = ["0"] * digits
        if i % 7 == 1:  # a frame in every seventh glyph
            glyph = ["F" if k < digits // 12 or k % (digits // 48 or 1) == 0 else "0" for k in range(digits)]
        text += glyph
    write("glyph_list_file", "glyphs.tl" + letter.lower(), "".join(d + "\r\n" for d in text).encode())
write("glyph_list_file", "short.tls", b"0\r\n" * 1000)
write("glyph_list_file", "not_hex.tls", b"0\r\n" * 10 + b"G\r\n" + b"0\r\n" * 10)
write("glyph_list_file", "lower_case_lf.tls", b"a\n" * 200)

# --- configuration values --------------------------------------------------------------
write("config_file", "empty", b"")
write("config_file", "serial", b"com_port=1\nInterface=0\nport_number=09004\nClientServer=0\n"
                                b"select_number=0\nlist_count=0\n")
write("config_file", "client_hosts", b"com_port=0\nInterface=1\nport_number=09004\nClientServer=0\n"
                                     b"select_number=2\nlist_count=3\n"
                                     b"ip00_0=192\nip00_1=168\nip00_2=1\nip00_3=3\n"
                                     b"ip01_0=192\nip01_1=168\nip01_2=1\nip01_3=4\n"
                                     b"ip02_0=10\nip02_1=0\nip02_2=0\nip02_3=10\n")
write("config_file", "server", b"Interface=1\nport_number=9004\nClientServer=1\nselect_number=-1\n")
write("config_file", "odd_values", b"com_port= -3x\nInterface=2\nport_number=123456789\nClientServer=7\n"
                                   b"list_count=250\nip00_0=300\nip99_3=255\n")

# --- command lines to the simulated units ----------------------------------------------
# Set-up byte: bit 0 glyph reads refused while auto switching, bits 1-2 the units on the
# line (0; 0 and 5; 5 and 5; 31 and 0). Then the seed of the split points.
def commands(*texts, address="05"):
    return b"".join((address + t).encode("latin-1") + CRLF for t in texts)


SETS = ["CT01T01" + "3021" + "2121" * 27, "CN02B64" + "A365" * 28, "CTD01T05ON", "CTD02B" + "NF" * 32,
        "CFS01B03M", "CFS02T" + "LMS" * 21 + "L", "AST01T0299", "AST02B" + "05" * 64, "P01TAS", "P02B64",
        "SUS01T01", "SUS02BAS", "CTDPO01B15", "CWL0", "CEL3", "G001C01T01I01", "GRL001" + "8" + "0" * 575,
        "GRM160" + "F" * 256, "GRS256" + "0123456789ABCDEF" * 9]
READS = ["RCT01T01", "RCTD01B", "RCFS02T", "RAST02B", "RP01T", "RSUS02B", "RCTDPO01T", "RCWL", "RCEL",
         "RFBMLA365", "RFBMMA548", "RFBMSA64A", "RFBML3021"]
NETWORK = ["IA192.168.001.010", "GA192.168.001.001", "AA192.168.001.010", "SMB", "PN09005", "KAON", "TR3",
           "RIA", "RGA", "RAA", "RSM", "RPN", "RKA", "RTR", "RMA", "RVN", "SA07"]
write("sim_commands", "sets", b"\x02\x01" + commands(*SETS))
write("sim_commands", "reads", b"\x02\x02" + commands(*READS))
write("sim_commands", "network_bare", b"\x00\x01" + b"".join(t.encode() + CRLF for t in NETWORK))
write("sim_commands", "network_addressed", b"\x06\x03" + commands(*NETWORK, address="05"))
write("sim_commands", "broadcast", b"\x02\x01" + commands(*SETS[:6], address="FF"))
write("sim_commands", "auto_switching_refusal", b"\x03\x01" + commands("P01TAS", "RFBMLA365", "RFBMS3021"))
write("sim_commands", "refused", b"\x02\x00" + commands("CWL4", "CT01T65" + "2121" * 28, "GRL071" + "0" * 576,
                                                        "G071C01T01I01", "XYZ", "", "R") + b"05" + b"A" * 700 + CRLF)
write("sim_commands", "two_units", b"\x04\x02" + commands("RCWL", "CWL1", "SA31"))
