#pragma once

namespace lumo {

// The edit modes of the waveform editor. Commands choose 1, 2, 3, 6 and 7;
// the others follow from the mouse.
enum PatMode {
  kPatModeNone = 0,  // before the first layout
  kPatModeSingle = 1,
  kPatModeMulti = 2,
  kPatModeMovePick = 3,
  kPatModeMoveDrag = 4,
  kPatModeMoved = 5,
  kPatModeRowDelete = 6,
  kPatModeRowMovePick = 7,
  kPatModeRowMoveTo = 8,
};

// The waveform editor's commands (menu 131).
enum PatCommand {
  kPatCmdCloseAndOpen = 32822,
  kPatCmdSave = 32823,
  kPatCmdSaveAs = 32824,
  kPatCmdDeleteFile = 32886,
  kPatCmdPrint = 32825,
  kPatCmdSimulate = 32839,
  kPatCmdSaveAndClose = 32892,
  kPatCmdClose = 32891,
  kPatCmdQuit = 32895,
  kPatCmdSingle = 32828,
  kPatCmdMulti = 32829,
  kPatCmdMove = 32832,
  kPatCmdRowDelete = 32872,
  kPatCmdRowMove = 32873,
  kPatCmdRedraw = 32834,
  kPatCmdZoomIn = 32835,
  kPatCmdZoomOut = 32836,
  kPatCmdHelp = 32841,
  kPatCmdAbout = 32818,
  // Undo, redo and the value change dump.
  kPatCmdUndo = 32964,
  kPatCmdRedo = 32965,
  kPatCmdExportVcd = 32966,
  // Expected outputs: open a file, save the outputs as one, show the next
  // mismatch.
  kPatCmdOpenExpected = 32970,
  kPatCmdSaveExpected = 32971,
  kPatCmdNextMismatch = 32972,
  // A run's values on the schematic, and stepping through its changes.
  kPatCmdShowValues = 33110,
  kPatCmdPreviousChange = 33111,
  kPatCmdNextChange = 33112,
  kPatCmdPreviousRowChange = 33113,
  kPatCmdNextRowChange = 33114,
  kPatCmdPlay = 33115,
  kPatCmdProbe = 33116,
  kPatCmdPlaySpeed = 33117,
};

// The status-bar prompt of a mode (UTF-8); empty for mode 0.
const char* PatModePrompt(int mode);
// The toolbar button shown pressed in a mode: the command that chose the
// mode's family; 0 for none.
int PatModeButton(int mode);
// The help context of a mode.
int PatHelpContext(int mode);
// The mode the pointer leaving the canvas leaves behind.
int PatModeAfterLeave(int mode);

}  // namespace lumo
