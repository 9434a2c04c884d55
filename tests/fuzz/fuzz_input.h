#pragma once
// What every fuzz target shares: reading its input and stopping loudly on a broken rule.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

#include "default_state.h"
#include "dice.h"
#include "invariants.h"
#include "settings/settings_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace vtg::fuzz {

// A broken rule stops the program where the fuzzer (or the corpus replay) sees it.
inline void Require(const testing::Broken& broken) {
  if (!broken) return;
  std::fprintf(stderr, "broken rule: %s\n", broken->c_str());
  __builtin_trap();
}

inline void Require(bool holds, const char* rule) { Require(holds ? testing::Broken{} : testing::Broken{rule}); }

// An object kept from one input to the next and set back to `fresh` for each: assigning
// reuses the memory of the glyph stores, whose allocation would cost most of a short input's
// time. `kSlot` tells apart two such objects of one type.
template <class T, int kSlot = 0>
T& Reused(const T& fresh) {
  static T kept = fresh;
  kept = fresh;
  return kept;
}

using testing::DefaultState;

// A document saved from `image` opens as the same image; false when it cannot be saved.
inline bool SavedDocumentReopens(const SettingsImage& image) {
  const auto saved = FormatDocument(image);
  const auto* text = std::get_if<std::string>(&saved);
  if (!text) return false;
  SettingsImage& opened = Reused<SettingsImage, 1>(image);
  Require(!ParseDocument(*text, opened), "a saved document is refused");
  Require(opened == image, "a saved document opens differently");
  return true;
}

// The input, read from the front: a few set-up bytes, then the text under test.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  // 0 when the input is used up.
  std::uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }
  std::string_view Bytes(std::size_t n) {
    const std::string_view taken = rest_.substr(0, n);
    rest_.remove_prefix(taken.size());
    return taken;
  }
  // Up to and including the `n`th LF.
  std::string_view Lines(int n) {
    std::size_t end = 0;
    for (int i = 0; i < n && end < rest_.size(); ++i) end = std::min(rest_.find('\n', end), rest_.size() - 1) + 1;
    return Bytes(end);
  }
  bool Empty() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// Deterministic choices (split points, events) from one seed byte, so an input replays the same.
class Choices : public testing::Dice {
 public:
  // The low bits of the seed set the largest piece a stream is cut into: a few bytes up to
  // more than a line.
  explicit Choices(std::uint8_t seed) : Dice(seed), max_piece_(kMaxPieces[seed & 3]) {}
  std::size_t PieceLength() { return static_cast<std::size_t>(1 + Below(max_piece_)); }

 private:
  static constexpr int kMaxPieces[] = {3, 16, 128, 700};
  int max_piece_;
};

}  // namespace vtg::fuzz
