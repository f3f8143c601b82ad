// The run's values on the schematic, driven from the waveform editor: the
// hazard sample's glitch on its output wire at the times of the run,
// stepping from change to change, and turning the values off.

#include <QTest>
#include <fstream>
#include <sstream>

#include "editing/command_ids.h"
#include "editing/pat_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/draw_child.h"
#include "ui/pat_child.h"
#include "ui/pat_frame.h"
#include "ui/pat_painter.h"
#include "ui/wire_value_style.h"

namespace lumo::testing {
namespace {

class WireValuesUi : public UiTest {
 protected:
  void SetUp() override { OpenAndRun("hazard", {"hazard.ldr", "hazard[0].lpt"}); }

  // Opens the sample's schematic and its waveform editor and runs it.
  void OpenAndRun(const std::string& sample, std::initializer_list<const char*> files) {
    ASSERT_NO_FATAL_FAILURE(OpenSampleWithEditor(sample, files, QSize(1000, 400)));
    // The run's schematic, whichever window opens later.
    schematic_ = &frame();
    editor().RunCommand(kPatCmdSimulate);
    ASSERT_TRUE(host.Messages().empty()) << host.Messages()[0].text;
    // The drawing in view, and a time unit wide enough to click.
    app->view().set_origin(840, 560);
    for (int i = 0; i < 4; ++i)
      editor().RunCommand(kPatCmdZoomIn);
  }

  PatFrame& editor() { return *schematic_->waveform_editor(); }
  PatChild& wave() { return editor().canvas(); }
  DrawFrame* schematic_ = nullptr;

  // A click on the waveform editor's time axis at `time`.
  void ClickAxis(std::int64_t time) {
    wave().PaintNow();
    const QPoint at(wave().XOf(time), kPatHeader / 2);
    QWidget* viewport = wave().viewport();
    for (const auto& [type, button, held] :
         {std::tuple{QEvent::MouseMove, Qt::NoButton, Qt::MouseButtons(Qt::NoButton)},
          std::tuple{QEvent::MouseButtonPress, Qt::LeftButton, Qt::MouseButtons(Qt::LeftButton)},
          std::tuple{QEvent::MouseButtonRelease, Qt::LeftButton, Qt::MouseButtons(Qt::NoButton)}}) {
      QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)), button, held,
                        Qt::NoModifier);
      QCoreApplication::sendEvent(viewport, &event);
    }
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(viewport, &leave);
  }

  // The schematic canvas's pixel in the middle of the line from the output
  // gate to the pin Y, after a paint.
  QColor OutputWirePixel() {
    const DrawLine* wire = nullptr;
    for (const DrawLine& line : draw().lines())
      if (line.x2() - line.x1() == 40 && line.y1() == line.y2()) wire = &line;
    EXPECT_NE(wire, nullptr);
    if (wire == nullptr) return {};
    canvas().PaintNow();
    const ViewTransform& view = app->view();
    const QPoint at(view.ToDeviceX((wire->x1() + wire->x2()) / 2), view.ToDeviceY(wire->y1()));
    const QImage& image = canvas().backing_store();
    EXPECT_TRUE(image.rect().contains(at)) << at.x() << "," << at.y();
    return image.rect().contains(at) ? image.pixelColor(at) : QColor();
  }
};

