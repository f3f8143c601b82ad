// The schematic window's Verilog export: the module, the cells beside it and
// a testbench of the schematic's pattern, by the road lumo export takes.

#include "common/file_path.h"
#include "export/verilog_road.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "workflow/run_lock.h"

namespace lumo {

void DrawFrame::ExportVerilog() {
  if (draw_.IsEmpty()) {
    host_->Warn("回路図が入力されていません。");
    return;
  }
  if (!draw_.HasCircuitName()) {
    host_->Warn("回路図に名前が付けられていません。");
    return;
  }
  const std::optional<std::string> path = app_.dialogs().SaveVerilogAs(this, app_.work_folder());
  if (!path) return;
  // The export reads the schematic's file, as the circuit checks do.
  if (!Save()) return;
  RunLock lock(app_.work_folder());
  if (lock.TryTake() == RunLock::State::kBusy) {
    host_->Warn(kRunFolderBusyText);
    return;
  }
  Pat pattern(*host_, app_.errors());
  const std::string pattern_path = JoinPath(app_.work_folder(), draw_.circuit_name() + "[0].lpt");
  if (!ExportPattern(pattern, draw_, pattern_path)) return;
  const RunSetup setup = app_.MakeRunSetup(*host_);
  const std::string folder = FileFolder(*path);
  const std::string testbench =
      JoinPath(folder.empty() ? std::string(".") : folder, FileTitle(*path) + "_tb.v");
  VerilogOptions options;
  options.vcd_file = FileTitle(*path) + "_tb.vcd";
  VerilogText text;
  if (!ExportSchematic(setup, draw_, pattern, options, text) ||
      !WriteVerilogFiles(*host_, text, app_.system_folder(), *path, testbench))
    return;
  host_->Show(Message{"Verilog に書き出しました。\n" + *path + "\n" + testbench, "",
                      MessageIcon::kInformation, MessageButtons::kOk});
}

}  // namespace lumo
