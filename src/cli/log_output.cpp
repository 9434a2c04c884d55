#include "cli/log_output.h"

#include <cerrno>
#include <cstring>

namespace vtg::cli {

bool LogOutput::OpenFile(const std::string& path) {
  path_ = path;
  file_.open(path, std::ios::app | std::ios::binary);
  if (file_.is_open()) return true;
  messages_.Plain("vtg7300ctl: cannot open the log " + path + ": " + std::strerror(errno));
  return false;
}

void LogOutput::Write(std::string_view line) {
  if (echo_) messages_.Plain(line);
  if (!file_.is_open() || failed_) return;
  file_ << line << '\n';
  file_.flush();
  if (file_) return;
  failed_ = true;
  messages_.Plain("vtg7300ctl: cannot write the log " + path_ + "; it ends here, the command goes on");
}

}  // namespace vtg::cli
