#pragma once
// The drawings before the operator's last changes, for undo and redo in the glyph editor.
// A drawing that changed behind the history's back (a glyph read arrived) starts it afresh,
// so an undo never mixes a received glyph with strokes made before it.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace vtg {

class GlyphHistory {
 public:
  // Steps kept; the oldest goes first.
  static constexpr std::size_t kSteps = 50;

  // One change by the operator; nothing when the drawing stayed the same.
  void Record(const std::string& before, const std::string& after);
  // The drawing to show instead of `now`, none when there is nothing to go back (forward) to.
  std::optional<std::string> Undo(const std::string& now);
  std::optional<std::string> Redo(const std::string& now);
  bool CanUndo(std::string_view now) const { return now == current_ && !undo_.empty(); }
  bool CanRedo(std::string_view now) const { return now == current_ && !redo_.empty(); }
  void Forget();

 private:
  std::optional<std::string> Step(const std::string& now, std::deque<std::string>& from, std::deque<std::string>& to);

  std::deque<std::string> undo_;  // newest last
  std::deque<std::string> redo_;
  std::string current_;  // the drawing after the last recorded change, undo or redo
};

}  // namespace vtg
