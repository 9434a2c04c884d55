#include "glyphs/glyph_editor_dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <array>

#include "ui/cp932_byte_limit.h"
#include "ui/cp932_text.h"
#include "ui/qt_text.h"
#include "ui/slave_address_combo.h"

namespace vtg {
namespace {

struct EditorControls {
  int grid;
  int number;
  int register_button;
  int read_button;
};

// LARGE, MEDIUM, SMALL.
constexpr std::array<EditorControls, 3> kEditorControls{{
    {1150, 1060, 1068, 1077},
    {1179, 1180, 1183, 1186},
    {1181, 1182, 1184, 1185},
}};

constexpr int kClearButton = 1064;
constexpr int kSampleEdit = 1076;
constexpr int kSampleReadButton = 1075;
constexpr int kCloseButton = 2;
// One double-byte character.
constexpr std::size_t kSampleBytes = 2;

const EditorControls& ControlsOf(GlyphClass c) { return kEditorControls[static_cast<std::size_t>(c)]; }

}  // namespace

GlyphEditorDialog::GlyphEditorDialog(ui::AppContext& app, GlyphClass c, QWidget* parent)
    : SettingsDialog(app, {ui::ToQString(kGlyphEditorCaption), ui::ToQString(EditorLayout(c).caption), 1}, parent),
      editor_(app.state, app.link, app.messages, c) {
  editor_.Open();

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  grid_ = ui::WithId(ControlsOf(c).grid, new ui::GlyphGrid(editor_, c, frame));
  auto* frame_layout = new QVBoxLayout(frame);
  frame_layout->setContentsMargins(frame->frameWidth(), frame->frameWidth(), frame->frameWidth(), frame->frameWidth());
  frame_layout->addWidget(grid_);

  QPushButton* clear = Button(kClearButton, QStringLiteral("バッファクリア"));
  connect(clear, &QPushButton::clicked, this, [this] {
    if (editor_.ClearBuffer()) grid_->update();
  });
  QPushButton* close = Button(kCloseButton, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* side = new QVBoxLayout;
  side->addWidget(clear);
  side->addWidget(NumberGroup(c));
  side->addWidget(Group(QStringLiteral("Slave Address"),
                        {new ui::SlaveAddressCombo(app.state, ui::SlaveAddressCombo::Entries::WithBroadcast, this)}));
  side->addWidget(SampleGroup());
  side->addStretch(1);
  side->addWidget(close);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frame, 0, Qt::AlignTop);
  layout->addLayout(side);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* GlyphEditorDialog::NumberGroup(GlyphClass c) {
  auto* number = ui::WithId(ControlsOf(c).number, new QComboBox(this));
  for (int i = 0; i < Info(c).count; ++i) number->addItem(ui::ToQString(editor_.NumberText(i)));
  number->setCurrentIndex(state().glyph.glyph_index);
  connect(number, &QComboBox::currentIndexChanged, this, [this](int index) { editor_.ChooseNumber(index); });

  QPushButton* send = Button(ControlsOf(c).register_button, QStringLiteral("登録"));
  connect(send, &QPushButton::clicked, this, [this] { editor_.Register(); });
  QPushButton* read = Button(ControlsOf(c).read_button, QStringLiteral("リード"));
  connect(read, &QPushButton::clicked, this, [this] { editor_.Read(); });
  return Group(QStringLiteral("登録番号"), {number, send, read}, Qt::Vertical);
}

QWidget* GlyphEditorDialog::SampleGroup() {
  auto* sample = ui::WithId(kSampleEdit, new QLineEdit(this));
  auto* note = new ui::RefusedCharacterNote(sample, this);
  sample->setValidator(new Cp932ByteLimit([](std::size_t bytes) { return bytes <= kSampleBytes; }, note, sample));
  // The sample outlives the dialog; the box shows what a sample read would ask for.
  sample->setText(Cp932BytesToText(state().glyph.sample_char));
  connect(sample, &QLineEdit::textChanged, this,
          [this](const QString& text) { editor_.SetSampleText(TextToCp932Bytes(text).value_or(std::string())); });

  QPushButton* read = Button(kSampleReadButton, QStringLiteral("リード"));
  connect(read, &QPushButton::clicked, this, [this] { editor_.ReadSample(); });
  auto* row = new QWidget(this);
  auto* row_layout = new QHBoxLayout(row);
  row_layout->setContentsMargins(0, 0, 0, 0);
  row_layout->addWidget(sample);
  row_layout->addWidget(read);
  return Group(QStringLiteral("サンプル"), {row, note}, Qt::Vertical);
}

void GlyphEditorDialog::done(int result) {
  editor_.Close();
  SettingsDialog::done(result);
}

void GlyphEditorDialog::mousePressEvent(QMouseEvent* event) {
  grid_->PointerDown(event->button(), grid_->mapFrom(this, event->position().toPoint()));
}

void GlyphEditorDialog::mouseMoveEvent(QMouseEvent* event) {
  grid_->PointerMove(grid_->mapFrom(this, event->position().toPoint()));
}

void GlyphEditorDialog::mouseReleaseEvent(QMouseEvent* event) { grid_->PointerUp(event->button()); }

}  // namespace vtg
