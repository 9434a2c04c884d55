#include "settings/document_commands.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "scratch_folder.h"
#include "settings/replace_file.h"
#include "settings/settings_document.h"
#include "text_builders.h"
#include "wired_controller.h"

namespace vtg {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

class DocumentCommands : public ::testing::Test, public testing::WiredController {
 protected:
  std::string Path(const char* name) const { return scratch / name; }
  std::string DocumentOf(const SettingsImage& image) { return std::get<std::string>(FormatDocument(image)); }
  std::size_t FilesInDir() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }

  testing::ScratchFolder scratch;
  const fs::path& dir = scratch.path();
};

TEST_F(DocumentCommands, NewAsksOnlyWhenModifiedAndNoKeepsEverything) {
  state.image.white_level = 0;
  state.doc.doc_file_name = "a.dat";
  EXPECT_EQ(NewDocument(state, messages), DocumentResult::Done);
  EXPECT_TRUE(messages.asked.empty());
  EXPECT_EQ(state.image.white_level, 3);
  EXPECT_EQ(DocumentNameText(state.doc), "File Name ");

  state.image.white_level = 0;
  state.doc = {"b.dat", 1};
  messages.answer = false;
  EXPECT_EQ(NewDocument(state, messages), DocumentResult::Cancelled);
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0].first, Question::UnsavedData);
  EXPECT_EQ(messages.asked[0].second, "データを保存せずに新規作成しますか？");
  EXPECT_EQ(state.image.white_level, 0);
  EXPECT_EQ(DocumentNameText(state.doc), "b.dat");
}

TEST_F(DocumentCommands, NewAndOpenWaitForARunningSequence) {
  state.doc.doc_modified = 1;
  state.flags.sequence_step = 12;
  dialogs.choice = Path("x.dat");
  EXPECT_EQ(NewDocument(state, messages), DocumentResult::Busy);
  EXPECT_EQ(OpenDocument(state, messages, dialogs), DocumentResult::Busy);
  EXPECT_TRUE(messages.asked.empty());
  EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(DocumentCommands, OpenReadsTheImageAndTakesTheName) {
  SettingsImage varied = state.image;
  varied.edge_level = 2;
  varied.title_text[9] = testing::Pair(0x889F);
  WriteFile(Path("v.dat"), DocumentOf(varied));
  dialogs.choice = Path("v.dat");
  state.doc.doc_modified = 1;
  EXPECT_EQ(OpenDocument(state, messages, dialogs), DocumentResult::Done);
  EXPECT_EQ(messages.asked[0].second, "データを保存せずに別のファイルを開きますか？");
  EXPECT_EQ(state.image.edge_level, 2);
  EXPECT_EQ(state.image.title_text[9], varied.title_text[9]);
  EXPECT_EQ(state.doc.doc_file_name, Path("v.dat"));
  EXPECT_EQ(state.doc.doc_modified, 0);
}

TEST_F(DocumentCommands, OpenFailuresChangeNothing) {
  state.image.white_level = 1;
  state.doc = {"old.dat", 1};
  const ControllerState before = state;
  std::string malformed = DocumentOf(state.image);
  malformed.replace(0, 1, "7");
  WriteFile(Path("bad.dat"), malformed);
  struct Case {
    std::optional<std::string> choice;
    DocumentResult result;
    std::string message;
  };
  const Case cases[] = {
      {std::nullopt, DocumentResult::Cancelled, ""},
      {Path("missing.dat"), DocumentResult::Failed, "Can't file open"},
      {dir.string(), DocumentResult::Failed, "Can't file open"},
      {Path("bad.dat"), DocumentResult::Failed, "設定ファイルの1行目の値 7 は 0～1 の範囲外です。"},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    dialogs.choice = c.choice;
    EXPECT_EQ(OpenDocument(state, messages, dialogs), c.result);
    EXPECT_EQ(messages.shown.empty() ? "" : messages.shown[0].text, c.message);
    EXPECT_EQ(state.image, before.image);
    EXPECT_EQ(state.doc.doc_file_name, "old.dat");
    EXPECT_EQ(state.doc.doc_modified, 1);
  }
}

TEST_F(DocumentCommands, SaveAsAddsTheExtensionWhenMissing) {
  struct Case {
    const char* typed;
    const char* stored;
  };
  const Case cases[] = {{"plain", "plain.dat"}, {"a.dat", "a.dat"}, {"b.data", "b.data"}, {"c.DAT", "c.DAT.dat"},
                        {"d.dat.bak", "d.dat.bak"}};
  for (const Case& c : cases) {
    state.doc.doc_modified = 1;
    dialogs.choice = Path(c.typed);
    EXPECT_EQ(SaveDocumentAs(state, messages, dialogs), DocumentResult::Done) << c.typed;
    EXPECT_EQ(state.doc.doc_file_name, Path(c.stored));
    EXPECT_EQ(state.doc.doc_modified, 0);
    EXPECT_EQ(ReadFile(Path(c.stored)), DocumentOf(state.image));
  }
  EXPECT_TRUE(messages.asked.empty());
  EXPECT_EQ(FilesInDir(), 5u);
}

TEST_F(DocumentCommands, SaveAsAsksBeforeReplacingTheNameItAdded) {
  WriteFile(Path("keep.dat"), "old");
  dialogs.choice = Path("keep");
  messages.answer = false;
  state.doc.doc_modified = 1;
  EXPECT_EQ(SaveDocumentAs(state, messages, dialogs), DocumentResult::Cancelled);
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0].first, Question::ReplaceFile);
  EXPECT_EQ(messages.asked[0].second, Path("keep.dat") + " は既に存在します。\n上書きしますか？");
  EXPECT_EQ(ReadFile(Path("keep.dat")), "old");
  EXPECT_EQ(state.doc.doc_modified, 1);
  messages.answer = true;
  EXPECT_EQ(SaveDocumentAs(state, messages, dialogs), DocumentResult::Done);
  EXPECT_EQ(ReadFile(Path("keep.dat")), DocumentOf(state.image));
}

