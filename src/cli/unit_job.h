#pragma once
// One command against a unit, on the core: what it reads before the link opens, the run it
// starts on the one engine, and what it saves or prints once the run and the wait for its
// last reply are over.
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/ctl_options.h"
#include "cli/terminal_messages.h"
#include "glyphs/glyph_list.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/sequence_engine.h"
#include "settings/controller_state.h"
#include "titles/readable_title.h"

namespace vtg::cli {

// The command line names every file; no dialog is ever asked to choose one.
class NoFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
};

class UnitJob {
 public:
  // Sets `state` up for the command: defaults, the interface, the slave address and
  // whether the address goes in front of the lines. `decode` shows titles that differ.
  UnitJob(const CtlOptions& options, ControllerState& state, Link& link, TerminalMessages& messages, SequenceEngine& engine,
          std::ostream& out, ShiftJisDecoder decode = {});

  // Before the link opens: reads the command's input and checks where its output goes.
  // kExitOk, or kExitBadUsage after telling why.
  int Prepare();
  // The unit can be reached: starts the run. False when it did not start (told why).
  bool Begin();
  // Every reply line as it came and whether it was understood; an empty line when a wait
  // ended without one.
  void OnReply(std::string_view line, bool understood);
  // The run has ended and no reply is awaited any more.
  bool Settled() const;
  // Once settled: saves or prints what the run got and gives the exit status.
  int Conclude();

 private:
  bool BeginLines(std::vector<std::string> lines, bool addressed);

  const CtlOptions& options_;
  ControllerState& state_;
  Link& link_;
  TerminalMessages& messages_;
  SequenceEngine& engine_;
  std::ostream& out_;
  ShiftJisDecoder decode_;
  NoFileDialogs dialogs_;
  std::unique_ptr<GlyphList> glyph_list_;
  bool begun_ = false;
  std::optional<std::string> unreadable_;  // the first reply the interpreter could not use
  std::optional<std::string> first_reply_;  // raw: without its address and line end
  std::shared_ptr<SettingsImage> unit_;      // verify: what the unit holds; the document is the state's
  std::vector<std::string> file_glyphs_;     // glyph-verify: the file's; the unit's go to the state
};

}  // namespace vtg::cli
