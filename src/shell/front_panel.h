#pragma once
// A small picture of the unit's front panel with the name of the current settings document.
#include <QWidget>

#include "settings/controller_state.h"

namespace vtg::shell {

class FrontPanel : public QWidget {
  Q_OBJECT
 public:
  explicit FrontPanel(const ControllerState& state, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ControllerState& state_;
};

}  // namespace vtg::shell
