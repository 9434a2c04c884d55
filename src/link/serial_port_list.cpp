#include "link/serial_port_list.h"

#include <QSerialPortInfo>

namespace vtg {

QStringList ListSerialPorts(const QStringList& named_paths) {
  QStringList system_names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) system_names << info.portName();
  system_names.sort();
  return BoundPortList(system_names, named_paths);
}

QStringList BoundPortList(const QStringList& system_names, const QStringList& named_paths) {
  QStringList list;
  for (const QString& name : system_names.mid(0, kMaxListedPorts)) list << name.left(kMaxPortName);
  for (const QString& path : named_paths)
    if (!path.isEmpty() && !list.contains(path)) list << path;
  return list;
}

}  // namespace vtg
