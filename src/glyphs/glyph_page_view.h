#pragma once
// One page of a glyph list: two rows of glyph boxes, each with its "No.n" label below.
// The boxes sit where the list's hit test looks for them.
#include <QLineEdit>
#include <QWidget>
#include <vector>

#include "glyphs/glyph_list.h"

namespace vtg::ui {

class GlyphPageView : public QWidget {
  Q_OBJECT
 public:
  GlyphPageView(const GlyphList& list, const ControllerState& state, GlyphClass c, QWidget* parent);

  // The labels follow the page; the boxes draw the store when they next paint.
  void ShowPage();
  QWidget& Box(int box) const { return *boxes_[static_cast<std::size_t>(box)]; }

 signals:
  // At a point of this view, which is where the hit test counts from.
  void doubleClicked(Qt::MouseButton button, QPoint at);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const GlyphList& list_;
  std::vector<QWidget*> boxes_;
  std::vector<QLineEdit*> labels_;
};

}  // namespace vtg::ui
