// The server role under hostile peers: 96 units connect; one answers the controller's runs,
// now and then dropping, refusing or garbling a reply; the others send garbage, split and
// overlong lines and close abruptly, and four more find the table full. Every run must end,
// the client table must match the live connections, and nothing may crash. Loopback only,
// bounded in count and time.
#include <QEventLoop>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>
#include <set>

#include "dice.h"
#include "free_tcp_port.h"
#include "invariants.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "sim/unit_link.h"
#include "socket_controller.h"
#include "titles/title_runs.h"

namespace vtg {
namespace {

constexpr int kRogues = 95;  // with the chosen unit, the 96 records
constexpr int kLatecomers = 4;
constexpr int kRuns = 16;
// Once the rogues have made this many connections, they keep the ones they have.
constexpr int kMaxRogueConnections = 2000;
constexpr int kChosenAddress = 5;
constexpr int kTickMs = 2;
constexpr int kRogueActionMs = 2;
constexpr int kRogueActions = 6;  // each time
constexpr int kWaitMs = 20000;
constexpr int kRunLimitMs = 90000;

// Each rogue connection comes from a loopback address of its own, so the client table names it.
QString SourceAddress(int connection) {
  return QStringLiteral("127.1.%1.%2").arg(connection / 250).arg(connection % 250 + 1);
}

// The unit the controller talks to: a simulated unit behind a real socket from 127.0.0.1,
// whose replies leave in two pieces a moment apart.
class ChosenUnit {
 public:
  ChosenUnit(quint16 port, sim::FaultPlan faults)
      : link_("chosen", {&unit_}, {{}, std::move(faults)}, nullptr, [this](const QByteArray& b) {
          Reply(b);
        }) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { link_.receive(socket_.readAll()); });
    socket_.connectToHost(QHostAddress::LocalHost, port);
    // As vtg7300-sim does: a reply's second half waits for no acknowledgement of the first.
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  }

  void CloseAbruptly() { socket_.abort(); }
  bool Connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
  // Lives as long as this unit: what is planned for it is dropped with it.
  QObject* Context() { return &socket_; }

 private:
  void Reply(const QByteArray& bytes) {
    const qsizetype half = bytes.size() / 2;
    socket_.write(bytes.left(half));
    socket_.flush();
    const QByteArray rest = bytes.mid(half);
    QTimer::singleShot(1, &socket_, [this, rest] { socket_.write(rest); });
  }

  sim::SimulatedUnit unit_{kChosenAddress};
  QTcpSocket socket_;
  sim::UnitLink link_;
};

// A peer that never answers anything: it sends what no unit would and comes back after
// every close, each time from a new address.
class RogueUnit {
 public:
  RogueUnit(quint16 port, int& next_connection, std::uint32_t seed)
      : port_(port), next_connection_(next_connection), dice_(seed) {
    Connect();
  }

  void Act() {
    if (!Connected()) {
      if (next_connection_ < kMaxRogueConnections) Connect();
      return;
    }
    const int action = dice_.Below(40);
    if (action < 2 && next_connection_ < kMaxRogueConnections) {
      if (action == 0)
        socket_->abort();
      else
        socket_->disconnectFromHost();
    } else if (action < 20) {
      socket_->write(Garbage());
    } else if (action < 34) {
      socket_->write(SplitLine());
    } else if (action < 37) {
      socket_->write(Overlong());
    }
  }

  void Close() { socket_->disconnectFromHost(); }
  bool Connected() const { return socket_->state() == QAbstractSocket::ConnectedState; }
  std::string Address() const { return address_.toStdString(); }

 private:
  void Connect() {
    const int connection = next_connection_++;
    address_ = SourceAddress(connection);
    socket_ = std::make_unique<QTcpSocket>();
    socket_->bind(QHostAddress(address_));
    socket_->connectToHost(QHostAddress::LocalHost, port_);
  }

  QByteArray Garbage() {
    QByteArray bytes(1 + dice_.Below(64), '\0');
    for (char& b : bytes) b = static_cast<char>(dice_.Below(256));
    return bytes;
  }
  // A reply-like line whose end comes in a later write; the start of the next one may follow.
  QByteArray SplitLine() {
    static const QByteArray kPieces[] = {"05G", "O\r\n", "05CWL", "3\r", "\n05E3", "\r\n", "FBML", "\n"};
    return kPieces[dice_.Below(8)];
  }
  QByteArray Overlong() { return QByteArray(600 + dice_.Below(2000), 'A') + (dice_.Below(2) ? "\r\n" : ""); }

