#pragma once
// What the controller says to the operator; the window layer shows these as message boxes.
#include <string>
#include <string_view>

namespace vtg {

enum class Box {
  Error,          // caption "Error", exclamation icon, beep
  Stop,           // caption "Error", stop icon, beep
  OwnedStop,      // as Stop, owned by the message owner window
  Success,        // caption "Success", no icon, beep
  SerialSuccess,  // text "Success", caption "設定完了", owned, simple beep
  Network,        // caption "VTG-7100MX", stop icon, no beep
  NetworkPlain,   // caption "VTG-7100MX", no icon, no beep
};

enum class Question {
  UnsavedData,             // caption "VTG-7100MX", question icon
  NotAutoSwitching,        // caption "本機の確認", no beep
  NewGlyphList,            // caption "新規作成"
  ReplaceFile,             // caption "VTG-7100MX"
};

enum class Answer { Yes, No, Cancel };

class Messages {
 public:
  virtual ~Messages() = default;
  virtual void Show(Box box, std::string_view text) = 0;
  // True for "Yes".
  virtual bool Ask(Question question, std::string_view text) = 0;
  // A question that may also be cancelled; where nobody can cancel, it is asked as Ask.
  virtual Answer AskOrCancel(Question question, std::string_view text) {
    return Ask(question, text) ? Answer::Yes : Answer::No;
  }

  void ErrorBox(std::string_view text) { Show(Box::Error, text); }
  void StopBox(std::string_view text) { Show(Box::Stop, text); }
  void OwnedStopBox(std::string_view text) { Show(Box::OwnedStop, text); }
  void SuccessBox(std::string_view text) { Show(Box::Success, text); }
  bool ConfirmNotAutoSwitching() { return Ask(Question::NotAutoSwitching, kNotAutoSwitchingText); }

  static constexpr std::string_view kNotAutoSwitchingText = "本機が自動切換えでない事を確認してください";
};

// Texts more than one part of the controller shows.
namespace text {
inline constexpr std::string_view kNotConnected = "Socket が接続されていません";
inline constexpr std::string_view kNoAnswer = "Answer が､きません";
inline constexpr std::string_view kSendFailed = "Socket 送信";
inline constexpr std::string_view kNoConnect = "No Connect";
inline constexpr std::string_view kNoBroadcastRead = "Broadcastではリードできません";
inline constexpr std::string_view kNotJis = "ＪＩＳ第１水準,第２水準以外の字が選択されてます";
inline constexpr std::string_view kUseRs232c = "インターフェースをRS-232Cにしてください。";
}  // namespace text

}  // namespace vtg
