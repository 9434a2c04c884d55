#include "shell/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace vtg::shell {

QIcon ProgramIcon() {
  // Drawn on a 32 x 32 grid, the front panel's colours and proportions.
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setPen(QColor(0x50, 0x50, 0x50));
  p.setBrush(QColor(255, 255, 204));
  p.drawRect(1, 7, 29, 15);
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
  p.drawLine(3, 11, 22, 11);
  p.drawLine(26, 11, 28, 11);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x22, 0x22, 0x22));
  p.drawRect(4, 23, 5, 3);
  p.drawRect(22, 23, 5, 3);
  p.end();
  return QIcon(picture);
}

}  // namespace vtg::shell
