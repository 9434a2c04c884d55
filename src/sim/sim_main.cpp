// vtg7300-sim: simulated VTG-7300 title generators on TCP, a pseudo-terminal or a serial port.
#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>

#include "shell/option_scanner.h"
#include "sim/pty_link.h"
#include "sim/quit_on_signals.h"
#include "sim/serial_link.h"
#include "sim/sim_log.h"
#include "sim/sim_options.h"
#include "sim/simulated_unit_server.h"
#include "sim/state_file.h"
#include "sim/state_saver.h"
#include "sim/unit_client.h"

namespace {

using namespace vtg::sim;

constexpr int kBadUsage = 2;

int Fail(const QString& message, int code = 1) {
  std::cerr << "vtg7300-sim: " << message.toStdString() << '\n';
  return code;
}

void Announce(const QString& text) {
  std::cout << text.toStdString() << std::endl;  // flushed: whoever started us reads it
}

// Creates a link that saves the state whenever a unit on it changes, and keeps it.
template <typename Link, typename... Args>
Link* AddLink(std::vector<std::unique_ptr<QObject>>& links, const std::function<void()>& save_state,
              Args&&... args) {
  auto link = std::make_unique<Link>(std::forward<Args>(args)...);
  QObject::connect(link.get(), &Link::unitsChanged, save_state);
  links.push_back(std::move(link));
  return static_cast<Link*>(links.back().get());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (vtg::AnswerHelpOrVersion(args, "vtg7300-sim", SimUsage(), std::cout)) return 0;
  const ParsedOptions parsed = ParseSimOptions(args);
  if (!parsed.options)
    return Fail(QString::fromStdString(parsed.error) + QStringLiteral("\n(vtg7300-sim --help shows the usage)"),
                kBadUsage);
  const SimOptions& options = *parsed.options;

  std::vector<SimulatedUnit> units;
  for (int address : options.addresses)
    units.emplace_back(address, UnitOptions{.refuse_glyph_reads_while_auto_switching = options.auto_switching});
  if (!options.state_file.empty() && std::filesystem::exists(options.state_file))
    if (const std::string error = LoadUnits(options.state_file, units); !error.empty())
      return Fail(QString::fromStdString(error));
  std::vector<SimulatedUnit*> unit_pointers;
  for (SimulatedUnit& unit : units) unit_pointers.push_back(&unit);

  SimLog log;
  SimLog* log_or_null = nullptr;
  if (!options.log_file.empty()) {
    QString error;
    if (!log.open(QString::fromStdString(options.log_file), &error)) return Fail(error);
    log_or_null = &log;
  }
  StateSaver saver(options.state_file, units);
  const std::function<void()> save_state = [&] {
    if (!options.state_file.empty()) saver.noteChange();
  };
  const LinkSettings settings{options.pacing, options.faults};
  const QString host = QString::fromStdString(options.host);
  const QString path = QString::fromStdString(options.path);
  QuitOnSignals quit_on_signals;
  std::vector<std::unique_ptr<QObject>> links;

  switch (options.mode) {
    case LinkMode::kListen: {
      const QHostAddress address(host == QStringLiteral("localhost") ? QStringLiteral("127.0.0.1") : host);
      if (address.isNull()) return Fail(QStringLiteral("--listen wants an IP address, not %1").arg(host), kBadUsage);
      auto* server = AddLink<SimulatedUnitServer>(links, save_state, unit_pointers, settings, log_or_null);
      if (!server->start(address, static_cast<quint16>(options.port)))
        return Fail(QStringLiteral("cannot listen on %1:%2: %3").arg(host).arg(options.port).arg(server->errorString()));
      Announce(QStringLiteral("listening on %1:%2").arg(server->address().toString()).arg(server->port()));
      break;
    }
    case LinkMode::kConnect: {
      auto gave_up = std::make_shared<std::size_t>(0);
      for (std::size_t i = 0; i < unit_pointers.size(); ++i) {
        auto* client = AddLink<UnitClient>(links, save_state, unit_pointers[i], static_cast<int>(i + 1), host,
                                           static_cast<quint16>(options.port), settings, log_or_null);
        QObject::connect(client, &UnitClient::gaveUp, [gave_up, &unit_pointers, &options] {
          if (++*gave_up < unit_pointers.size()) return;
          std::cerr << "vtg7300-sim: cannot reach " << options.host << ':' << options.port << '\n';
          QCoreApplication::exit(1);
        });
        client->start();
      }
      Announce(QStringLiteral("connecting to %1:%2").arg(host).arg(options.port));
      break;
    }
    case LinkMode::kPty: {
      auto* pty = AddLink<PtyLink>(links, save_state, unit_pointers, settings, log_or_null);
      QString error;
      if (!pty->open(path, &error)) return Fail(error);
      Announce(QStringLiteral("pty at %1 -> %2").arg(path, pty->devicePath()));
      break;
    }
    case LinkMode::kSerial: {
      auto* serial = AddLink<SerialLink>(links, save_state, unit_pointers, settings, log_or_null);
      QString error;
      if (!serial->open(path, &error)) return Fail(error);
      Announce(QStringLiteral("serial port %1 open at 9600 8E1").arg(path));
      break;
    }
  }
  const int status = app.exec();
  saver.flush();
  return status;
}
