#include "glyphs/glyph_history.h"

namespace vtg {

void GlyphHistory::Record(const std::string& before, const std::string& after) {
  if (before == after) return;
  if (before != current_) Forget();
  undo_.push_back(before);
  if (undo_.size() > kSteps) undo_.pop_front();
  redo_.clear();
  current_ = after;
}

std::optional<std::string> GlyphHistory::Undo(const std::string& now) { return Step(now, undo_, redo_); }

std::optional<std::string> GlyphHistory::Redo(const std::string& now) { return Step(now, redo_, undo_); }

std::optional<std::string> GlyphHistory::Step(const std::string& now, std::deque<std::string>& from,
                                              std::deque<std::string>& to) {
  if (now != current_) Forget();
  if (from.empty()) return std::nullopt;
  to.push_back(now);
  current_ = std::move(from.back());
  from.pop_back();
  return current_;
}

void GlyphHistory::Forget() {
  undo_.clear();
  redo_.clear();
}

}  // namespace vtg
