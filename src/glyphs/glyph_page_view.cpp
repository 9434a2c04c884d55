#include "glyphs/glyph_page_view.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <array>
#include <functional>

#include "glyphs/picture_image.h"
#include "ui/control_id.h"
#include "ui/qt_text.h"

namespace vtg::ui {
namespace {

// Where GlyphCellAt finds the boxes: 114 pixels apart from 12, rows from 11 and from 158.
constexpr int kBoxPitch = 114;
constexpr int kBoxLeft = 12;
constexpr std::array<int, 2> kRowTops{11, 158};
// A LARGE glyph at two pixels a dot fills the box.
constexpr int kBoxSide = 96;
constexpr int kLabelIndent = 13;
constexpr int kLabelGap = 5;
constexpr QSize kLabelSize{70, 22};

// LARGE, MEDIUM, SMALL.
constexpr std::array<int, 3> kFirstBoxId{1116, 1151, 1165};
constexpr int kFirstLabelId = 1132;

// Draws glyph `index()` of the store at two pixels a dot from its top-left corner.
class GlyphBox : public QWidget {
 public:
  GlyphBox(const ControllerState& state, GlyphClass c, std::function<int()> index, QWidget* parent)
      : QWidget(parent), state_(state), class_(c), index_(std::move(index)) {
    setFixedSize(kBoxSide, kBoxSide);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const auto& store = state_.image.glyphStore(class_);
    const auto index = static_cast<std::size_t>(index_());
    if (index >= store.size()) return;
    // A running transfer repaints the page at every step; most glyphs have not changed.
    if (store[index] != drawn_text_ || image_.isNull()) {
      drawn_text_ = store[index];
      image_ = ToImage(RenderGlyph(class_, drawn_text_));
    }
    QPainter(this).drawImage(0, 0, image_);
  }

 private:
  const ControllerState& state_;
  GlyphClass class_;
  std::function<int()> index_;
  std::string drawn_text_;
  QImage image_;
};

}  // namespace

GlyphPageView::GlyphPageView(const GlyphList& list, const ControllerState& state, GlyphClass c, QWidget* parent)
    : QWidget(parent), list_(list) {
  const int per_page = ListLayout(c).boxes_per_page;
  const int columns = ListLayout(c).columns();
  for (int b = 0; b < per_page; ++b) {
    const QPoint at(kBoxLeft + kBoxPitch * (b % columns), kRowTops[static_cast<std::size_t>(b / columns)]);
    // The frame lies around the box, so the box itself is all glyph and background.
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setGeometry(at.x() - 1, at.y() - 1, kBoxSide + 2, kBoxSide + 2);
    auto* box = WithId(kFirstBoxId[static_cast<std::size_t>(c)] + b,
                       new GlyphBox(state, c, [&list, b] { return list.GlyphOfBox(b); }, frame));
    box->move(1, 1);
    boxes_.push_back(box);

    auto* label = WithId(kFirstLabelId + b, new QLineEdit(this));
    label->setReadOnly(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFocusPolicy(Qt::NoFocus);
    label->setGeometry(QRect(at + QPoint(kLabelIndent, kBoxSide + kLabelGap), kLabelSize));
    labels_.push_back(label);
  }
  const QWidget& last_label = *labels_.back();
  setFixedSize(kBoxLeft + kBoxPitch * (columns - 1) + kBoxSide + kBoxLeft, last_label.geometry().bottom() + kLabelGap);
  ShowPage();
}

void GlyphPageView::ShowPage() {
  for (std::size_t b = 0; b < labels_.size(); ++b) {
    labels_[b]->setText(ToQString(list_.LabelText(static_cast<int>(b))));
    boxes_[b]->update();
  }
}

void GlyphPageView::mouseDoubleClickEvent(QMouseEvent* event) {
  emit doubleClicked(event->button(), event->position().toPoint());
}

}  // namespace vtg::ui