TEST_F(WireValuesUi, TheGlitchShowsOnTheOutputWireAtItsTimeOnly) {
  const QColor zero = StyleOf(WireLevel::kZero).color;
  const QColor one = StyleOf(WireLevel::kOne).color;
  ASSERT_NE(zero, one);
  // The run starts at its beginning.
  ASSERT_TRUE(editor().value_overlay().active());
  EXPECT_EQ(OutputWirePixel(), zero);
  for (const auto& [time, expected] :
       {std::pair{43, zero}, std::pair{44, one}, std::pair{45, zero}, std::pair{60, zero}}) {
    ClickAxis(time);
    ASSERT_EQ(editor().value_overlay().time(), time);
    EXPECT_EQ(OutputWirePixel(), expected) << "at " << time;
  }

  // Stepping: from 44 the changes of any signal, in order, both ways.
  ClickAxis(44);
  editor().RunCommand(kPatCmdNextChange);
  EXPECT_EQ(editor().value_overlay().time(), 45);
  EXPECT_EQ(OutputWirePixel(), zero);
  editor().RunCommand(kPatCmdPreviousChange);
  EXPECT_EQ(editor().value_overlay().time(), 44);
  EXPECT_EQ(OutputWirePixel(), one);
  editor().RunCommand(kPatCmdPreviousChange);
  EXPECT_EQ(editor().value_overlay().time(), 43);  // Q falls at 43

  // Turned off, the wire is drawn as without a run.
  ClickAxis(44);
  editor().RunCommand(kPatCmdShowValues);
  EXPECT_FALSE(editor().value_overlay().active());
  EXPECT_EQ(OutputWirePixel(), QColor(Qt::black));
  editor().RunCommand(kPatCmdShowValues);
  EXPECT_EQ(OutputWirePixel(), one);

  // A schematic changed after the run may name its nets otherwise: no
  // values until the next run.
  draw().AddLine(0, 0, 8, 0);
  EXPECT_EQ(OutputWirePixel(), QColor(Qt::black));
  editor().RunCommand(kPatCmdSimulate);
  ClickAxis(44);
  EXPECT_EQ(OutputWirePixel(), one);

  // Closing the editor leaves the normal drawing behind.
  editor().RunCommand(kPatCmdClose);
  QCoreApplication::processEvents();
  EXPECT_EQ(OutputWirePixel(), QColor(Qt::black));
}

// Moving the cursor paints only the values over the schematic kept from the
// paint before; every such paint must equal a full one, and anything the
// picture was painted from changing must paint everything again.
TEST_F(WireValuesUi, CursorStepsPaintOverTheKeptSchematicExactlyAsAFullPaint) {
  // The paint event of a visible canvas, as the window system sends it.
  const auto paint_event = [&] {
    ASSERT_TRUE(canvas().viewport()->isVisible());
    canvas().viewport()->repaint();
  };
  canvas().PaintNow();
  for (const std::int64_t time : {0, 44, 45, 124, 125, 300}) {
    ClickAxis(time);
    paint_event();
    EXPECT_TRUE(canvas().last_paint_reused()) << time;
    const QImage stepped = canvas().backing_store().copy();
    canvas().PaintNow();
    EXPECT_FALSE(canvas().last_paint_reused());
    EXPECT_TRUE(stepped == canvas().backing_store()) << "differs at time " << time;
  }

  // Scrolled, or the drawing changed, behind the canvas's back.
  app->view().set_origin(800, 520);
  canvas().RepaintValues();
  paint_event();
  EXPECT_FALSE(canvas().last_paint_reused());
  draw().AddLine(0, 0, 8, 0);
  canvas().RepaintValues();
  paint_event();
  EXPECT_FALSE(canvas().last_paint_reused());
  // A full paint asked for before a values-only one stays full.
  canvas().Invalidate();
  canvas().RepaintValues();
  paint_event();
  EXPECT_FALSE(canvas().last_paint_reused());
}

// The legend keeps out of the way: with the output wire scrolled under the
// top-right corner it moves to another one, and the wire shows its value.
TEST_F(WireValuesUi, TheLegendGoesWhereItHidesNoWire) {
  const DrawLine* wire = nullptr;
  for (const DrawLine& line : draw().lines())
    if (line.x2() - line.x1() == 40 && line.y1() == line.y2()) wire = &line;
  ASSERT_NE(wire, nullptr);
  const QSize client = canvas().viewport()->size();
  // The wire's middle 60 pixels from the right edge, 30 from the top.
  const std::int64_t middle = (wire->x1() + wire->x2()) / 2;
  app->view().set_origin(middle - (client.width() - 60), wire->y1() - 30);
  ClickAxis(44);
  EXPECT_EQ(OutputWirePixel(), StyleOf(WireLevel::kOne).color);
}