  quint16 port_;
  int& next_connection_;
  testing::Dice dice_;
  QString address_;
  std::unique_ptr<QTcpSocket> socket_;
};

// The dialog side of the runs: the engine ticks on a short timer whatever period a run asks.
class FastTicks : public SequenceView {
 public:
  void Drive(SequenceEngine& engine) { QObject::connect(&timer_, &QTimer::timeout, [&engine] { engine.Tick(); }); }
  void StartTimer(int) override { timer_.start(kTickMs); }
  void StopTimer() override { timer_.stop(); }
  void SetCloseEnabled(bool) override {}
  void ShowProgress(int, std::string_view) override {}

 private:
  QTimer timer_;
};

class ServerSoak : public QObject {
  Q_OBJECT
 private slots:
  void hostilePeersLeaveTheRunsAndTheTableSound();

 private:
  void Start();
  bool ChooseNewUnit(sim::FaultPlan faults);
  // The records in use are exactly the live connections, each from its own address.
  bool TableMatchesConnections() const;
  void CheckTableChange();
  SequenceRun RunNumber(int i);

  testing::SocketController c;
  FastTicks ticks;
  SequenceEngine engine{c.state, c.link, c.messages, ticks};
  int completed = 0;
  int aborted = 0;
  quint16 port = 0;
  int next_connection = 0;
  std::unique_ptr<ChosenUnit> chosen;
  std::vector<std::unique_ptr<RogueUnit>> rogues;
  QTimer rogue_actions;
  testing::Dice dice{7};
  // Record → peer as last seen; a peer once gone never comes back.
  std::map<int, int> records;
  std::set<int> gone_peers;
  QString table_fault;
};

bool ServerSoak::TableMatchesConnections() const {
  std::multiset<std::string> live;
  if (chosen && chosen->Connected()) live.insert("127.0.0.1");
  for (const auto& rogue : rogues)
    if (rogue->Connected()) live.insert(rogue->Address());
  std::multiset<std::string> held;
  const ClientTable& table = c.state.client_table;
  for (int r = 1; r < kClientRecords; ++r)
    if (table[r].in_use) held.insert(table[r].address_text);
  return live == held && table.InUseCount() == static_cast<int>(held.size());
}

void ServerSoak::CheckTableChange() {
  const ClientTable& table = c.state.client_table;
  if (const auto broken = testing::BrokenClientTableRule(table)) table_fault = QString::fromStdString(*broken);
  std::map<int, int> now;
  for (int r = 1; r < kClientRecords; ++r)
    if (table[r].in_use) now[r] = table[r].peer_socket;
  for (const auto& [record, peer] : records) {
    const auto it = now.find(record);
    if (it != now.end() && it->second != peer) table_fault = QStringLiteral("record %1 reused while live").arg(record);
    bool still_held = false;
    for (const auto& [r, p] : now) still_held |= p == peer;
    if (!still_held) gone_peers.insert(peer);
  }
  for (const auto& [record, peer] : now)
    if (gone_peers.count(peer)) table_fault = QStringLiteral("peer %1 came back in record %2").arg(peer).arg(record);
  records = std::move(now);
}

void ServerSoak::Start() {
  port = testing::FreeTcpPort();
  c.state.link.tcp_role = kServer;
  c.state.link.selected_peer = -1;
  c.state.selection.slave_index = kChosenAddress;
  c.link.SetTiming({300, 20});
  c.UsePort(port);
  ticks.Drive(engine);
  QObject::connect(&c.tcp, &TcpTransport::clientsChanged, [this] { CheckTableChange(); });
  QObject::connect(&rogue_actions, &QTimer::timeout, [this] {
    for (int i = 0; i < kRogueActions; ++i) rogues[static_cast<std::size_t>(dice.Below(kRogues))]->Act();
  });
}

// What the server dialog does when the operator picks a unit: a new one joins from
// 127.0.0.1 and is chosen. Rogues wait meanwhile; one makes room when the table is full.
bool ServerSoak::ChooseNewUnit(sim::FaultPlan faults) {
  rogue_actions.stop();
  if (!QTest::qWaitFor([this] { return TableMatchesConnections(); }, kWaitMs)) return false;
  if (c.state.client_table.FreeRecord() == 0) {
    rogues.front()->Close();
    if (!QTest::qWaitFor([this] { return c.state.client_table.FreeRecord() != 0; }, kWaitMs)) return false;
  }
  chosen = std::make_unique<ChosenUnit>(port, std::move(faults));
  int record = 0;
  const bool joined = QTest::qWaitFor(
      [&] {
        for (int r = 1; r < kClientRecords && record == 0; ++r)
          if (c.state.client_table[r].in_use && c.state.client_table[r].address_text == "127.0.0.1") record = r;
        return record != 0;
      },
      kWaitMs);
  if (!joined) return false;
  c.state.link.selected_peer = record;
  c.state.link.tcp_connected = 1;
  rogue_actions.start(kRogueActionMs);
  return true;
}

