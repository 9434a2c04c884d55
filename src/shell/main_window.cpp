#include "shell/main_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLayout>
#include <QMenuBar>

#include "glyphs/glyph_file_actions.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/watchdog.h"
#include "shell/corner_entry.h"
#include "shell/exit_flow.h"
#include "shell/front_panel.h"
#include "shell/menu_table.h"
#include "shell/start_up.h"
#include "ui/control_id.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_text.h"

namespace vtg::shell {

MainWindow::MainWindow(ui::AppContext& app, const ui::DialogRegistry& registry)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      app_(app),
      registry_(registry),
      panel_(new FrontPanel(app.state, this)) {
  setObjectName(QStringLiteral("mainWindow"));
  app_.state.flags.link_running = 1;
  setCentralWidget(panel_);
  BuildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(0, 0);
  RefreshCaption();
  watchdog_.setInterval(kWatchdogPeriodMs);
  connect(&watchdog_, &QTimer::timeout, this, &MainWindow::OnWatchdogTick);
}

void MainWindow::BuildMenu() {
  menuBar()->setObjectName(QStringLiteral("IDM_MENU"));
  QMenu* menu = nullptr;
  QMenu* submenu = nullptr;
  for (const MenuItem& item : kMenuItems) {
    if (!menu || menu->title() != ui::ToQString(item.menu)) {
      menu = menuBar()->addMenu(ui::ToQString(item.menu));
      connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateMenuEnabling);
      submenu = nullptr;
    }
    if (item.separator_before) menu->addSeparator();
    QMenu* target = menu;
    if (!item.submenu.empty()) {
      if (!submenu || submenu->title() != ui::ToQString(item.submenu)) submenu = menu->addMenu(ui::ToQString(item.submenu));
      target = submenu;
    } else {
      submenu = nullptr;
    }
    QAction* action = ui::WithId(item.id, target->addAction(ui::ToQString(item.text)));
    const int id = item.id;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[id] = action;
  }
  UpdateMenuEnabling();
}

void MainWindow::UpdateMenuEnabling() {
  for (auto& [id, action] : actions_)
    action->setEnabled(MenuItemEnabled(id, app_.state.link.interface_setting) &&
                       (id == kCmdExit || registry_.Has(id)));
  panel_->update();
}

void MainWindow::RefreshCaption() { setWindowTitle(ui::ToQString(WindowCaption(app_.state.link.tcp_role))); }

void MainWindow::RunCommand(int id) {
  if (id == kCmdExit) {
    close();
    return;
  }
  const MenuItem* item = FindMenuItem(id);
  if (item && item->rs232c_only && app_.state.link.interface_setting != kRs232c) {
    app_.messages.StopBox(text::kUseRs232c);
    return;
  }
  registry_.Open(id, app_, this);
  // The client/server dialog may have changed the role; a document command the file name.
  RefreshCaption();
  panel_->update();
}

void MainWindow::OnWatchdogTick() { app_.link.OnWatchdogTick(); }

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!watchdog_.isActive()) watchdog_.start();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const ui::DocumentSave& save = registry_.documentSave();
  const SaveDocument save_document = save ? SaveDocument([&] { return save(app_, this); }) : SaveDocument();
  ui::QtFileDialogs dialogs(this);
  const SaveGlyphs save_glyphs = [&](GlyphClass c) {
    return SaveGlyphListFileOrAs(app_.state, app_.messages, dialogs, c);
  };
  if (!MayExit(app_.state, app_.messages, save_document, save_glyphs)) {
    event->ignore();
    return;
  }
  watchdog_.stop();
  event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  // Never passed on: the window shows no context menu.
  event->accept();
  std::optional<ClickPoint> at;
  if (event->reason() != QContextMenuEvent::Keyboard) at = ClickPoint{event->pos().x(), event->pos().y()};
  if (CountCornerClick(app_.state.corner_clicks, at)) RunCommand(kCmdReadSettings);
}

}  // namespace vtg::shell
