#include "glyphs/glyph_editor_dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>
#include <array>
#include <variant>

#include "glyphs/bmp_export.h"
#include "glyphs/character_tool_dialog.h"
#include "glyphs/glyph_raster_qt.h"
#include "glyphs/picture_image.h"
#include "glyphs/picture_tool_dialog.h"
#include "link/link.h"
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

// The tools sit in a grid of twelve columns under the dots, no wider than they are.
struct ToolPlace {
  int row, column, span;
};

struct TransformButton {
  int id;
  const char* text;
  const char* tip;
  GlyphTransform transform;
  ToolPlace place;
};

constexpr std::array<TransformButton, 7> kTransformButtons{{
    {1302, "←", "左へ1ドット動かします", GlyphTransform::ShiftLeft, {0, 0, 2}},
    {1303, "→", "右へ1ドット動かします", GlyphTransform::ShiftRight, {0, 2, 2}},
    {1304, "↑", "上へ1ドット動かします", GlyphTransform::ShiftUp, {0, 4, 2}},
    {1305, "↓", "下へ1ドット動かします", GlyphTransform::ShiftDown, {0, 6, 2}},
    {1301, "反転", "セットとクリアを入れ替えます", GlyphTransform::Invert, {1, 0, 4}},
    {1306, "左右反転", "左右を入れ替えます", GlyphTransform::FlipHorizontal, {1, 4, 4}},
    {1307, "上下反転", "上下を入れ替えます", GlyphTransform::FlipVertical, {1, 8, 4}},
}};
constexpr ToolPlace kUndoPlace{0, 8, 2};
constexpr ToolPlace kRedoPlace{0, 10, 2};
constexpr std::array<ToolPlace, 3> kMakerPlaces{{{2, 0, 4}, {2, 4, 4}, {2, 8, 4}}};
constexpr int kUndoButton = 1310;
constexpr int kRedoButton = 1311;
constexpr int kFromCharacterButton = 1320;
constexpr int kFromPictureButton = 1321;
constexpr int kSavePictureButton = 1322;

constexpr FileFilter kPictureFilter{"画像(*.png *.bmp *.jpg *.jpeg)", "*.png *.bmp *.jpg *.jpeg"};

const EditorControls& ControlsOf(GlyphClass c) { return kEditorControls[static_cast<std::size_t>(c)]; }

}  // namespace

