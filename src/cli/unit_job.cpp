#include "cli/unit_job.h"

#include <filesystem>

#include "cli/difference_report.h"
#include "cli/network_values.h"
#include "glyphs/glyph_comparison.h"
#include "glyphs/glyph_list_file.h"
#include "link/unit_network.h"
#include "settings/document_commands.h"
#include "shell/read_all_run.h"
#include "shell/set_all_run.h"
#include "titles/line_fields.h"
#include "titles/slave_address_command.h"
#include "titles/title_command.h"

namespace vtg::cli {
namespace {

// Lines sent one after another, each once the unit answered the one before; no timer.
SequenceRun CommandLinesRun(std::vector<std::string> lines, Link& link, bool addressed) {
  SequenceRun run;
  run.period_ms = 0;
  run.last_step = static_cast<int>(lines.size());
  run.percent_divisor = run.last_step;
  run.percent_text = [](int) { return std::string(); };
  run.step = [lines = std::move(lines), &link, addressed](int s) {
    const std::string& line = lines[static_cast<std::size_t>(s - 1)];
    if (addressed)
      link.SendCommandLine(line);
    else
      link.SerialSendLine(line);
    return StepResult::Sent();
  };
  return run;
}

// A file can be put there: its folder exists. Whether it may be written shows at the end.
bool OutputFolderExists(const std::string& path) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return !std::filesystem::is_directory(path, error) &&
         (folder.empty() || std::filesystem::is_directory(folder, error));
}

}  // namespace

UnitJob::UnitJob(const CtlOptions& options, ControllerState& state, Link& link, TerminalMessages& messages,
                 SequenceEngine& engine, std::ostream& out, ShiftJisDecoder decode)
    : options_(options),
      state_(state),
      link_(link),
      messages_(messages),
      engine_(engine),
      out_(out),
      decode_(std::move(decode)) {
  ResetToDefaults(state_);
  state_.link.interface_setting = options.reach == Reach::Serial ? kRs232c : kTcpIp;
  state_.link.tcp_role = options.reach == Reach::TcpServer ? kServer : kClient;
  state_.selection.slave_index = options.slave_index;
  state_.flags.address_prefix = CommandNeeds(options.command) == Needs::Unit ? 1 : 0;
  state_.flags.link_running = 1;
  engine_.SetPace(options.pace);
  if (options.command == Command::GlyphSend || options.command == Command::GlyphRead ||
      options.command == Command::GlyphVerify)
    glyph_list_ = std::make_unique<GlyphList>(state, link, messages, engine, dialogs_, options.glyph_class);
}

int UnitJob::Prepare() {
  switch (options_.command) {
    case Command::SendAll:
      if (!ReadDocumentFile(options_.file, state_.image, messages_)) return kExitBadUsage;
      // A title the unit cannot take is refused before anything is sent, not half way.
      for (int i = 0; i < kTitles; ++i) {
        if (TitleCommand(state_.image, i, TitleMemory::Store)) continue;
        messages_.ErrorBox(std::string(kLineNames[static_cast<std::size_t>(i / kPages)]) + " page " +
                           PageField(i % kPages) + ": " + std::string(text::kNotJis));
        return kExitBadUsage;
      }
      return kExitOk;
    case Command::Verify:
      return ReadDocumentFile(options_.file, state_.image, messages_) ? kExitOk : kExitBadUsage;
    case Command::GlyphSend:
    case Command::GlyphVerify: {
      auto& store = state_.image.glyphStore(options_.glyph_class);
      if (const std::string refusal = LoadGlyphList(options_.file, options_.glyph_class, store); !refusal.empty()) {
        messages_.ErrorBox(refusal);
        return kExitBadUsage;
      }
      // The unit's glyphs are read into the store.
      if (options_.command == Command::GlyphVerify) file_glyphs_ = store;
      return kExitOk;
    }
    case Command::ReadAll:
    case Command::GlyphRead:
      if (OutputFolderExists(options_.file)) return kExitOk;
      messages_.ErrorBox(kCantFileOpen);
      return kExitBadUsage;
    default:
      return kExitOk;
  }
}

