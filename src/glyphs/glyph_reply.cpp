#include "glyphs/glyph_reply.h"

#include "link/text_helpers.h"

namespace vtg {
namespace {

// Two replies in one reception, or one of another class, must not move a transfer's counter.
bool AnswersTheTransfersRead(const GlyphFlags& g, GlyphClass glyph_class, std::string_view reply) {
  return g.glyph_read_pending && glyph_class == g.glyph_transfer_class &&
         reply.substr(4, 4) == Hex4(GlyphCode(g.glyph_index));
}

}  // namespace

GlyphStored StoreGlyphReply(ControllerState& state, SettingsImage& image, GlyphClass glyph_class,
                            std::string_view reply) {
  const auto digits = static_cast<std::size_t>(Info(glyph_class).digits);
  constexpr std::size_t kDigitsAt = 8;
  if (reply.size() < kDigitsAt + digits) return GlyphStored::No;
  const std::string_view glyph = reply.substr(kDigitsAt, digits);
  if (!IsUpperHex(glyph)) return GlyphStored::No;
  if (state.glyph.glyph_transfer_busy && !AnswersTheTransfersRead(state.glyph, glyph_class, reply))
    return GlyphStored::No;

  image.ext_glyph_work.assign(glyph);
  auto& store = image.glyphStore(glyph_class);
  const int index = state.glyph.glyph_index;
  if (index < 0 || index >= Info(glyph_class).count) return GlyphStored::IntoWork;
  store[static_cast<std::size_t>(index)].assign(glyph);
  if (state.glyph.glyph_transfer_busy) ++state.glyph.glyph_index;
  return GlyphStored::IntoSlot;
}

}  // namespace vtg
