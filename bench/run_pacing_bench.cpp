// Set All Items and Read Setting Items at their real pacing, over the socket link to
// vtg7300-sim on loopback: wall time and CPU time of each run next to its pacing floor, and
// the shortest and longest time between two steps. Not a test: it takes about five minutes
// at the timer pace. With --log-window the traffic log window stays open through the runs
// (run it with QT_QPA_PLATFORM=offscreen where there is no display).
//
//   vtg_run_pacing_bench [--sim PATH] [--only set|read] [--pace timer|reply] [--line-rate BAUD]
//                        [--log-window]
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "link/qt_log_clock.h"
#include "link/qt_reply_timer.h"
#include "link/tcp_transport.h"
#include "link/traffic_log_window.h"
#include "settings/config_file.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "ui/sequence_runner.h"

namespace vtg {
namespace {

constexpr int kUnitAddress = 5;
constexpr int kStartWaitMs = 15000;

// The boxes a run ends with, printed instead of shown.
class PrintedMessages : public Messages {
 public:
  void Show(Box, std::string_view text) override { std::printf("  box: %.*s\n", int(text.size()), text.data()); }
  bool Ask(Question, std::string_view) override { return true; }
};

class NoConfiguration : public ProfileStore {
 public:
  std::optional<std::string> Read(std::string_view) const override { return std::nullopt; }
  void Write(std::string_view, std::string_view) override {}
};

double OwnCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// User plus system time of another process, from /proc; 0 where it cannot be read.
double ProcessCpuSeconds(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return 0;
  const QByteArray text = stat.readAll();
  // The fields after the command name, which is in parentheses and may hold blanks.
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 13) return 0;
  return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

struct Controller {
  ControllerState state;
  PrintedMessages messages;
  Link link{state, messages};
  QtReplyTimer reply_timer{link};
  TcpTransport tcp{state, link, messages};
  NoConfiguration profile;
  QStringList no_ports;
  ui::AppContext app{state, messages, link, profile, no_ports, &tcp};
};

struct Measured {
  int steps = 0;
  double wall_s = 0, cpu_s = 0, unit_cpu_s = 0;
  double shortest_gap_ms = 1e9, longest_gap_ms = 0;
  bool completed = false;
};

Measured Measure(Controller& c, SequenceRun run, Pace pace, qint64 unit_pid) {
  Measured m;
  QElapsedTimer clock;
  std::vector<qint64> step_at_ns;
  run.step = [inner = run.step, &clock, &step_at_ns](int s) {
    step_at_ns.push_back(clock.nsecsElapsed());
    return inner(s);
  };
  ui::SequenceRunner runner(c.app, nullptr, nullptr, nullptr);
  runner.engine().SetPace(pace);
  QEventLoop loop;
  runner.OnEnd([&](SequenceEngine::End how) {
    m.completed = how == SequenceEngine::End::Completed;
    loop.quit();
  });
  const double cpu_before = OwnCpuSeconds(), unit_before = ProcessCpuSeconds(unit_pid);
  clock.start();
  if (runner.Begin(std::move(run)) != SequenceEngine::Start::Started) return m;
  loop.exec();
  // The run ends once its last line is out; the operator's wait ends with its reply.
  while (c.link.AwaitingSocketReply()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  m.wall_s = double(clock.nsecsElapsed()) / 1e9;
  m.cpu_s = OwnCpuSeconds() - cpu_before;
  m.unit_cpu_s = ProcessCpuSeconds(unit_pid) - unit_before;
  m.steps = int(step_at_ns.size());
  for (std::size_t i = 1; i < step_at_ns.size(); ++i) {
    const double gap = double(step_at_ns[i] - step_at_ns[i - 1]) / 1e6;
    m.shortest_gap_ms = std::min(m.shortest_gap_ms, gap);
    m.longest_gap_ms = std::max(m.longest_gap_ms, gap);
  }
  return m;
}

void Report(const char* name, const Measured& m, double floor_s) {
  std::printf("%-20s %5d %9.2f %9.2f %+8.2f %8.3f %8.3f %9.1f %9.1f %8.2f %s\n", name, m.steps, m.wall_s, floor_s,
              m.wall_s - floor_s, m.cpu_s, m.unit_cpu_s, m.shortest_gap_ms, m.longest_gap_ms,
              m.wall_s * 1000 / std::max(1, m.steps), m.completed ? "completed" : "ABORTED");
}

// Starts the unit listening on a free loopback port; the port, or 0.
quint16 StartUnit(QProcess& unit, const QString& program, QStringList options) {
  unit.start(program, options << QStringLiteral("--address") << QStringLiteral("05") << QStringLiteral("--listen")
                              << QStringLiteral("127.0.0.1:0"));
  if (!unit.waitForReadyRead(kStartWaitMs)) return 0;
  const auto port = QRegularExpression(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"))
                        .match(QString::fromUtf8(unit.readLine()));
  return port.hasMatch() ? port.captured(1).toUShort() : 0;
}

bool Connect(Controller& c, quint16 port) {
  ResetToDefaults(c.state);
  c.link.AttachSocket(&c.tcp, &c.reply_timer);
  c.state.link.interface_setting = kTcpIp;
  c.state.link.host_list = {{127, 0, 0, 1}};
  c.state.link.selected_peer = 0;
  c.state.link.tcp_port_text = std::to_string(port);
  c.state.selection.slave_index = kUnitAddress;
  QEventLoop loop;
  QObject::connect(&c.tcp, &TcpTransport::connected, &loop, &QEventLoop::quit);
  QTimer::singleShot(kStartWaitMs, &loop, &QEventLoop::quit);
  if (!c.tcp.ConnectToHost()) return false;
  if (!c.state.link.tcp_connected) loop.exec();
  return c.state.link.tcp_connected != 0;
}

}  // namespace
}  // namespace vtg

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption sim_option(QStringLiteral("sim"), QStringLiteral("The simulated unit program."),
                                      QStringLiteral("PATH"),
                                      QCoreApplication::applicationDirPath() + QStringLiteral("/vtg7300-sim"));
  const QCommandLineOption only_option(QStringLiteral("only"), QStringLiteral("Run only \"set\" or \"read\"."),
                                       QStringLiteral("RUN"));
  const QCommandLineOption pace_option(QStringLiteral("pace"), QStringLiteral("timer (the default) or reply."),
                                       QStringLiteral("PACE"), QStringLiteral("timer"));
  const QCommandLineOption rate_option(QStringLiteral("line-rate"),
                                       QStringLiteral("The unit's replies paced like a serial line of BAUD."),
                                       QStringLiteral("BAUD"));
  const QCommandLineOption log_option(QStringLiteral("log-window"), QStringLiteral("The traffic log window open."));
  parser.addOptions({sim_option, only_option, pace_option, rate_option, log_option});
  parser.process(qt);
  const QString only = parser.value(only_option);
  const bool by_reply = parser.value(pace_option) == QStringLiteral("reply");
  const vtg::Pace pace = by_reply ? vtg::Pace::Reply : vtg::Pace::Timer;

