// vtg7300-icons OUTDIR: the program's icon as the files of the hicolor theme, for installing.
// The SVG is drawn by the code that draws the window's icon; each PNG is rendered from the SVG.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <cstdio>

#include "shell/program_icon.h"

namespace {

constexpr int kPngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WriteSvg(const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(vtg::shell::kIconGrid, vtg::shell::kIconGrid));
  svg.setViewBox(QRect(0, 0, vtg::shell::kIconGrid, vtg::shell::kIconGrid));
  svg.setTitle(QStringLiteral("vtg7300"));
  QPainter p;
  if (!p.begin(&svg)) return false;
  vtg::shell::PaintProgramIcon(p);
  return p.end();
}

bool WritePng(QSvgRenderer& svg, int size, const QString& path) {
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p);
  p.end();
  return picture.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: vtg7300-icons OUTDIR\n", stderr);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const QString svg_path = out.filePath(QStringLiteral("scalable/apps/vtg7300.svg"));
  bool ok = out.mkpath(QStringLiteral("scalable/apps")) && WriteSvg(svg_path);
  QSvgRenderer svg(svg_path);
  ok = ok && svg.isValid();
  for (int size : kPngSizes) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    ok = ok && out.mkpath(folder) && WritePng(svg, size, out.filePath(folder + QStringLiteral("/vtg7300.png")));
  }
  if (!ok) std::fprintf(stderr, "vtg7300-icons: cannot write the icons in %s\n", argv[1]);
  return ok ? 0 : 1;
}
