#include "editing/sym_modes.h"

#include <string>

namespace lumo {

namespace {

constexpr const char* kCancel = "（取り消し＝右ボタン）";

struct ModeRow {
  int idle;
  int help;
  int command;
  const char* prompt;
};

// By mode 0..18.
const ModeRow kModes[] = {
    {0, 1501, 0, "メニューまたはボタンで編集モードを選んで下さい。"},
    {1, 1902, kCmdSymLine,
     "【線】　線の始点をマウスの左ボタンで指定し，ボタンを押したまま，終点の位置まで移動してくださ"
     "い。"},
    {1, 1902, kCmdSymLine,
     "【線】　左ボタンを押したまま，終点の位置まで移動し，ボタンを上げてください。"},
    {1, 1902, kCmdSymLine,
     "【線】　線の始点をマウスの左ボタンで指定し，ボタンを押したまま，終点の位置まで移動してくださ"
     "い。"},
    {4, 1903, kCmdSymBox,
     "【箱】　箱の頂点をマウスの左ボタンで指定し，ボタンを押したまま，対角頂点の位置まで移動してく"
     "ださい。"},
    {4, 1903, kCmdSymBox,
     "【箱】　左ボタンを押したまま，対角頂点の位置まで移動し，ボタンを上げてください。"},
    {4, 1903, kCmdSymBox,
     "【箱】　箱の頂点をマウスの左ボタンで指定し，ボタンを押したまま，対角頂点の位置まで移動してく"
     "ださい。"},
    {7, 1904, kCmdSymArc,
     "【弧】　弦の端点の位置をマウスの左ボタンで指定し，ボタンを押したまま，もう一方の端点の位置ま"
     "で移動してください。"},
    {7, 1904, kCmdSymArc,
     "【弧】　左ボタンを押したまま，もう一方の端点の位置まで移動し，ボタンを上げてください。"},
    {7, 1904, kCmdSymArc, "【弧】　弧の膨らみぐあいをマウスの左ボタンで指定してください。"},
    {7, 1904, kCmdSymArc,
     "【弧】　弦の端点の位置をマウスの左ボタンで指定し，ボタンを押したまま，もう一方の端点の位置ま"
     "で移動してください。"},
    {11, 1907, kCmdSymElementName,
     "【素子名】　素子名の位置をマウスの左ボタンで指定してください。"},
    {11, 1907, kCmdSymElementName,
     "【素子名】　素子名の位置をマウスの左ボタンで指定してください。"},
    {13, 1906, kCmdSymFunctionName,
     "【機能名】　機能名の位置をマウスの左ボタンで指定してください。"},
    {13, 1906, kCmdSymFunctionName,
     "【機能名】　機能名の位置をマウスの左ボタンで指定してください。"},
    {15, 1905, kCmdSymTerminalFirst, "【端子】　端子の位置をマウスの左ボタンで指定してください。"},
    {15, 1905, kCmdSymTerminalFirst, "【端子】　端子の位置をマウスの左ボタンで指定してください。"},
    {17, 1908, kCmdSymDelete,
     "【削除】　削除する線，弧，素子名，機能名，端子をマウスの左ボタンで選んでください。"},
    {17, 1908, kCmdSymDelete,
     "【素子，信号線の削除】　削除する線,弧，素子名，機能名，端子をマウスの左ボタンで選んでください"
     "。"},
};

constexpr int kModeCount = static_cast<int>(sizeof kModes / sizeof kModes[0]);

const ModeRow& RowOf(int mode) {
  return kModes[mode >= 0 && mode < kModeCount ? mode : 0];
}

}  // namespace

const char* SymModePrompt(int mode) {
  // Every tool's prompt ends with the note that the right button cancels;
  // the strings are kept whole for the status bar.
  static const auto kPrompts = [] {
    struct Prompts {
      std::string text[kModeCount];
    } prompts;
    for (int i = 0; i < kModeCount; ++i)
      prompts.text[i] = std::string(kModes[i].prompt) + (i == 0 ? "" : kCancel);
    return prompts;
  }();
  return kPrompts.text[mode >= 0 && mode < kModeCount ? mode : 0].c_str();
}

int SymModeHelpContext(int mode) {
  return RowOf(mode).help;
}

int SymIdleMode(int mode) {
  return RowOf(mode).idle;
}

int SymModeCommand(int mode, int terminal_kind) {
  const int command = RowOf(mode).command;
  if (command == kCmdSymTerminalFirst) return kCmdSymTerminalFirst + terminal_kind;
  return command;
}

}  // namespace lumo
