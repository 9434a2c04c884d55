#include "shell/demo_unit.h"

namespace vtg::shell {

DemoUnit::DemoUnit() : unit_(0), server_({&unit_}) {}

bool DemoUnit::Start(QString& error) {
  if (server_.start(QHostAddress::LocalHost, 0)) return true;
  error = server_.errorString();
  return false;
}

}  // namespace vtg::shell
