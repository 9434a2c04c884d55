#pragma once
// What the glyph list does with the operator's input: pages, the transfers, clearing, the
// files and the double-clicks. Its dialog only draws and forwards.
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/file_dialogs.h"
#include "glyphs/glyph_class.h"
#include "glyphs/glyph_picture.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/sequence_engine.h"
#include "settings/controller_state.h"

namespace vtg {

inline constexpr std::string_view kLargePageTexts[] = {"No. 1～14", "No.15～28", "No.29～42", "No.43～56", "No.57～70"};
// MEDIUM shows the first ten.
inline constexpr std::string_view kWidePageTexts[] = {
    "No.  1～ 16", "No. 17～ 32", "No. 33～ 48", "No. 49～ 64", "No. 65～ 80", "No. 81～ 96",
    "No. 97～112", "No.113～128", "No.129～144", "No.145～160", "No.161～176", "No.177～192",
    "No.193～208", "No.209～224", "No.225～240", "No.241～256"};

struct GlyphListLayout {
  std::string_view caption;  // with a peer, followed by its address text
  int boxes_per_page;        // K, in two rows
  int pages;
  int progress_maximum;  // the bar runs 0..this
  std::span<const std::string_view> page_texts;

  int columns() const { return boxes_per_page / 2; }
};

inline constexpr std::array<GlyphListLayout, 3> kGlyphListLayouts{{
    {"外字一覧（大文字）", 14, 5, 72, kLargePageTexts},
    {"外字一覧（中文字）", 16, 10, 162, std::span(kWidePageTexts).first(10)},
    {"外字一覧（小文字）", 16, 16, 258, kWidePageTexts},
}};

inline constexpr const GlyphListLayout& ListLayout(GlyphClass c) { return kGlyphListLayouts[static_cast<int>(c)]; }

class GlyphList {
 public:
  GlyphList(ControllerState& state, Link& link, Messages& messages, SequenceEngine& engine, FileDialogs& dialogs,
            GlyphClass c);
  ~GlyphList();
  GlyphList(const GlyphList&) = delete;
  GlyphList& operator=(const GlyphList&) = delete;

  // The dialog opens: a page the class does not have becomes the first.
  void Open();
  // The page must be drawn again once a transfer has ended.
  void OnTransferEnd(std::function<void()> handler) { on_transfer_end_ = std::move(handler); }

  // "登録" and "リード": true when the transfer started on the engine, whose view paces it.
  bool SendAll();
  bool ReadAll();
  // "バッファクリア": true when the store was cleared.
  bool ClearAll();
  // "開く", "保存", "名前をつけて保存": true when a file was loaded or written.
  bool OpenFile();
  bool SaveFile();
  bool SaveFileAs();
  // "Close": a running transfer ends with the dialog.
  void Close();

  void ChoosePage(int page);
  int Page() const { return state_.glyph.glyph_list_page; }
  int GlyphOfBox(int box) const { return Page() * ListLayout(class_).boxes_per_page + box; }
  std::string LabelText(int box) const { return "No." + std::to_string(GlyphOfBox(box) + 1); }
  // The box under a pixel of the dialog, if any.
  std::optional<int> BoxAt(int x, int y) const;
  // A left double-click: true when the editor is to open on the glyph of `box`, which is
  // then glyph_index. Refused during a transfer, whose counter glyph_index is.
  bool ChooseForEditor(int box);
  // A right double-click: saves `picture`, the box as shown, as a bitmap of its glyph.
  bool ExportBox(int box, const Picture& picture);
  // The progress bar does not stop at its maximum: it starts again from 0.
  int ProgressBarValue(int position) const { return position % (ListLayout(class_).progress_maximum + 1); }

  static constexpr std::string_view kClearQuestion = "データを保存せずに新規作成しますか？";

 private:
  bool Busy() const { return state_.glyph.glyph_transfer_busy != 0; }
  // `reads`: the transfer replaces the store with the unit's glyphs.
  bool Start(SequenceRun run, bool reads);

  ControllerState& state_;
  Link& link_;
  Messages& messages_;
  SequenceEngine& engine_;
  FileDialogs& dialogs_;
  GlyphClass class_;
  std::function<void()> on_transfer_end_;
};

}  // namespace vtg