  QProcess unit;
  QStringList unit_options;
  if (parser.isSet(rate_option)) unit_options << QStringLiteral("--line-rate") << parser.value(rate_option);
  const quint16 port = vtg::StartUnit(unit, parser.value(sim_option), unit_options);
  vtg::Controller c;
  if (port == 0 || !vtg::Connect(c, port)) {
    std::fprintf(stderr, "cannot start or reach %s\n", qPrintable(parser.value(sim_option)));
    return 1;
  }
  vtg::TrafficLog log(vtg::LocalClockMs);
  std::unique_ptr<vtg::TrafficLogWindow> log_window;
  if (parser.isSet(log_option)) {
    c.link.SetTrafficLog(&log);
    log_window = std::make_unique<vtg::TrafficLogWindow>(log);
    log_window->show();
  }
  std::printf("%-20s %5s %9s %9s %8s %8s %8s %9s %9s %8s\n", "run", "steps", "wall s", "floor s", "over s", "cpu s",
              "unit cpu", "min gap", "max gap", "ms/line");
  if (only.isEmpty() || only == QStringLiteral("set")) {
    const auto m = vtg::Measure(c, vtg::SetAllItemsRun(c.state, c.link, c.messages), pace, unit.processId());
    vtg::Report("Set All Items", m, by_reply ? 0 : 256 * 0.6 + 28 * 1.2);
  }
  if (only.isEmpty() || only == QStringLiteral("read")) {
    const auto m = vtg::Measure(c, vtg::ReadSettingItemsRun(c.state, c.link, c.messages), pace, unit.processId());
    vtg::Report("Read Setting Items", m, by_reply ? 0 : 286 * 0.4);
  }
  c.tcp.CloseAllSockets();
  unit.terminate();
  unit.waitForFinished(vtg::kStartWaitMs);
  return 0;
}
