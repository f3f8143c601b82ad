// DrawFrame: opening and closing its waveform editor.

#include "common/file_path.h"
#include "ui/application.h"
#include "ui/draw_child.h"
#include "ui/draw_frame.h"
#include "ui/pat_child.h"
#include "ui/pat_frame.h"

namespace lumo {

namespace {

constexpr const char* kOpenSchematicFirst =
    "波形エディターを開く前に，\nメニューの [ファイル]-[回路図を開く] で\n回路図を開いてください。";
constexpr const char* kNameSchematicFirst =
    "回路図に名前が付けられていません。\n波形エディターを開く前に，\nメニューの "
    "[ファイル]-[回路図に名前を付けて，保存する] で\n回路図に名前を付けてください。";

}  // namespace

PatFrame* DrawFrame::waveform_editor() const {
  return waveform_editor_;
}

void DrawFrame::OpenWaveformEditor() {
  if (draw_.IsEmpty()) {
    host_->Warn(kOpenSchematicFirst);
    canvas_->PaintNow();
    return;
  }
  if (draw_.circuit_name() == "?") {
    host_->Warn(kNameSchematicFirst);
    canvas_->PaintNow();
    return;
  }
  if (waveform_editor_) {
    waveform_editor_->raise();
    waveform_editor_->activateWindow();
    return;
  }
  auto* editor = new PatFrame(app_, *this, waveform_scale_);
  const std::string path = JoinPath(draw_.folder(), draw_.circuit_name() + "[0].lpt");
  if (!editor->LoadFor(path)) {
    editor->set_no_prompt(true);
    editor->close();
    return;
  }
  waveform_editor_ = editor;
  editor->show();
  editor->Relayout();
}

bool DrawFrame::CloseWaveformEditor() {
  if (!waveform_editor_) return true;
  if (!waveform_editor_->close()) return false;
  // Deleted later: no longer this window's editor.
  waveform_editor_ = nullptr;
  return true;
}

}  // namespace lumo