TEST_F(DocumentCommands, SaveWritesToTheDocumentNameOrAsksForOne) {
  state.doc = {Path("named.dat"), 1};
  EXPECT_EQ(SaveDocument(state, messages, dialogs), DocumentResult::Done);
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_EQ(ReadFile(Path("named.dat")), DocumentOf(state.image));
  state.doc = {"", 1};
  EXPECT_EQ(SaveDocument(state, messages, dialogs), DocumentResult::Cancelled);
  EXPECT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(state.doc.doc_modified, 1);
}

// A save that fails says why, keeps doc_modified and the name, and leaves the old file and
// no other behind.
class FailedSave : public DocumentCommands {
 protected:
  FailedSave() {
    WriteFile(Path("old.dat"), "old contents");
    state.doc = {Path("old.dat"), 1};
  }
  void ExpectNothingChanged(const std::string& message_start) {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind(message_start, 0), 0u) << messages.shown[0].text;
    EXPECT_EQ(state.doc.doc_modified, 1);
    EXPECT_EQ(state.doc.doc_file_name, Path("old.dat"));
    EXPECT_EQ(ReadFile(Path("old.dat")), "old contents");
  }
};

TEST_F(FailedSave, FolderThatDoesNotExistOrTargetThatCannotBeReplaced) {
  fs::create_directory(Path("folder.dat"));
  for (const char* chosen : {"no-such-folder/new.dat", "folder.dat"}) {
    messages.shown.clear();
    dialogs.choice = Path(chosen);
    EXPECT_EQ(SaveDocumentAs(state, messages, dialogs), DocumentResult::Failed);
    ExpectNothingChanged(chosen[0] == 'n' ? "Can't file open" : "ファイルに書き込めませんでした。");
    EXPECT_EQ(FilesInDir(), 2u);
  }
}

TEST_F(FailedSave, WriteErrorHalfWay) {
  // The file size limit makes the write fail the way a full disk does.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 1000;
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const DocumentResult result = SaveDocument(state, messages, dialogs);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(result, DocumentResult::Failed);
  ExpectNothingChanged("ファイルに書き込めませんでした。\n" + Path("old.dat"));
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(FailedSave, TitleThatCannotStandOnALine) {
  state.image.title_text[0] = testing::Pair(0x110A);
  dialogs.choice = Path("other.dat");
  EXPECT_EQ(SaveDocument(state, messages, dialogs), DocumentResult::Failed);
  EXPECT_EQ(SaveDocumentAs(state, messages, dialogs), DocumentResult::Failed);
  EXPECT_TRUE(dialogs.requests.empty());  // refused before a name is asked for
  messages.shown.resize(1);
  ExpectNothingChanged("ch.1 Top Page01");
  EXPECT_EQ(FilesInDir(), 1u);
}

}  // namespace
}  // namespace vtg
