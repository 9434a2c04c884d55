#include "shell/front_panel.h"

#include <QPainter>
#include <algorithm>

#include "settings/document_commands.h"
#include "ui/qt_text.h"

namespace vtg::shell {
namespace {

constexpr int kWidth = 640;
constexpr int kFeetBottom = 151;
constexpr QPoint kFileNameAt{124, 132};
const QColor kPanel(255, 255, 204);
const QColor kFeet(0x22, 0x22, 0x22);
const QColor kPrint(0x50, 0x50, 0x50);

}  // namespace

FrontPanel::FrontPanel(const ControllerState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName(QStringLiteral("frontPanel"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setFixedSize(kWidth, std::max(kFeetBottom, kFileNameAt.y() + fontMetrics().height()));
}

void FrontPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QPen(kPanel, 1));
  p.setBrush(kPanel);
  p.drawRect(0, 0, 629, 131);

  p.setPen(Qt::NoPen);
  p.setBrush(kFeet);
  p.drawRect(60, 133, 60, 17);
  p.drawRect(510, 133, 60, 17);

  p.setPen(QPen(kPrint, 3));
  p.drawLine(12, 24, 513, 24);
  p.drawLine(567, 24, 618, 24);

  const auto text_at = [&](QPoint at, const QString& text) {
    p.drawText(QRect(at, QSize(kWidth - at.x(), fontMetrics().height())), Qt::AlignLeft | Qt::AlignTop, text);
  };
  p.setPen(kPrint);
  text_at({234, 2}, QStringLiteral("TITLE GENERATOR"));
  text_at({519, 18}, QStringLiteral("POWER"));
  text_at(kFileNameAt, ui::ToQString(DocumentNameText(state_.doc)));
}

}  // namespace vtg::shell
