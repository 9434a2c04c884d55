#include "cli/glyph_drawing_command.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include "cli/file_commands.h"
#include "glyphs/glyph_raster_qt.h"

namespace vtg::cli {

int RunGlyphDrawingCommand(const CtlOptions& options, Messages& messages) {
  // Fonts and image readers need a platform; this one needs no screen. Qt sees none of the
  // command line, so that no file name is taken for one of its own options.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  char program[] = "vtg7300ctl";
  char* qt_argv[] = {program, nullptr};
  int qt_argc = 1;
  QGuiApplication app(qt_argc, qt_argv);
  const GlyphClass c = options.glyph_class;
  std::string glyph;
  if (options.command == Command::GlyphFromFont) {
    ui::CharacterStyle style;
    style.family = options.font.empty() ? ui::DefaultCharacterFamily() : QString::fromStdString(options.font);
    if (!QFontDatabase::hasFamily(style.family)) {
      messages.ErrorBox("フォントがありません: " + style.family.toStdString());
      return kExitBadUsage;
    }
    glyph = ui::GlyphFromCharacter(c, BlankGlyph(c), QString::fromStdString(options.character), style);
  } else {
    auto picture = ui::ReadPicture(QFile::decodeName(options.picture_file.c_str()));
    if (const auto* refusal = std::get_if<std::string>(&picture)) {
      messages.ErrorBox(*refusal);
      return kExitBadUsage;
    }
    glyph = ui::GlyphFromPicture(c, BlankGlyph(c), std::get<QImage>(picture), {InkRule{}.threshold, options.invert});
  }
  return StoreGlyphInListFile(options, glyph, messages);
}

}  // namespace vtg::cli