TEST_F(WireValuesUi, SteppingVisitsEveryChangeOfTheSelectedRowAndPlayingMovesOn) {
  // The caret on the output row Y: its changes after 0 are its row's.
  const int row = editor().pat().FindRow("hazard.Y");
  ASSERT_GE(row, 0);
  std::vector<std::int32_t> expected;
  for (const PatEvent& event : editor().pat().row(row).events)
    if (event.time > 0) expected.push_back(event.time);
  ASSERT_EQ(expected, (std::vector<std::int32_t>{44, 45, 124, 125}));
  wave().PaintNow();
  const QPoint name(10, wave().YOf(row) + 10);
  for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(
        type, QPointF(name), wave().viewport()->mapToGlobal(QPointF(name)), Qt::LeftButton,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(wave().viewport(), &event);
  }
  ASSERT_EQ(wave().caret_row(), row);
  ClickAxis(0);
  std::vector<std::int32_t> visited;
  for (int i = 0; i < 10; ++i) {
    editor().RunCommand(kPatCmdNextRowChange);
    const std::int32_t at = *editor().value_overlay().time();
    if (!visited.empty() && visited.back() == at) break;
    visited.push_back(at);
  }
  EXPECT_EQ(visited, expected);
  editor().RunCommand(kPatCmdPreviousRowChange);
  EXPECT_EQ(editor().value_overlay().time(), 124);

  // Playing moves the time on until paused.
  ClickAxis(0);
  editor().RunCommand(kPatCmdPlay);
  EXPECT_TRUE(editor().playing());
  QTest::qWait(300);
  editor().RunCommand(kPatCmdPlay);
  EXPECT_FALSE(editor().playing());
  const std::int32_t paused = *editor().value_overlay().time();
  EXPECT_GT(paused, 0);
  QTest::qWait(150);
  EXPECT_EQ(editor().value_overlay().time(), paused);

  // At a chosen speed of 100 a second, a 50 ms frame moves on by 5; a
  // cancelled dialog keeps the speed.
  dialogs.speeds = {100, std::nullopt};
  editor().RunCommand(kPatCmdPlaySpeed);
  editor().RunCommand(kPatCmdPlaySpeed);
  EXPECT_EQ(editor().play_speed(), 100);
  ClickAxis(0);
  editor().RunCommand(kPatCmdPlay);
  QTest::qWait(300);
  editor().RunCommand(kPatCmdPlay);
  const std::int32_t steps = *editor().value_overlay().time();
  EXPECT_GE(steps, 5);
  EXPECT_EQ(steps % 5, 0);
}

TEST_F(WireValuesUi, AProbeRowOfTheOutputNetEqualsTheOutputRowAndIsNeverSaved) {
  const auto events = [this](int row) {
    std::vector<std::pair<std::int32_t, std::string>> list;
    for (const PatEvent& event : editor().pat().row(row).events)
      list.emplace_back(event.time, event.value);
    return list;
  };
  const int output = editor().pat().FindRow("hazard.Y");
  ASSERT_GE(output, 0);
  const int rows = editor().pat().count();
  editor().RunCommand(kPatCmdProbe);
  ASSERT_TRUE(editor().probing());
  // A click on the wire from the gate to Y, through the canvas.
  const DrawLine* wire = nullptr;
  for (const DrawLine& line : draw().lines())
    if (line.x2() - line.x1() == 40 && line.y1() == line.y2()) wire = &line;
  ASSERT_NE(wire, nullptr);
  canvas().PaintNow();
  const QPoint at(app->view().ToDeviceX((wire->x1() + wire->x2()) / 2),
                  app->view().ToDeviceY(wire->y1()) + 2);
  for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(
        type, QPointF(at), canvas().viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas().viewport(), &event);
  }
  ASSERT_EQ(editor().pat().count(), rows + 1);
  const PatRow& probe = editor().pat().row(rows);
  EXPECT_EQ(probe.kind, RowKind::kOutput);
  EXPECT_EQ(events(rows), events(output)) << probe.name;
  // The schematic was not edited by the click.
  EXPECT_FALSE(frame().windowTitle().endsWith("*"));
  // A second click on the same net adds nothing; a click far from any line
  // neither.
  EXPECT_FALSE(editor().ProbeAt(wire->x1() + 20, wire->y1()));
  EXPECT_FALSE(editor().ProbeAt(wire->x1() + 20, wire->y1() + 200));
  EXPECT_EQ(editor().pat().count(), rows + 1);

  // Not in the pattern file, but back after the next run.
  const std::string name = probe.name;
  std::ostringstream written;
  editor().pat().WriteInputPat(written);
  EXPECT_EQ(written.str().find(name), std::string::npos);
  editor().RunCommand(kPatCmdSimulate);
  const int again = editor().pat().FindRow(name);
  ASSERT_GE(again, 0);
  EXPECT_EQ(events(again), events(editor().pat().FindRow("hazard.Y")));
  editor().RunCommand(kPatCmdProbe);
  EXPECT_FALSE(editor().probing());

  // The probe is kept for the schematic: a new editor shows it after its
  // first run.
  editor().RunCommand(kPatCmdClose);
  QCoreApplication::processEvents();
  frame().RunCommand(kCmdWaveformEditor);
  ASSERT_NE(frame().waveform_editor(), nullptr);
  EXPECT_LT(editor().pat().FindRow(name), 0);
  editor().RunCommand(kPatCmdSimulate);
  EXPECT_GE(editor().pat().FindRow(name), 0);
}

