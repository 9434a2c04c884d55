// vtg7300ctl: the controller without a window, for scripts and many units.
#include <QCoreApplication>
#include <QTimer>
#include <iostream>
#include <vector>

#include "cli/ctl_options.h"
#include "cli/file_commands.h"
#include "cli/glyph_drawing_command.h"
#include "cli/server_units.h"
#include "cli/terminal_messages.h"
#include "cli/unit_session.h"
#include "shell/option_scanner.h"
#include "ui/cp932_text.h"

namespace {

using namespace vtg::cli;

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (vtg::AnswerHelpOrVersion(args, "vtg7300ctl", CtlUsage(), std::cout)) return kExitOk;
  const ParsedCommandLine parsed = ParseCtlOptions(args);
  if (!parsed.options) {
    std::cerr << "vtg7300ctl: " << parsed.error << "\n(vtg7300ctl --help shows the usage)\n";
    return kExitBadUsage;
  }
  const CtlOptions& options = *parsed.options;
  if (CommandNeeds(options.command) == Needs::Drawing) {
    TerminalMessages messages(std::cerr);
    return RunGlyphDrawingCommand(options, messages);
  }
  QCoreApplication app(argc, argv);
  // Only these show titles; they would print every title as unknown bytes.
  const bool shows_titles =
      options.command == Command::DocShow || options.command == Command::Diff || options.command == Command::Verify;
  if (shows_titles && !vtg::Cp932ConversionAvailable()) {
    std::cerr << "vtg7300ctl: " << vtg::kNoCp932ConversionText << '\n';
    return kExitBadUsage;
  }
  if (CommandNeeds(options.command) == Needs::Nothing) {
    TerminalMessages messages(std::cerr);
    return RunFileCommand(options, messages, std::cout, vtg::Cp932BytesToUtf8);
  }
  if (options.units || options.wait_ms) {
    ServerUnits units(options, vtg::Cp932BytesToUtf8);
    QTimer::singleShot(0, &units, &ServerUnits::Start);
    return app.exec();
  }
  UnitSession session(options, vtg::Cp932BytesToUtf8);
  QTimer::singleShot(0, &session, &UnitSession::Start);
  return app.exec();
}
