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

}  // namespace lumo