// The inside of a placed sub-circuit, opened from the probe mode: its wires
// show the run's values inside that instance, follow the cursor, take
// probes, and go back to the normal drawing with the editor.
class InsideValuesUi : public WireValuesUi {
 protected:
  void SetUp() override {
    OpenAndRun("parity4",
               {"parity4.ldr", "parity4[0].lpt", "nandxor.ldr", "nandxor.lcr", "nandxor.lsy"});
  }

  // The inside window's pixel in the middle of its output wire.
  QColor InsideOutputPixel(DrawFrame& inside) {
    const DrawLine* wire = nullptr;
    for (const DrawLine& line : inside.draw().lines())
      if (line.x2() == 1168 && line.y1() == line.y2()) wire = &line;
    EXPECT_NE(wire, nullptr);
    if (wire == nullptr) return {};
    inside.canvas().PaintNow();
    const QPoint at(app->view().ToDeviceX((wire->x1() + wire->x2()) / 2),
                    app->view().ToDeviceY(wire->y1()));
    return inside.canvas().backing_store().pixelColor(at);
  }
};

TEST_F(InsideValuesUi, AnInstancesInsideShowsTheRunUnderItsNames) {
  const SignalTrace& trace = *editor().value_overlay().trace();
  const std::int32_t p01 = trace.FindSignal("P01");
  ASSERT_GE(p01, 0);
  // A time where P01 is 1 and one where it is 0.
  std::int32_t one_at = -1, zero_at = -1;
  for (std::int32_t time = 1; time < 800 && (one_at < 0 || zero_at < 0); ++time) {
    const std::string& value = trace.ValueAt(static_cast<std::uint32_t>(p01), time);
    if (value == "1" && one_at < 0) one_at = time + 1;
    if (value == "0" && zero_at < 0) zero_at = time + 1;
  }
  ASSERT_GT(one_at, 0);
  ASSERT_GT(zero_at, 0);

  editor().RunCommand(kPatCmdProbe);
  EXPECT_TRUE(editor().ProbeAt(976, 604));  // on X1
  ASSERT_EQ(editor().inside_frames().size(), 1u);
  DrawFrame& inside = *editor().inside_frames().front();
  // Room for the whole drawing beside the legend.
  inside.resize(1000, 600);
  QCoreApplication::processEvents();
  EXPECT_TRUE(inside.draw().path().ends_with("nandxor.ldr"));
  ASSERT_NE(inside.canvas().value_overlay(), nullptr);
  EXPECT_EQ(inside.canvas().value_overlay()->instance(), "X1-");
  ClickAxis(one_at);
  EXPECT_EQ(InsideOutputPixel(inside), StyleOf(WireLevel::kOne).color);
  ClickAxis(zero_at);
  EXPECT_EQ(InsideOutputPixel(inside), StyleOf(WireLevel::kZero).color);

  // A probe on the inside wire is the net outside it.
  const int rows = editor().pat().count();
  const DrawLine* wire = nullptr;
  for (const DrawLine& line : inside.draw().lines())
    if (line.x2() == 1168) wire = &line;
  ASSERT_NE(wire, nullptr);
  const QPoint at(app->view().ToDeviceX(wire->x1() + 4), app->view().ToDeviceY(wire->y1()));
  for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(
        type, QPointF(at), inside.canvas().viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(inside.canvas().viewport(), &event);
  }
  ASSERT_EQ(editor().pat().count(), rows + 1);
  EXPECT_EQ(editor().pat().row(rows).name, "X1-*s2");
  std::vector<std::int32_t> probe_times, p01_times;
  for (const PatEvent& event : editor().pat().row(rows).events)
    probe_times.push_back(event.time);
  for (const std::int32_t time : trace.ChangeTimes(static_cast<std::uint32_t>(p01)))
    p01_times.push_back(time);
  EXPECT_EQ(probe_times, p01_times);

  // The other instance of the same circuit takes the same window over.
  EXPECT_TRUE(editor().ProbeAt(976, 700));  // on X2
  ASSERT_EQ(editor().inside_frames().size(), 1u);
  EXPECT_EQ(inside.canvas().value_overlay()->instance(), "X2-");

  // A schematic no longer the one the run read is refused with a message.
  std::string original;
  {
    std::ifstream in(work / "nandxor.ldr");
    original.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string changed = original;
  const std::size_t line = changed.find("(912 648 1016 648 c t ? )");
  ASSERT_NE(line, std::string::npos);
  changed.replace(line, 25, "(912 648 1016 648 c t Q )");
  std::ofstream(work / "nandxor.ldr") << changed;
  host.Clear();
  EXPECT_TRUE(editor().ProbeAt(1072, 652));  // on X3
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_NE(host.Messages()[0].text.find("変更されています"), std::string::npos);
  std::ofstream(work / "nandxor.ldr") << original;

  // Closing the editor leaves the inside drawn as without a run.
  editor().RunCommand(kPatCmdClose);
  QCoreApplication::processEvents();
  EXPECT_EQ(inside.canvas().value_overlay(), nullptr);
  EXPECT_EQ(InsideOutputPixel(inside), QColor(Qt::black));

  // Once the inside window's own waveform editor has taken its canvas, this
  // editor leaves it alone, and after this editor has gone a click there
  // edits the schematic again (places an element).
  schematic_->RunCommand(kCmdWaveformEditor);
  editor().RunCommand(kPatCmdSimulate);
  editor().RunCommand(kPatCmdProbe);
  ASSERT_TRUE(editor().ProbeAt(976, 604));
  ASSERT_EQ(editor().inside_frames().size(), 1u);
  inside.RunCommand(kCmdWaveformEditor);
  ASSERT_NE(inside.waveform_editor(), nullptr);
  EXPECT_TRUE(editor().inside_frames().empty());
  editor().RunCommand(kPatCmdClose);
  QCoreApplication::processEvents();
  EXPECT_EQ(inside.canvas().value_overlay(), &inside.waveform_editor()->value_overlay());
  const int inside_rows = inside.waveform_editor()->pat().count();
  const std::size_t elements = inside.draw().element_count();
  const QPoint on(app->view().ToDeviceX(1000), app->view().ToDeviceY(700));
  for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(
        type, QPointF(on), inside.canvas().viewport()->mapToGlobal(QPointF(on)), Qt::LeftButton,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(inside.canvas().viewport(), &event);
  }
  EXPECT_EQ(inside.waveform_editor()->pat().count(), inside_rows);
  EXPECT_EQ(inside.draw().element_count(), elements + 1);
}

}  // namespace
}  // namespace lumo::testing
