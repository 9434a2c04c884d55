#pragma once
// The program's icon: the unit's front panel in small.
#include <QIcon>

namespace vtg::shell {

QIcon ProgramIcon();

}  // namespace vtg::shell
