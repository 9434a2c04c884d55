#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "glyphs/glyph_file_actions.h"
#include "glyphs/glyph_list_file.h"
#include "scratch_folder.h"
#include "settings/document_commands.h"
#include "wired_controller.h"

namespace vtg {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::Shown;

// Every slot different, so that a shift between glyphs shows.
void FillDistinct(ControllerState& state, GlyphClass c) {
  auto& store = state.image.glyphStore(c);
  for (std::size_t i = 0; i < store.size(); ++i)
    for (std::size_t k = 0; k < store[i].size(); ++k) store[i][k] = "0123456789ABCDEF"[(i * 7 + k) % 16];
}

class GlyphFiles : public ::testing::Test, public testing::WiredController {
 protected:
  std::string Path(const std::string& name) const { return scratch / name; }
  void Write(const std::string& name, const std::string& bytes) const { testing::WriteFile(Path(name), bytes); }
  bool Open(GlyphClass c, const std::string& name) {
    dialogs.choice = Path(name);
    return OpenGlyphListFile(state, messages, dialogs, c);
  }
  bool SaveAs(GlyphClass c, const std::string& name) {
    dialogs.choice = Path(name);
    return SaveGlyphListFileAs(state, messages, dialogs, c);
  }

  testing::ScratchFolder scratch;
  const fs::path& dir = scratch.path();
};

TEST_F(GlyphFiles, RoundTripOneDigitALineAtTheExactSize) {
  struct Case { GlyphClass c; const char* name; std::size_t bytes; } cases[] = {
      {GlyphClass::Large, "a.tll", 120960}, {GlyphClass::Medium, "a.tlm", 122880}, {GlyphClass::Small, "a.tls", 110592}};
  for (const auto& c : cases) {
    FillDistinct(state, c.c);
    const auto saved = state.image.glyphStore(c.c);
    state.doc.doc_modified = 1;
    for (GlyphClass any : kAllGlyphClasses) state.glyph.listFile(any).unsaved = 1;
    ASSERT_TRUE(SaveAs(c.c, c.name));
    // The document's titles are still unsaved; only this class's glyphs are not.
    EXPECT_EQ(state.doc.doc_modified, 1);
    for (GlyphClass any : kAllGlyphClasses) EXPECT_EQ(state.glyph.listFile(any).unsaved, any == c.c ? 0 : 1);
    const std::string bytes = ReadFile(Path(c.name));
    EXPECT_EQ(bytes.size(), c.bytes) << c.name;
    EXPECT_EQ(bytes.substr(0, 6), saved[0].substr(0, 1) + "\r\n" + saved[0].substr(1, 1) + "\r\n");
    ResetToDefaults(state);
    state.doc.doc_modified = 1;
    state.glyph.listFile(c.c).unsaved = 1;
    EXPECT_TRUE(Open(c.c, c.name));
    EXPECT_EQ(state.image.glyphStore(c.c), saved) << c.name;
    EXPECT_EQ(state.doc.doc_modified, 1);
    EXPECT_EQ(state.glyph.listFile(c.c).unsaved, 0);
  }
  EXPECT_TRUE(messages.shown.empty());
}

// White space and lower case between the digits do not matter, nor does what follows the
// last digit needed (a MEDIUM file opened as LARGE).
TEST_F(GlyphFiles, LoadsTheDigitsWhateverLiesBetweenAndAfterThem) {
  FillDistinct(state, GlyphClass::Medium);
  const auto saved = state.image.glyphStore(GlyphClass::Medium);
  const std::string crlf = GlyphListFileText(GlyphClass::Medium, saved);
  std::string lf, spaced, digits;
  for (char ch : crlf) {
    if (ch == '\r') continue;
    lf += ch;
    spaced += ch == '\n' ? std::string("\r\n\r\n \t") : std::string(1, static_cast<char>(std::tolower(ch)));
    if (ch != '\n') digits += ch;
  }
  for (const std::string& text : {lf, spaced}) {
    Write("b.tlm", text);
    ResetToDefaults(state);
    EXPECT_TRUE(Open(GlyphClass::Medium, "b.tlm"));
    EXPECT_EQ(state.image.glyphStore(GlyphClass::Medium), saved);
  }
  Write("m.tlm", crlf + "not glyph digits");
  EXPECT_TRUE(Open(GlyphClass::Large, "m.tlm"));
  const auto& large = state.image.glyphStore(GlyphClass::Large);
  EXPECT_EQ(large[0], digits.substr(0, 576));
  EXPECT_EQ(large[69], digits.substr(69 * 576, 576));
}

TEST_F(GlyphFiles, MalformedFilesAreRefusedAndChangeNothing) {
  std::string valid = GlyphListFileText(GlyphClass::Large, state.image.glyphStore(GlyphClass::Large));
  std::string bad_digit = valid;
  bad_digit[3 * 1000] = 'G';
  struct Case { const char* name; std::string bytes; const char* message; } cases[] = {
      {"digit.tll", bad_digit, "外字ファイルの 1001 行目に16進数でない文字があります"},
      {"short.tll", valid.substr(0, valid.size() - 3), "外字ファイルが短すぎます（40320 文字のうち 40319 文字しかありません）"},
      {"empty.tll", "", "外字ファイルが短すぎます（40320 文字のうち 0 文字しかありません）"},
      {"missing.tll", "", "Can't file open"},
  };
  state.glyph.listFile(GlyphClass::Large).name = "earlier.tll";
  FillDistinct(state, GlyphClass::Large);
  const SettingsImage before = state.image;
  state.doc.doc_modified = 1;
  for (const auto& c : cases) {
    if (std::string(c.name) != "missing.tll") Write(c.name, c.bytes);
    messages.shown.clear();
    EXPECT_FALSE(Open(GlyphClass::Large, c.name));
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Error, c.message}})) << c.name;
    EXPECT_TRUE(state.image == before) << c.name;
    EXPECT_EQ(state.glyph.listFile(GlyphClass::Large).name, "earlier.tll");
    EXPECT_EQ(state.doc.doc_modified, 1);
  }
}

