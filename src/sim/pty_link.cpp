#include "sim/pty_link.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "sim/sim_log.h"

namespace vtg::sim {

PtyLink::PtyLink(std::vector<SimulatedUnit*> units, LinkSettings settings, SimLog* log, QObject* parent)
    : QObject(parent), units_(std::move(units)), settings_(std::move(settings)), log_(log) {}

PtyLink::~PtyLink() {
  readable_.reset();
  writable_.reset();
  // Remove the link only while it still points at this run's device.
  if (!link_path_.isEmpty() && QFile::symLinkTarget(link_path_) == device_) QFile::remove(link_path_);
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

bool PtyLink::open(const QString& link_path, QString* error) {
  auto fail = [&](const QString& what) {
    *error = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  };
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) return fail(QStringLiteral("cannot create a pseudo-terminal"));
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return fail(QStringLiteral("cannot unlock the pseudo-terminal"));
  const char* name = ::ptsname(master_);
  if (!name) return fail(QStringLiteral("cannot name the pseudo-terminal"));
  device_ = QString::fromLocal8Bit(name);
  slave_ = ::open(name, O_RDWR | O_NOCTTY);
  if (slave_ < 0) return fail(QStringLiteral("cannot open %1").arg(device_));
  termios raw{};
  if (::tcgetattr(slave_, &raw) != 0) return fail(QStringLiteral("cannot read the line settings"));
  ::cfmakeraw(&raw);
  if (::tcsetattr(slave_, TCSANOW, &raw) != 0) return fail(QStringLiteral("cannot set raw mode"));
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);

  const QFileInfo existing(link_path);
  if (existing.exists() && !existing.isSymLink()) {
    *error = QStringLiteral("%1 exists and is not a symbolic link; not replacing it").arg(link_path);
    return false;
  }
  const QByteArray temporary = QFile::encodeName(link_path + QStringLiteral(".tmp"));
  ::unlink(temporary.constData());
  if (::symlink(name, temporary.constData()) != 0 || ::rename(temporary.constData(), QFile::encodeName(link_path)) != 0)
    return fail(QStringLiteral("cannot link %1").arg(link_path));
  link_path_ = link_path;

  link_ = new UnitLink(logName(), units_, settings_, log_,
                       [this](const QByteArray& bytes) { writeMaster(bytes); }, this);
  connect(link_, &UnitLink::unitsChanged, this, &PtyLink::unitsChanged);
  readable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
  connect(readable_.get(), &QSocketNotifier::activated, this, &PtyLink::readMaster);
  writable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Write);
  writable_->setEnabled(false);
  connect(writable_.get(), &QSocketNotifier::activated, this, &PtyLink::flushUnsent);
  return true;
}

void PtyLink::readMaster() {
  char chunk[4096];
  const ssize_t n = ::read(master_, chunk, sizeof chunk);
  if (n > 0) {
    link_->receive(QByteArray(chunk, static_cast<qsizetype>(n)));
  } else if (n == 0 || errno != EAGAIN) {
    // A pseudo-terminal that fails now would fail on every wake-up; stop listening to it.
    if (log_) log_->record(logName(), Traffic::Event, {}, "read failed; no longer reading");
    readable_->setEnabled(false);
  }
}

void PtyLink::writeMaster(const QByteArray& bytes) {
  if (unsent_.size() + bytes.size() > kMaxUnsent) {
    if (log_)
      log_->record(logName(), Traffic::Event, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                   "reply dropped: not read");
    return;
  }
  unsent_ += bytes;
  flushUnsent();
}

void PtyLink::flushUnsent() {
  while (!unsent_.isEmpty()) {
    const ssize_t n = ::write(master_, unsent_.constData(), static_cast<size_t>(unsent_.size()));
    if (n <= 0) break;  // full: wait until the pseudo-terminal takes more
    unsent_.remove(0, static_cast<qsizetype>(n));
  }
  writable_->setEnabled(!unsent_.isEmpty());
}

}  // namespace vtg::sim
