#pragma once
// The program's icon: the unit's front panel in small.
#include <QIcon>

class QPainter;

namespace vtg::shell {

inline constexpr int kIconGrid = 32;

// Draws the icon on a kIconGrid x kIconGrid square; the icon files are drawn by the same code.
void PaintProgramIcon(QPainter& p);

QIcon ProgramIcon();

}  // namespace vtg::shell
