// PatFrame: expected outputs — reading and writing the expected file, the
// comparison after each run and the jump to the next mismatch.

#include "checking/expected.h"
#include "lists/error_table.h"
#include "ui/application.h"
#include "ui/draw_frame.h"
#include "ui/pat_child.h"
#include "ui/pat_frame.h"

namespace lumo {

namespace {

constexpr const char* kNoOutputs =
    "出力の波形がありません。\n先にシミュレーションを行ってください。";
constexpr const char* kNoExpected = "期待値ファイルが開かれていません。";
constexpr const char* kNotRunYet =
    "期待値ファイルを開きました。シミュレーションの後で出力と比べます。";

QString Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool HasOutputs(const Pat& pat) {
  for (int i = 0; i < pat.count(); ++i)
    if (pat.row(i).kind == RowKind::kOutput) return true;
  return false;
}

}  // namespace

bool PatFrame::UseExpected(const std::string& path) {
  Expected expected;
  if (!ReadExpectedFile(path, *host_, app_.errors(), expected)) return false;
  ExpandTruthTable(expected);
  expected_ = std::move(expected);
  expected_path_ = path;
  Compared();
  return true;
}

void PatFrame::OpenExpected() {
  const std::optional<std::string> path =
      app_.dialogs().OpenExpected(this, app_.work_folder(), schematic_.draw().circuit_name());
  // Compared() repaints; a cancelled or failed read repaints too, which
  // lets the canvas take the mouse again.
  if (!path || !UseExpected(*path)) canvas_->PaintNow();
}

void PatFrame::SaveExpected() {
  const std::string& circuit = schematic_.draw().circuit_name();
  const Expected outputs = ExpectedFromPattern(*pat_, circuit);
  // A file without rows would pass every circuit.
  if (outputs.rows.empty()) {
    host_->Warn(kNoOutputs);
    canvas_->PaintNow();
    return;
  }
  const std::optional<std::string> path =
      app_.dialogs().SaveExpectedAs(this, app_.work_folder(), circuit);
  bool compared = false;
  if (path && !WriteExpectedFile(*path, outputs))
    ShowError(*host_, app_.errors(), "Expected::Write", *path);
  else if (path)
    // Read back, so that what is compared is what the file holds.
    compared = UseExpected(*path);
  if (!compared) canvas_->PaintNow();
}

void PatFrame::Recompare() {
  if (!expected_) return;
  // Before a run there is nothing to compare: every row would count as
  // missing.
  if (!HasOutputs(*pat_)) {
    comparison_ = Comparison{};
    overlay_ = PatOverlay{};
    canvas_->SetOverlay(&overlay_);
    return;
  }
  comparison_ = Compare(*expected_, *pat_, schematic_.draw().circuit_name());
  overlay_ = MakeOverlay(*expected_, comparison_);
  canvas_->SetOverlay(&overlay_);
}

void PatFrame::Compared() {
  if (!expected_) return;
  Recompare();
  shown_mismatch_ = {};
  ShowPrompt(HasOutputs(*pat_) ? MismatchCountText() : QString::fromUtf8(kNotRunYet));
  canvas_->PaintNow();
}

QString PatFrame::MismatchCountText() const {
  QString text = QStringLiteral("不一致 %1 箇所").arg(comparison_.MismatchCount());
  QStringList missing;
  for (const RowComparison& row : comparison_.rows)
    if (row.missing) missing << Text(row.name);
  if (!missing.isEmpty())
    text += QStringLiteral("（出力にない行: %1）").arg(missing.join(QStringLiteral(", ")));
  return text;
}

void PatFrame::NextMismatch() {
  const MismatchPlace place =
      expected_ ? ::lumo::NextMismatch(comparison_, shown_mismatch_) : MismatchPlace{};
  if (!place.valid()) {
    if (!expected_)
      ShowPrompt(QString::fromUtf8(kNoExpected));
    else
      ShowPrompt(HasOutputs(*pat_) ? MismatchCountText() : QString::fromUtf8(kNotRunYet));
    canvas_->PaintNow();
    return;
  }
  shown_mismatch_ = place;
  const RowComparison& row = comparison_.rows[static_cast<std::size_t>(place.row)];
  const Mismatch& mismatch = row.mismatches[static_cast<std::size_t>(place.mismatch)];
  canvas_->ShowPlace(row.pattern_row, MismatchViewStart(mismatch.from, canvas_->scale()));
  canvas_->PaintNow();
  ShowPrompt(MismatchCountText() + QStringLiteral("　%1: 時刻 %2〜%3　期待値 %4，実際 %5")
                                       .arg(Text(row.name))
                                       .arg(mismatch.from)
                                       .arg(mismatch.to)
                                       .arg(Text(mismatch.expected), Text(mismatch.actual)));
}

}  // namespace lumo
