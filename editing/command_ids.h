#pragma once

namespace lumo {

// The command ids of the schematic editor's menu 129 (its actions carry
// them as data, and help and tests use them).
enum DrawCommand {
  kCmdOpen = 32773,
  kCmdCloseAndOpen = 32774,
  kCmdSave = 32775,
  kCmdSaveAs = 32776,
  kCmdDeleteFile = 32885,
  kCmdPrint = 32779,
  kCmdNewWindow = 32889,
  kCmdWaveformEditor = 32842,
  kCmdSymbolEditor = 32890,
  kCmdSaveAndClose = 32887,
  kCmdCloseWithoutAsking = 32888,
  kCmdPlace = 32778,
  kCmdDrawLine = 32786,
  kCmdName = 32792,
  kCmdDelete = 32851,
  kCmdMove = 32791,
  kCmdFlip = 32790,
  kCmdRedraw = 32806,
  kCmdZoomIn = 32807,
  kCmdZoomOut = 32808,
  kCmdConnectionCheck = 32915,
  kCmdCircuitChecks = 32916,
  kCmdHelp = 32810,
  kCmdAbout = 32818,
  kCmdUndo = 57643,
  kCmdRedo = 57644,
  kCmdExportVerilog = 32930,
};

// The symbol chooser's commands (menu 130), one per chooser mode 0..8.
enum ChooserCommand {
  kCmdChooseUp = 32904,
  kCmdChooseDown = 32905,
  kCmdChooseLeft = 32906,
  kCmdChooseRight = 32907,
  kCmdMirrorTopBottom = 32908,
  kCmdMirrorLeftRight = 32909,
  kCmdPositiveLogic = 32910,
  kCmdNegativeLogic = 32911,
  kCmdDeleteSymbol = 32912,
};

// The register-transfer viewer's commands (menu 133); its about box is
// kCmdAbout.
enum RegCommand {
  kCmdRegPrint = 32897,
  kCmdRegSaveAndClose = 32898,
  kCmdRegClose = 32899,
  kCmdRegQuit = 32900,
  kCmdRegHelp = 32902,
};

// The symbol editor's commands (menu 132).
enum SymCommand {
  kCmdSymSaveAndClose = 32894,
  kCmdSymQuit = 32896,
  kCmdSymLine = 32856,
  kCmdSymBox = 32857,
  kCmdSymArc = 32858,
  kCmdSymTerminalFirst = 32859,  // 32859..32866: terminal kinds 0..7
  kCmdSymTerminalLast = 32866,
  kCmdSymFunctionName = 32867,
  kCmdSymElementName = 32868,
  kCmdSymDelete = 32871,
  kCmdSymRedraw = 32869,
  kCmdSymHelp = 32870,
  kCmdSymAbout = 32818,
  // Beyond menu 132: saving without closing, undo and redo, and the
  // generated first symbol.
  kCmdSymSave = 32960,
  kCmdSymUndo = 32961,
  kCmdSymRedo = 32962,
  kCmdSymGenerate = 32963,
};

}  // namespace lumo
