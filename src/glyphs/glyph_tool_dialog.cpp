#include "glyphs/glyph_tool_dialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QPainter>

#include "glyphs/glyph_grid.h"
#include "glyphs/glyph_raster.h"
#include "glyphs/glyph_text.h"
#include "ui/control_id.h"
#include "ui/family_modal.h"

namespace vtg {
namespace {

constexpr int kThresholdSpin = 1330;
constexpr int kApplyButton = 1331;
constexpr int kCancelButton = 1332;
// Pixels of the preview's side: a LARGE glyph at five a dot.
constexpr int kPreviewSide = 240;

class GlyphPreview : public QWidget {
 public:
  GlyphPreview(GlyphClass c, const std::string& shown, QWidget* parent)
      : QWidget(parent), class_(c), shown_(shown), cell_(kPreviewSide / Info(c).width) {
    setFixedSize(cell_ * Info(c).width, cell_ * Info(c).width);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    ui::PaintDots(painter, class_, {cell_, cell_}, [this](int x, int y) { return DotAt(shown_, class_, x, y); });
  }

 private:
  GlyphClass class_;
  const std::string& shown_;
  int cell_;
};

}  // namespace

GlyphToolDialog::GlyphToolDialog(GlyphClass c, std::string base, const QString& caption, QWidget* parent)
    : QDialog(parent), class_(c), base_(std::move(base)), shown_(base_) {
  setWindowTitle(caption);
  ui::MakeFamilyModal(*this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  form_ = new QFormLayout;
  threshold_ = ui::WithId(kThresholdSpin, new QSpinBox(this));
  threshold_->setRange(1, 255);
  threshold_->setValue(InkRule{}.threshold);
  threshold_->setToolTip(QStringLiteral("これより暗い画素をドットにします"));
  connect(threshold_, &QSpinBox::valueChanged, this, [this] { Refresh(); });
  form_->addRow(QStringLiteral("しきい値"), threshold_);

  auto* buttons = new QDialogButtonBox(this);
  apply_ = ui::WithId(kApplyButton, buttons->addButton(QStringLiteral("適用"), QDialogButtonBox::AcceptRole));
  ui::WithId(kCancelButton, buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  preview_ = new GlyphPreview(c, shown_, this);
  auto* top = new QHBoxLayout;
  top->addLayout(form_);
  top->addWidget(preview_, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GlyphToolDialog::AddRow(const QString& label, QWidget* field) {
  form_->insertRow(form_->rowCount() - 1, label, field);
}

void GlyphToolDialog::Refresh() {
  shown_ = Ready() ? Result() : base_;
  apply_->setEnabled(Ready());
  preview_->update();
}

}  // namespace vtg
