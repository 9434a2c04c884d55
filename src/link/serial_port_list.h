#pragma once
// The serial ports the operator may choose from; com_port_index points into this list.
#include <QStringList>

namespace vtg {

inline constexpr int kMaxListedPorts = 20;
inline constexpr int kMaxPortName = 31;

// The ports the system reports, in name order so that an index stays valid from one start
// to the next, followed by the device paths the operator named (a pseudo-terminal link is
// never reported by the system).
QStringList ListSerialPorts(const QStringList& named_paths = {});

// At most kMaxListedPorts system names, each cut to kMaxPortName characters, then the named
// paths whole (a path cut short names another file), without repeats.
QStringList BoundPortList(const QStringList& system_names, const QStringList& named_paths);

}  // namespace vtg
