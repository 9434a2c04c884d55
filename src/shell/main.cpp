// vtg7300: the controller's window.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTemporaryDir>
#include <iostream>
#include <memory>
#include <optional>

#include "link/tcp_transport.h"
#include "shell/demo_unit.h"
#include "shell/main_window.h"
#include "shell/program_icon.h"
#include "shell/registered_dialogs.h"
#include "shell/start_up.h"
#include "sim/quit_on_signals.h"
#include "ui/application.h"
#include "ui/cp932_text.h"
#include "ui/qt_text.h"
#include "vtg_version.h"

namespace {

struct Options {
  vtg::ui::ApplicationOptions application;
  bool demo = false;
};

std::optional<Options> ParseOptions(const QApplication& qt) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("VTG-7300 controller"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption demo(QStringLiteral("demo"),
                                QStringLiteral("Talk to a simulated unit inside the program, over TCP/IP."));
  const QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Use FILE as the configuration file."),
                                  QStringLiteral("FILE"));
  const QCommandLineOption device(QStringLiteral("serial-device"),
                                  QStringLiteral("Offer DEVICE in the RS-232C settings (may be repeated)."),
                                  QStringLiteral("DEVICE"));
  parser.addOptions({demo, config, device});
  // process() answers --help, --help-all and --version, but would end a usage error with status 1.
  if (!parser.parse(qt.arguments()) || !parser.positionalArguments().isEmpty()) {
    const QString error = parser.errorText().isEmpty()
                              ? QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first())
                              : parser.errorText();
    std::cerr << "vtg7300: " << error.toStdString() << "\n(vtg7300 --help shows the usage)\n";
    return std::nullopt;
  }
  parser.process(qt);
  Options options;
  options.demo = parser.isSet(demo);
  options.application.config_path = parser.value(config);
  options.application.serial_devices = parser.values(device);
  return options;
}

// Without the conversion the title and sample boxes would refuse every character.
int RefuseToStartWithoutCp932() {
  std::cerr << "vtg7300: " << vtg::kNoCp932ConversionText << '\n';
  const QString platform = QGuiApplication::platformName();
  if (platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal")) {
    QApplication::beep();
    QMessageBox::critical(nullptr, QStringLiteral("Error"), vtg::ui::ToQString(vtg::kNoCp932ConversionText));
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setWindowIcon(vtg::shell::ProgramIcon());
  QApplication::setApplicationName(QStringLiteral("vtg7300"));
  QApplication::setApplicationVersion(QString::fromUtf8(vtg::kVersion.data(), vtg::kVersion.size()));
  std::optional<Options> parsed = ParseOptions(qt);
  if (!parsed) return 2;
  Options& options = *parsed;
  if (!vtg::Cp932ConversionAvailable()) return RefuseToStartWithoutCp932();

  // The demo's configuration must not replace the operator's own.
  std::optional<QTemporaryDir> demo_folder;
  if (options.demo && options.application.config_path.isEmpty()) {
    demo_folder.emplace();
    options.application.config_path = demo_folder->filePath(QStringLiteral("vtg7300.ini"));
  }
  std::unique_ptr<vtg::shell::DemoUnit> demo_unit;
  if (options.demo) {
    demo_unit = std::make_unique<vtg::shell::DemoUnit>();
    QString error;
    if (!demo_unit->Start(error)) {
      std::cerr << "vtg7300: the simulated unit cannot listen: " << error.toStdString() << '\n';
      return 1;
    }
  }

  vtg::ui::Application app(options.application);
  vtg::shell::RegisterDialogs(app.registry());
  vtg::shell::MainWindow window(app.context(), app.registry());
  app.SetMainWindow(&window);
  window.show();
  app.LoadState();
  if (demo_unit) vtg::UseLoopbackUnit(app.state().link, demo_unit->port());
  window.RefreshCaption();
  app.ListSerialPorts();
  app.OpenSerialPort();
  if (demo_unit) {
    QObject::connect(&app.tcp(), &vtg::TcpTransport::connected, [port = demo_unit->port()] {
      std::cout << "vtg7300: connected to the simulated unit on 127.0.0.1:" << port << std::endl;
    });
    app.tcp().ConnectToHost();
  }

  // SIGINT and SIGTERM end the program as closing the window would, without its questions.
  const vtg::sim::QuitOnSignals quit_on_signals;
  const int code = QApplication::exec();
  app.Shutdown();
  return code;
}
