#include "glyphs/character_tool_dialog.h"

#include <array>

#include "ui/control_id.h"

namespace vtg {
namespace {

constexpr int kCharacterEdit = 1340;
constexpr int kFamilyCombo = 1341;
constexpr int kWeightCombo = 1342;
constexpr int kSizeSpin = 1343;
constexpr int kAcrossSpin = 1344;
constexpr int kDownSpin = 1345;

struct WeightChoice {
  const char* text;
  int weight;
};

constexpr std::array<WeightChoice, 4> kWeights{{{"細字", 300}, {"標準", 400}, {"太字", 700}, {"極太", 900}}};
constexpr int kNormalWeight = 1;

QSpinBox* DotSpin(int id, int low, int high, int value, QWidget* parent) {
  auto* spin = ui::WithId(id, new QSpinBox(parent));
  spin->setRange(low, high);
  spin->setValue(value);
  spin->setSuffix(QStringLiteral(" ドット"));
  return spin;
}

}  // namespace

CharacterToolDialog::CharacterToolDialog(GlyphClass c, std::string base, const QString& character, QWidget* parent)
    : GlyphToolDialog(c, std::move(base), QStringLiteral("文字から作成"), parent) {
  const int w = Info(c).width;
  character_ = ui::WithId(kCharacterEdit, new QLineEdit(character, this));
  // One character, two UTF-16 units beyond the basic plane.
  character_->setMaxLength(2);
  character_->setFocus();
  family_ = ui::WithId(kFamilyCombo, new QFontComboBox(this));
  family_->setCurrentFont(QFont(ui::DefaultCharacterFamily()));
  weight_ = ui::WithId(kWeightCombo, new QComboBox(this));
  for (const WeightChoice& choice : kWeights) weight_->addItem(QString::fromUtf8(choice.text), choice.weight);
  weight_->setCurrentIndex(kNormalWeight);
  size_ = DotSpin(kSizeSpin, 4, 2 * w, w - 2, this);
  dx_ = DotSpin(kAcrossSpin, -w, w, 0, this);
  dy_ = DotSpin(kDownSpin, -w, w, 0, this);
  dx_->setToolTip(QStringLiteral("右へ動かすドット数"));
  dy_->setToolTip(QStringLiteral("下へ動かすドット数"));

  AddRow(QStringLiteral("文字"), character_);
  AddRow(QStringLiteral("フォント"), family_);
  AddRow(QStringLiteral("太さ"), weight_);
  AddRow(QStringLiteral("大きさ"), size_);
  AddRow(QStringLiteral("横位置"), dx_);
  AddRow(QStringLiteral("縦位置"), dy_);
  connect(character_, &QLineEdit::textChanged, this, [this] { Refresh(); });
  connect(family_, &QFontComboBox::currentFontChanged, this, [this] { Refresh(); });
  connect(weight_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  for (QSpinBox* spin : {size_, dx_, dy_}) connect(spin, &QSpinBox::valueChanged, this, [this] { Refresh(); });
  Refresh();
}

ui::CharacterStyle CharacterToolDialog::Style() const {
  return {family_->currentFont().family(), weight_->currentData().toInt(), size_->value(), dx_->value(), dy_->value(),
          threshold()};
}

bool CharacterToolDialog::Ready() const { return character_->text().toUcs4().size() == 1; }

std::string CharacterToolDialog::Result() const {
  return ui::GlyphFromCharacter(glyph_class(), base(), character_->text(), Style());
}

}  // namespace vtg