bool UnitJob::BeginLines(std::vector<std::string> lines, bool addressed) {
  return engine_.Begin(CommandLinesRun(std::move(lines), link_, addressed)) == SequenceEngine::Start::Started;
}

bool UnitJob::Begin() {
  constexpr auto kStarted = SequenceEngine::Start::Started;
  switch (options_.command) {
    case Command::SendAll:
      begun_ = engine_.Begin(SetAllItemsRun(state_, link_, messages_)) == kStarted;
      break;
    case Command::ReadAll:
      begun_ = engine_.Begin(ReadSettingItemsRun(state_, link_, messages_)) == kStarted;
      break;
    case Command::GlyphSend:
      begun_ = glyph_list_->SendAll();
      break;
    case Command::GlyphRead:
    case Command::GlyphVerify:
      begun_ = glyph_list_->ReadAll();
      break;
    case Command::Verify:
      unit_ = std::make_shared<SettingsImage>(DefaultSettingsImage());
      begun_ = engine_.Begin(ReadUnitRun(state_, link_, messages_, unit_)) == kStarted;
      break;
    case Command::Raw:
      begun_ = BeginLines({options_.raw_text + std::string(kCrLf)}, true);
      break;
    case Command::NetRead:
      begun_ = engine_.Begin(UnitNetworkReadBack(link_)) == kStarted;
      break;
    case Command::NetSet:
      begun_ = BeginLines(NetSetLines(options_.net), false);
      break;
    case Command::SetAddress:
      begun_ = BeginLines({*SlaveAddressCommand(options_.new_address)}, false);
      break;
    default:
      break;
  }
  return begun_;
}

void UnitJob::OnReply(std::string_view line, bool understood) {
  if (line.empty()) return;
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  if (options_.command == Command::Raw) {
    if (!first_reply_) first_reply_ = std::string(line.size() >= 2 ? line.substr(2) : std::string_view{});
  } else if (!understood && !unreadable_ && options_.command != Command::ReadAll &&
             options_.command != Command::Verify && options_.command != Command::GlyphRead &&
             options_.command != Command::GlyphVerify) {
    // The reads decide by their own rules: read-all and verify name what they could not read,
    // and a glyph transfer asks again for a glyph whose reply it could not take.
    unreadable_ = std::string(line);
  }
}

bool UnitJob::Settled() const {
  const bool serial_waits = state_.link.interface_setting == kRs232c && state_.flags.reply_pending;
  return begun_ && !engine_.Running() && !link_.AwaitingSocketReply() && !serial_waits;
}

int UnitJob::Conclude() {
  if (first_reply_) out_ << *first_reply_ << std::endl;
  if (messages_.Failed() || engine_.LastEnd() != SequenceEngine::End::Completed) return kExitUnitFailed;
  // The window goes on past a reply it cannot use; a script must not take that for success.
  if (unreadable_) {
    messages_.ErrorBox("the unit's reply could not be used: " + *unreadable_);
    return kExitUnitFailed;
  }
  switch (options_.command) {
    case Command::ReadAll:
      return WriteDocumentFile(options_.file, state_.image, messages_) ? kExitOk : kExitBadUsage;
    case Command::GlyphRead:
      if (const auto error =
              SaveGlyphList(options_.file, options_.glyph_class, state_.image.glyphStore(options_.glyph_class))) {
        messages_.ErrorBox(*error);
        return kExitBadUsage;
      }
      return kExitOk;
    case Command::NetRead:
      out_ << NetworkValuesText(state_.image) << std::flush;
      return kExitOk;
    case Command::Verify:
      return ReportDifferences(CompareSettings(state_.image, *unit_, decode_), out_, messages_);
    case Command::GlyphVerify:
      return ReportDifferences(
          CompareGlyphStores(options_.glyph_class, file_glyphs_, state_.image.glyphStore(options_.glyph_class)), out_,
          messages_);
    default:
      return kExitOk;
  }
}

}  // namespace vtg::cli
