#include "glyphs/glyph_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <optional>

namespace vtg::ui {
namespace {

constexpr QRgb kSetColour = qRgb(255, 255, 255);
constexpr QRgb kClearColour = qRgb(0, 0, 255);
constexpr QRgb kClearOutline = qRgb(0, 0, 0);

std::optional<MouseButton> EditorButton(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return MouseButton::Left;
  if (button == Qt::RightButton) return MouseButton::Right;
  return std::nullopt;
}

// The editor counts pixels from the dialog, whose grid starts this far in.
QPoint EditorPixel(QPoint at) { return at + QPoint(kGlyphGridOrigin, kGlyphGridOrigin); }

}  // namespace

void PaintDots(QPainter& painter, GlyphClass c, QSize cell, const std::function<bool(int x, int y)>& dot) {
  const int dots = Info(c).width;
  painter.setPen(QColor(kClearOutline));
  for (int y = 0; y < dots; ++y)
    for (int x = 0; x < dots; ++x) {
      const QRect rect(QPoint(x * cell.width(), y * cell.height()), cell);
      if (dot(x, y)) {
        painter.fillRect(rect, QColor(kSetColour));
      } else {
        painter.fillRect(rect, QColor(kClearColour));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
      }
    }
}

GlyphGrid::GlyphGrid(GlyphEditor& editor, GlyphClass c, QWidget* parent)
    : QWidget(parent), editor_(editor), class_(c) {
  setFixedSize(kGlyphGridWidth, kGlyphGridHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::ArrowCursor);
}

void GlyphGrid::PointerDown(Qt::MouseButton button, QPoint at) {
  const auto which = EditorButton(button);
  if (!which) return;
  const QPoint pixel = EditorPixel(at);
  if (editor_.Press(*which, pixel.x(), pixel.y())) update();
}

void GlyphGrid::PointerMove(QPoint at) {
  const QPoint pixel = EditorPixel(at);
  if (editor_.Move(pixel.x(), pixel.y())) update();
}

void GlyphGrid::PointerUp(Qt::MouseButton button) {
  if (const auto which = EditorButton(button)) editor_.Release(*which);
  emit strokeEnded();
}

void GlyphGrid::paintEvent(QPaintEvent*) {
  const GlyphEditorLayout& cell = EditorLayout(class_);
  QPainter painter(this);
  PaintDots(painter, class_, {cell.cell_width, cell.cell_height}, [this](int x, int y) { return editor_.DotAt(x, y); });
}

void GlyphGrid::mousePressEvent(QMouseEvent* event) { PointerDown(event->button(), event->position().toPoint()); }

void GlyphGrid::mouseMoveEvent(QMouseEvent* event) { PointerMove(event->position().toPoint()); }

void GlyphGrid::mouseReleaseEvent(QMouseEvent* event) { PointerUp(event->button()); }

}  // namespace vtg::ui
