#include "shell/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace vtg::shell {

void PaintProgramIcon(QPainter& p) {
  // The front panel's colours and proportions; strokes on half pixels stay sharp at 32 x 32.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(QColor(255, 255, 204));
  p.drawRect(QRectF(1.5, 7.5, 29, 15));
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
  p.drawLine(QLineF(3, 11, 22, 11));
  p.drawLine(QLineF(26, 11, 28, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x22, 0x22, 0x22));
  p.drawRect(QRectF(4, 23, 5, 3));
  p.drawRect(QRectF(22, 23, 5, 3));
}

QIcon ProgramIcon() {
  QPixmap picture(kIconGrid, kIconGrid);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  PaintProgramIcon(p);
  p.end();
  return QIcon(picture);
}

}  // namespace vtg::shell
