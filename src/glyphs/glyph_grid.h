#pragma once
// The editor's dot grid: 480 x 384 pixels, one cell per dot; the left button sets the dots
// it passes over, the right button clears them.
#include <QPainter>
#include <QWidget>
#include <functional>

#include "glyphs/glyph_editor.h"

namespace vtg::ui {

// Dots as the editor shows them: set dots as white cells, clear ones as blue cells in a
// black grid.
void PaintDots(QPainter& painter, GlyphClass c, QSize cell, const std::function<bool(int x, int y)>& dot);

class GlyphGrid : public QWidget {
  Q_OBJECT
 public:
  GlyphGrid(GlyphEditor& editor, GlyphClass c, QWidget* parent);

  // Pointer events in the grid's own pixels; the dialog hands on those outside the grid too.
  void PointerDown(Qt::MouseButton button, QPoint at);
  void PointerMove(QPoint at);
  void PointerUp(Qt::MouseButton button);

 signals:
  // The last button of a stroke came up.
  void strokeEnded();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  GlyphEditor& editor_;
  GlyphClass class_;
};

}  // namespace vtg::ui