GlyphEditorDialog::GlyphEditorDialog(ui::AppContext& app, GlyphClass c, QWidget* parent, FileDialogs* file_dialogs)
    : SettingsDialog(app, {ui::ToQString(kGlyphEditorCaption), ui::ToQString(EditorLayout(c).caption), 1}, parent),
      editor_(app.state, app.link, app.messages, c),
      platform_file_dialogs_(this),
      file_dialogs_(file_dialogs ? *file_dialogs : platform_file_dialogs_) {
  editor_.Open();
  // A glyph that arrives replaces the drawing, and with it what undo could go back to.
  app.link.SetGlyphRepaint([self = QPointer<GlyphEditorDialog>(this)] {
    if (self) self->Refresh();
  });

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  grid_ = ui::WithId(ControlsOf(c).grid, new ui::GlyphGrid(editor_, c, frame));
  auto* frame_layout = new QVBoxLayout(frame);
  frame_layout->setContentsMargins(frame->frameWidth(), frame->frameWidth(), frame->frameWidth(), frame->frameWidth());
  frame_layout->addWidget(grid_);
  connect(grid_, &ui::GlyphGrid::strokeEnded, this, &GlyphEditorDialog::Refresh);

  QPushButton* clear = Button(kClearButton, QStringLiteral("バッファクリア"));
  connect(clear, &QPushButton::clicked, this, [this] {
    if (editor_.ClearBuffer()) Refresh();
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

  QWidget* tools = ToolGroup();
  tools->setFixedWidth(frame->sizeHint().width());
  auto* drawing = new QVBoxLayout;
  drawing->addWidget(frame);
  drawing->addWidget(tools);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(drawing);
  layout->addLayout(side);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Refresh();
}

QWidget* GlyphEditorDialog::ToolGroup() {
  auto* group = new QGroupBox(QStringLiteral("ツール"));
  auto* grid = new QGridLayout(group);
  const auto put = [grid](QWidget* button, ToolPlace at) { grid->addWidget(button, at.row, at.column, 1, at.span); };
  for (const TransformButton& row : kTransformButtons) {
    QPushButton* button = Button(row.id, QString::fromUtf8(row.text));
    button->setToolTip(QString::fromUtf8(row.tip));
    connect(button, &QPushButton::clicked, this, [this, transform = row.transform] {
      if (editor_.Transform(transform)) Refresh();
    });
    put(button, row.place);
  }
  undo_ = Button(kUndoButton, QStringLiteral("元に戻す"));
  undo_->setToolTip(QStringLiteral("Ctrl+Z"));
  redo_ = Button(kRedoButton, QStringLiteral("やり直し"));
  redo_->setToolTip(QStringLiteral("Ctrl+Y, Ctrl+Shift+Z"));
  const auto undo = [this] {
    if (editor_.Undo()) Refresh();
  };
  const auto redo = [this] {
    if (editor_.Redo()) Refresh();
  };
  connect(undo_, &QPushButton::clicked, this, undo);
  connect(redo_, &QPushButton::clicked, this, redo);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this, undo);
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, redo);

  QPushButton* from_character = Button(kFromCharacterButton, QStringLiteral("文字から作成…"));
  connect(from_character, &QPushButton::clicked, this, &GlyphEditorDialog::FromCharacter);
  QPushButton* from_picture = Button(kFromPictureButton, QStringLiteral("画像から作成…"));
  connect(from_picture, &QPushButton::clicked, this, &GlyphEditorDialog::FromPicture);
  QPushButton* save_picture = Button(kSavePictureButton, QStringLiteral("画像に保存…"));
  connect(save_picture, &QPushButton::clicked, this, [this] {
    ExportDrawing(app().messages, file_dialogs_, editor_.glyph_class(), state().glyph.glyph_index, editor_.Drawing(),
                  ui::PngBytes);
  });
  put(undo_, kUndoPlace);
  put(redo_, kRedoPlace);
  put(from_character, kMakerPlaces[0]);
  put(from_picture, kMakerPlaces[1]);
  put(save_picture, kMakerPlaces[2]);
  return group;
}

void GlyphEditorDialog::FromCharacter() {
  // The sample's character, without the selector that tells code page duplicates apart.
  const QList<uint> sample = Cp932BytesToText(state().glyph.sample_char).toUcs4();
  const char32_t first = sample.isEmpty() ? 0 : sample.front();
  const QString character = first ? QString::fromUcs4(&first, 1) : QString();
  CharacterToolDialog tool(editor_.glyph_class(), editor_.Drawing(), character, this);
  if (tool.exec() == QDialog::Accepted && editor_.Apply(tool.Result())) Refresh();
}

void GlyphEditorDialog::FromPicture() {
  const auto path = file_dialogs_.ChooseFileToOpen({"画像ファイルを開く", {kPictureFilter, kAllFilesFilter}, ""});
  if (!path) return;
  auto picture = ui::ReadPicture(ui::ToQString(*path));
  if (const auto* refusal = std::get_if<std::string>(&picture)) {
    app().messages.ErrorBox(*refusal);
    return;
  }
  PictureToolDialog tool(editor_.glyph_class(), editor_.Drawing(), std::get<QImage>(std::move(picture)),
                         QFileInfo(ui::ToQString(*path)).fileName(), this);
  if (tool.exec() == QDialog::Accepted && editor_.Apply(tool.Result())) Refresh();
}

void GlyphEditorDialog::Refresh() {
  grid_->update();
  undo_->setEnabled(editor_.CanUndo());
  redo_->setEnabled(editor_.CanRedo());
}

QWidget* GlyphEditorDialog::NumberGroup(GlyphClass c) {
  auto* number = ui::WithId(ControlsOf(c).number, new QComboBox(this));
  for (int i = 0; i < Info(c).count; ++i) number->addItem(ui::ToQString(editor_.NumberText(i)));
  number->setCurrentIndex(state().glyph.glyph_index);
  connect(number, &QComboBox::currentIndexChanged, this, [this](int index) {
    editor_.ChooseNumber(index);
    Refresh();
  });

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
