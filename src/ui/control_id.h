#pragma once
// Every control is named after its id ("id1094", "id2" for Close) so that tests and tools
// find the real widget.
#include <QObject>
#include <QString>

namespace vtg::ui {

inline QString ControlName(int id) { return QStringLiteral("id%1").arg(id); }

template <class W>
W* WithId(int id, W* control) {
  control->setObjectName(ControlName(id));
  return control;
}

}  // namespace vtg::ui
