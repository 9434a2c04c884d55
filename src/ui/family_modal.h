#pragma once
// Dialogs and boxes are modal to the family of windows they belong to (their parent, its
// parent, up to the main window): every window of the controller waits for them, and the
// traffic log, a window without a parent, stays usable beside them. One without a parent
// is modal to every window.
#include <QDialog>

namespace vtg::ui {

inline void MakeFamilyModal(QDialog& dialog) {
  dialog.setWindowModality(dialog.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
}

}  // namespace vtg::ui
