// A glyph list file from anywhere, opened in each of the three lists (a file of another
// class may be opened too): a refused file leaves the store exactly as it was; a loaded one
// fills every slot with D upper-case hex digits and saves back to the same glyphs.
#include <array>
#include <sstream>

#include "fuzz_input.h"
#include "glyphs/glyph_list_file.h"
#include "link/text_helpers.h"

namespace {

// A store unlike the blank one, so that a half-loaded file would show.
std::vector<std::string> PatternedStore(vtg::GlyphClass c) {
  std::vector<std::string> store;
  for (int i = 0; i < vtg::Info(c).count; ++i)
    store.push_back(std::string(static_cast<std::size_t>(vtg::Info(c).digits), "0123456789ABCDEF"[i % 16]));
  return store;
}

std::string Load(std::string_view bytes, vtg::GlyphClass c, std::vector<std::string>& store) {
  std::istringstream in{std::string(bytes)};
  return vtg::ReadGlyphList(in, c, store);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vtg::fuzz::Require;
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  static const std::array<std::vector<std::string>, 3> kBefore{
      PatternedStore(vtg::GlyphClass::Large), PatternedStore(vtg::GlyphClass::Medium),
      PatternedStore(vtg::GlyphClass::Small)};
  for (vtg::GlyphClass c : vtg::kAllGlyphClasses) {
    const std::vector<std::string>& before = kBefore[static_cast<std::size_t>(c)];
    std::vector<std::string>& store = vtg::fuzz::Reused<std::vector<std::string>, 0>(before);
    if (!Load(file, c, store).empty()) {
      Require(store == before, "a refused glyph file changed the store");
      continue;
    }
    Require(store.size() == static_cast<std::size_t>(vtg::Info(c).count), "a loaded store is not N glyphs");
    for (const std::string& slot : store)
      Require(slot.size() == static_cast<std::size_t>(vtg::Info(c).digits) && vtg::IsUpperHex(slot),
              "a loaded glyph is not D upper-case hex digits");
    std::vector<std::string>& again = vtg::fuzz::Reused<std::vector<std::string>, 1>(before);
    Require(Load(vtg::GlyphListFileText(c, store), c, again).empty(), "a saved glyph file is refused");
    Require(again == store, "a saved glyph file reads back differently");
  }
  return 0;
}
