#pragma once
// The main window's menu "IDM_MENU": every command in menu order, and when it may be chosen.
#include <array>
#include <string_view>

namespace vtg {

enum MenuCommand {
  kCmdNew = 40001,
  kCmdOpen = 40002,
  kCmdSave = 40003,
  kCmdSaveAs = 40004,
  kCmdExit = 119,
  kCmdDisplayPage = 40012,
  kCmdTitle = 40010,
  kCmdTitleDisplay = 40014,
  kCmdCharSize = 40216,
  kCmdAutoSwitch = 40016,
  kCmdStartup = 40064,
  kCmdCharLevel = 40018,
  kCmdDisplayPosition = 40020,
  kCmdInsertGlyph = 40024,
  kCmdGlyphListLarge = 40214,
  kCmdGlyphListMedium = 40218,
  kCmdGlyphListSmall = 40219,
  kCmdSetAll = 40009,
  kCmdVerify = 40230,
  kCmdSlaveAddress = 40028,
  kCmdReadSettings = 40212,
  kCmdInterface = 40208,
  kCmdRs232c = 40209,
  kCmdClientServer = 40211,
  kCmdTcpIp = 40008,
  kCmdTrafficLog = 40401,
  kCmdProtocol = 40207,
  kCmdVersion = 120,
  kCmdAboutGlyphs = 40215,
};

struct MenuItem {
  int id;
  std::string_view menu;     // the top-level menu
  std::string_view submenu;  // empty when the item sits in the menu itself
  std::string_view text;
  bool separator_before;
  bool rs232c_only;  // its commands go to the serial port whatever the interface
};

inline constexpr std::array<MenuItem, 29> kMenuItems{{
    {kCmdNew, "ファイル", "", "新規作成", false, false},
    {kCmdOpen, "ファイル", "", "開く", false, false},
    {kCmdSave, "ファイル", "", "上書き保存", false, false},
    {kCmdSaveAs, "ファイル", "", "名前を付けて保存", false, false},
    {kCmdExit, "ファイル", "", "ｱﾌﾟﾘｹｰｼｮﾝの終了", true, false},
    {kCmdDisplayPage, "設定", "", "表示ページ切換え", false, false},
    {kCmdTitle, "設定", "", "タイトルの設定", false, false},
    {kCmdTitleDisplay, "設定", "", "タイトル表示の設定", false, false},
    {kCmdCharSize, "設定", "", "文字サイズの設定", false, false},
    {kCmdAutoSwitch, "設定", "", "自動切換えの設定", false, false},
    {kCmdStartup, "設定", "", "スタートアップの設定", false, false},
    {kCmdCharLevel, "設定", "", "文字レベルの設定", false, false},
    {kCmdDisplayPosition, "設定", "", "表示位置微調整", false, false},
    {kCmdInsertGlyph, "設定", "", "外字挿入", false, false},
    {kCmdGlyphListLarge, "設定", "外字一覧", "大文字", false, false},
    {kCmdGlyphListMedium, "設定", "外字一覧", "中文字", false, false},
    {kCmdGlyphListSmall, "設定", "外字一覧", "小文字", false, false},
    {kCmdSetAll, "設定", "", "全項目の設定", true, false},
    {kCmdVerify, "設定", "", "照合", false, false},
    {kCmdSlaveAddress, "設定", "", "機器のスレーブアドレス", false, true},
    {kCmdReadSettings, "設定", "メンテナンス", "設定項目の読み込み", false, false},
    {kCmdInterface, "インターフェイス", "", "インターフェイスの設定", false, false},
    {kCmdRs232c, "インターフェイス", "", "RS-232Cの設定", false, false},
    {kCmdClientServer, "インターフェイス", "", "クライアント/サーバー", false, false},
    {kCmdTcpIp, "インターフェイス", "", "TCP/IPの設定", false, false},
    {kCmdTrafficLog, "インターフェイス", "", "通信ログ", true, false},
    {kCmdProtocol, "プロトコル", "", "プロトコルの設定", false, true},
    {kCmdVersion, "情報", "", "VTG7300のﾊﾞｰｼﾞｮﾝ情報", false, false},
    {kCmdAboutGlyphs, "情報", "", "外字について", false, false},
}};

// The item of a command, null for ids that are not in the menu.
const MenuItem* FindMenuItem(int id);

// The RS-232C settings belong to the serial interface, client/server and TCP/IP settings to
// the socket interface; every other item is always enabled.
bool MenuItemEnabled(int id, int interface_setting);

}  // namespace vtg