TEST_F(GlyphFiles, SaveNeedsANameAndReportsFailures) {
  EXPECT_FALSE(SaveGlyphListFile(state, messages, GlyphClass::Small));
  ASSERT_TRUE(SaveAs(GlyphClass::Small, "kept.tls"));
  EXPECT_FALSE(SaveAs(GlyphClass::Small, "no-such-folder/x.tls"));
  fs::create_directories(dir / "taken.tls");
  EXPECT_FALSE(SaveAs(GlyphClass::Small, "taken.tls"));
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0], (Shown{Box::Error, "Don't file open"}));
  EXPECT_EQ(messages.shown[1], (Shown{Box::Stop, "Can't file open"}));
  EXPECT_EQ(messages.shown[2].box, Box::Stop);
  EXPECT_TRUE(messages.shown[2].text.starts_with("ファイルに書き込めませんでした。")) << messages.shown[2].text;
  EXPECT_EQ(state.glyph.listFile(GlyphClass::Small).name, Path("kept.tls"));
  EXPECT_FALSE(fs::exists(Path("taken.tls.tmp~")));
  FillDistinct(state, GlyphClass::Small);
  EXPECT_TRUE(SaveGlyphListFile(state, messages, GlyphClass::Small));
  EXPECT_EQ(ReadFile(Path("kept.tls")), GlyphListFileText(GlyphClass::Small, state.image.glyphStore(GlyphClass::Small)));
}

// Each class saves to the file it was opened from or saved to, never to another class's;
// New blanks the stores and forgets the files, so "保存" never writes blank glyphs over one.
TEST_F(GlyphFiles, SaveWritesOnlyTheFileOfItsOwnClass) {
  FillDistinct(state, GlyphClass::Large);
  ASSERT_TRUE(SaveAs(GlyphClass::Large, "x.tll"));
  const std::string large = ReadFile(Path("x.tll"));
  struct Case { const char* name; std::function<void()> between; GlyphClass saving; } cases[] = {
      {"another class", [] {}, GlyphClass::Medium},
      {"after New", [&] { NewDocument(state, messages); }, GlyphClass::Large},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Open(GlyphClass::Large, "x.tll")) << c.name;
    c.between();
    messages.shown.clear();
    EXPECT_FALSE(SaveGlyphListFile(state, messages, c.saving)) << c.name;
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{Box::Error, "Don't file open"}})) << c.name;
    EXPECT_TRUE(ReadFile(Path("x.tll")) == large) << c.name;
  }
  ASSERT_TRUE(SaveAs(GlyphClass::Small, "y.tls"));
  ASSERT_TRUE(Open(GlyphClass::Large, "x.tll"));
  EXPECT_TRUE(SaveGlyphListFile(state, messages, GlyphClass::Small));
  EXPECT_TRUE(SaveGlyphListFile(state, messages, GlyphClass::Large));
  EXPECT_TRUE(ReadFile(Path("x.tll")) == large);
}

TEST_F(GlyphFiles, NothingWhileBusyAndOpenAsksAboutTheUnsavedWorkItReplaces) {
  Write("c.tlm", GlyphListFileText(GlyphClass::Medium, state.image.glyphStore(GlyphClass::Medium)));
  struct Case { int busy, pending, step; bool opens, saves; } cases[] = {
      {1, 0, 0, false, false}, {0, 1, 0, false, false}, {0, 0, 3, false, true}};
  for (const auto& c : cases) {
    state.glyph.glyph_transfer_busy = c.busy;
    state.glyph.glyph_read_pending = c.pending;
    state.flags.sequence_step = c.step;
    dialogs.requests.clear();
    EXPECT_EQ(Open(GlyphClass::Medium, "c.tlm"), c.opens);
    EXPECT_EQ(SaveAs(GlyphClass::Medium, "d.tlm"), c.saves);
    EXPECT_EQ(dialogs.requests.size(), c.saves ? 1u : 0u);
  }
  // Unsaved titles, or drawn glyphs of the class the file replaces, are asked about; another class's not.
  struct Unsaved { int titles, medium, small; bool asks; } unsaved[] = {{1, 0, 0, true}, {0, 1, 0, true}, {0, 0, 1, false}};
  for (const auto& c : unsaved) {
    ResetToDefaults(state);
    state.doc.doc_modified = c.titles;
    state.glyph.listFile(GlyphClass::Medium).unsaved = c.medium;
    state.glyph.listFile(GlyphClass::Small).unsaved = c.small;
    messages.asked.clear();
    messages.answer = false;
    EXPECT_EQ(Open(GlyphClass::Medium, "c.tlm"), !c.asks);
    EXPECT_EQ(messages.asked.size(), c.asks ? 1u : 0u);
    messages.answer = true;
    EXPECT_TRUE(Open(GlyphClass::Medium, "c.tlm"));
    EXPECT_EQ(state.doc.doc_modified, c.titles);
  }
}

}  // namespace
}  // namespace vtg
