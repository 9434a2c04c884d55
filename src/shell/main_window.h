#pragma once
// The controller's one top-level window: the front panel, the menu that opens the dialogs,
// the reply watchdog, and the way out.
#include <QMainWindow>
#include <QTimer>
#include <map>

#include "ui/app_context.h"
#include "ui/dialog_registry.h"

class QAction;

namespace vtg::shell {

class FrontPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(ui::AppContext& app, const ui::DialogRegistry& registry);

  // The caption follows the TCP/IP role.
  void RefreshCaption();
  // A menu command, as if chosen from the menu.
  void RunCommand(int id);
  // One 500 ms tick of the serial reply watchdog.
  void OnWatchdogTick();

 protected:
  void showEvent(QShowEvent* event) override;
  // The program ends when this window closes; the questions may keep it open.
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildMenu();
  void UpdateMenuEnabling();

  ui::AppContext& app_;
  const ui::DialogRegistry& registry_;
  FrontPanel* panel_;
  QTimer watchdog_;
  std::map<int, QAction*> actions_;
};

}  // namespace vtg::shell
