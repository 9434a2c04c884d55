// vtg7300: the controller's window.
#include <QApplication>
#include <QCommandLineParser>

#include "shell/main_window.h"
#include "shell/registered_dialogs.h"
#include "ui/application.h"

namespace {

vtg::ui::ApplicationOptions ParseOptions(const QApplication& qt) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("VTG-7300 controller"));
  parser.addHelpOption();
  const QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Use FILE as the configuration file."),
                                  QStringLiteral("FILE"));
  const QCommandLineOption device(QStringLiteral("serial-device"),
                                  QStringLiteral("Offer DEVICE in the RS-232C settings (may be repeated)."),
                                  QStringLiteral("DEVICE"));
  parser.addOption(config);
  parser.addOption(device);
  parser.process(qt);
  vtg::ui::ApplicationOptions options;
  options.config_path = parser.value(config);
  for (const QString& name : parser.values(device)) options.serial_devices.push_back(name.toStdString());
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vtg7300"));
  vtg::ui::Application app(ParseOptions(qt));
  vtg::shell::RegisterDialogs(app.registry());

  vtg::shell::MainWindow window(app.context(), app.registry());
  window.show();
  app.PrepareState();
  window.RefreshCaption();
  app.OpenSerialPort();
  QObject::connect(&window, &vtg::shell::MainWindow::exitConfirmed, &qt, [&app] { app.Shutdown(); });
  return QApplication::exec();
}