SequenceRun ServerSoak::RunNumber(int i) {
  switch (i % 4) {
    case 0: return ReadSettingItemsRun(c.state, c.link, c.messages);
    case 1: return SetAllItemsRun(c.state, c.link, c.messages);
    case 2: return CharSizeRun(c.link, c.state.image);
    default: return TitleDisplayRun(c.link, c.state.image);
  }
}

void ServerSoak::hostilePeersLeaveTheRunsAndTheTableSound() {
  Start();
  QVERIFY(c.tcp.StartServer());

  // The table fills: the chosen unit first, then the rogues; latecomers find no room.
  QVERIFY(ChooseNewUnit({}));
  rogue_actions.stop();
  for (int i = 0; i < kRogues; ++i)
    rogues.push_back(std::make_unique<RogueUnit>(port, next_connection, static_cast<std::uint32_t>(i + 1)));
  QTRY_COMPARE_WITH_TIMEOUT(c.state.client_table.InUseCount(), kRogues + 1, kWaitMs);
  std::vector<std::unique_ptr<QTcpSocket>> latecomers;
  for (int i = 0; i < kLatecomers; ++i) {
    latecomers.push_back(std::make_unique<QTcpSocket>());
    latecomers.back()->connectToHost(QHostAddress::LocalHost, port);
  }
  for (const auto& late : latecomers)
    QTRY_COMPARE_WITH_TIMEOUT(late->state(), QAbstractSocket::UnconnectedState, kWaitMs);
  QCOMPARE(c.state.client_table.InUseCount(), kRogues + 1);
  QVERIFY(TableMatchesConnections());

  // The runs, with the rogues at work. The chosen unit breaks its connection in some runs
  // and is replaced once more halfway, each new one with other faults.
  const sim::FaultPlan plans[] = {{}, {131, 0, "E3"}, {0, 61, "E3"}, {0, 7, "#?~"}};
  std::size_t incarnation = 0;
  rogue_actions.start(kRogueActionMs);
  for (int i = 0; i < kRuns; ++i) {
    if (!chosen->Connected() || i == kRuns / 2) {
      if (chosen->Connected()) chosen->CloseAbruptly();
      QVERIFY2(ChooseNewUnit(plans[++incarnation % std::size(plans)]), "no room for a new chosen unit");
    }
    QEventLoop until_end;
    bool ended = false;
    engine.OnEnd([&](SequenceEngine::End how) {
      ++(how == SequenceEngine::End::Completed ? completed : aborted);
      ended = true;
      until_end.quit();
    });
    QCOMPARE(engine.Begin(RunNumber(i)), SequenceEngine::Start::Started);
    if (i % 5 == 3) {
      ChosenUnit* unit = chosen.get();
      QTimer::singleShot(300 + dice.Below(400), unit->Context(), [unit] { unit->CloseAbruptly(); });
    }
    QTimer::singleShot(kRunLimitMs, &until_end, &QEventLoop::quit);
    until_end.exec();
    QVERIFY2(ended, "a run did not end");
    QCOMPARE(c.state.flags.sequence_step, 0);
    // As the operator waits for the box of the last reply before the next run.
    QVERIFY(QTest::qWaitFor([this] { return !c.link.AwaitingSocketReply(); }, kWaitMs));
    QVERIFY2(table_fault.isEmpty(), qPrintable(table_fault));
    if (const auto broken = testing::BrokenStateRule(c.state)) QFAIL(broken->c_str());
    rogue_actions.stop();
    QVERIFY2(QTest::qWaitFor([this] { return TableMatchesConnections(); }, kWaitMs),
             "the client table does not match the live connections");
    rogue_actions.start(kRogueActionMs);
  }
  rogue_actions.stop();

  c.tcp.CloseAllSockets();
  QCOMPARE(c.state.client_table.InUseCount(), 0);
  QVERIFY2(table_fault.isEmpty(), qPrintable(table_fault));
  QCOMPARE(completed + aborted, kRuns);
  QVERIFY(completed > 0);
  QVERIFY(aborted > 0);
  qInfo("server soak: %d rogue connections, %d sequences completed, %d aborted", next_connection, completed, aborted);
}

}  // namespace
}  // namespace vtg

QTEST_GUILESS_MAIN(vtg::ServerSoak)
#include "server_soak_test.moc"
