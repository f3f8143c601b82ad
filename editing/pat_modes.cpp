#include "editing/pat_modes.h"

namespace lumo {

const char* PatModePrompt(int mode) {
  switch (mode) {
    case kPatModeSingle:
      return "【単線の信号値(0,1)の設定と削除】　（左ボタン）単線の信号値を設定します。"
             "（右ボタン）削除します。";
    case kPatModeMulti:
      return "【複線の信号値(0,1,2,..,9,a,b,..)の設定と削除】　（左ボタン）複線の信号値を"
             "設定します。（右ボタン）削除します。";
    case kPatModeMovePick:
      return "【イベントの移動】　イベントをマウスの左ボタンで選び，押したまま移動させてください。";
    case kPatModeMoveDrag:
      return "【イベントの移動】　左ボタンを押したまま，イベントを移動させてください。";
    case kPatModeMoved:
      return "【イベントの移動】　移動させるイベントをマウスの左ボタンで選んでください。"
             "（取り消し＝右ボタン）";
    case kPatModeRowDelete:
      return "【行削除】　削除する行を選んでください。（削除した行を元に戻すときは，"
             "右ボタンを押して下さい。）";
    case kPatModeRowMovePick:
      return "【行移動】　移動させる行を選んでください。";
    case kPatModeRowMoveTo:
      return "【行移動】　移動場所を選んでください。";
    default:
      return "";
  }
}

int PatModeButton(int mode) {
  switch (mode) {
    case kPatModeSingle:
      return kPatCmdSingle;
    case kPatModeMulti:
      return kPatCmdMulti;
    case kPatModeMovePick:
    case kPatModeMoveDrag:
    case kPatModeMoved:
      return kPatCmdMove;
    case kPatModeRowDelete:
      return kPatCmdRowDelete;
    case kPatModeRowMovePick:
    case kPatModeRowMoveTo:
      return kPatCmdRowMove;
    default:
      return 0;
  }
}

int PatHelpContext(int mode) {
  switch (mode) {
    case kPatModeSingle:
      return 1702;
    case kPatModeMulti:
      return 1703;
    case kPatModeMovePick:
    case kPatModeMoveDrag:
    case kPatModeMoved:
      return 1704;
    case kPatModeRowDelete:
      return 1705;
    case kPatModeRowMovePick:
    case kPatModeRowMoveTo:
      return 1706;
    default:
      return 1501;
  }
}

int PatModeAfterLeave(int mode) {
  return mode == kPatModeMoveDrag || mode == kPatModeMoved ? kPatModeMovePick : mode;
}

}  // namespace lumo
