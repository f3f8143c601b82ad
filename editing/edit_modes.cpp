#include "editing/edit_modes.h"

#include "editing/command_ids.h"

namespace lumo {

const char* ModePrompt(int mode) {
  switch (mode) {
    case kModePlace:
      return "【素子の配置】　配置位置をマウスの左ボタンで指定してください。";
    case kModePlaced:
      return "【素子の配置】　配置位置をマウスの左ボタンで指定してください。（取り消し＝右ボタン）";
    case kModeLineStart:
      return "【信号線の配線】　信号線の始点の位置をマウスの左ボタンで指定してください。";
    case kModeLineEnd:
      return "【信号線の配線】　信号線の終点の位置をマウスの左ボタンで指定してください。"
             "（取り消し＝右ボタン）";
    case kModeLinePending:
      return "【信号線の配線】　信号線の始点の位置をマウスの左ボタンで指定してください。"
             "（取り消し＝右ボタン）";
    case kModeName:
      return "【素子，信号線の名前の設定】　名前を付ける素子，信号線をマウスの左ボタンで選んでくだ"
             "さい。";
    case kModeDeletePick:
      return "【素子，信号線の削除】　削除する素子，信号線をマウスの左ボタンで選んでください。";
    case kModeDeleteSelected:
      return "【素子，信号線の削除】　削除する素子，信号線をマウスの左ボタンで選んでください。"
             "（取り消し＝右ボタン）";
    case kModeMovePick:
      return "【素子，信号線の移動】　素子，信号線をマウスの左ボタンで選び，押したまま移動させてく"
             "ださい。";
    case kModeMoveElement:
      return "【素子，信号線の移動】　左ボタンを押したまま，素子を移動させてください。";
    case kModeMoveLine:
    case kModeMoveJunction:
      return "【素子，信号線の移動】　左ボタンを押したまま，信号線を移動させてください。";
    case kModeMoved:
      return "【素子，信号線の移動】　移動させる素子，信号線をマウスの左ボタンで選んでください。"
             "（取り消し＝右ボタン）";
    case kModeFlip:
      return "【正論理，負論理】　素子の正負論理を反転させます。素子を選んでください。";
    case kModeConnection:
      return "【信号線の接続検査】　信号線の繋がりを調べます。信号線を選んでください。";
    default:
      return "";
  }
}

int ModeCommand(int mode) {
  if (mode == kModePlace || mode == kModePlaced) return kCmdPlace;
  if (mode >= kModeLineStart && mode <= kModeLinePending) return kCmdDrawLine;
  if (mode == kModeName) return kCmdName;
  if (mode == kModeDeletePick || mode == kModeDeleteSelected) return kCmdDelete;
  if (mode >= kModeMovePick && mode <= kModeMoved) return kCmdMove;
  if (mode == kModeFlip) return kCmdFlip;
  if (mode == kModeConnection) return kCmdConnectionCheck;
  return 0;
}

int ModeHelpContext(int mode) {
  if (mode == kModePlace || mode == kModePlaced) return 1602;
  if (mode >= kModeLineStart && mode <= kModeLinePending) return 1603;
  if (mode == kModeName) return 1604;
  if (mode == kModeDeletePick || mode == kModeDeleteSelected) return 1605;
  if (mode >= kModeMovePick && mode <= kModeMoved) return 1606;
  if (mode == kModeFlip) return 1607;
  if (mode == kModeConnection) return 1608;
  return 1501;
}

}  // namespace lumo
