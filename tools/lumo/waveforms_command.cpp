// lumo-draw waveforms: the rows of a run drawn into a PNG as the waveform
// editor's canvas draws them: input rows, then the output rows of a
// successful run, on one time scale fitted to the picture.

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "checking/checking_errors.h"
#include "checking/compare.h"
#include "checking/expected.h"
#include "common/stream_message_host.h"
#include "editing/time_axis.h"
#include "lists/error_table.h"
#include "pattern/pat.h"
#include "pattern/pattern_errors.h"
#include "tools/lumo/commands.h"

namespace lumo::cli {

namespace {

constexpr const char* kUsageText =
    "usage: lumo-draw waveforms --name CIRCUIT --input PATTERN.lpt [--output LumoOut.tmp]\n"
    "                           [--expect FILE.lex]\n"
    "                           --png OUT.png (started by lumo run --png)\n";

// The canvas's measures, in pixels.
constexpr int kHeader = 24;
constexpr int kRow = 24;
constexpr int kNames = 130;
constexpr int kLeft = kNames + 10;  // time 0
constexpr int kRight = 20;
constexpr int kMaxWidth = 1600;
constexpr int kMinWidth = 640;

const QColor kHigh(0, 192, 0);
const QColor kUnknown(255, 0, 0);
const QColor kBus(0, 0, 192);
const QColor kBusEdge(0, 255, 255);
const QColor kOutputName(192, 192, 192);
const QColor kHeaderBand(212, 208, 200);
const QColor kMismatch(220, 0, 0);

struct Options {
  std::string name, input, output, png, expect;
};

std::optional<Options> Parse(const Arguments& args) {
  Options options;
  for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
    std::string* value = args[i] == "--name"     ? &options.name
                         : args[i] == "--input"  ? &options.input
                         : args[i] == "--output" ? &options.output
                         : args[i] == "--png"    ? &options.png
                         : args[i] == "--expect" ? &options.expect
                                                 : nullptr;
    if (value == nullptr) return std::nullopt;
    *value = args[i + 1];
  }
  if (args.size() % 2 != 0 || options.input.empty() || options.png.empty()) return std::nullopt;
  return options;
}

// The zoom steps of the canvas, time units per pixel: the finest whose
// picture of every change (and some room after the last) fits the width.
double ScaleFor(std::int32_t last) {
  double scale = 0.0625;
  while (scale < 512 && kLeft + (last + 50) / scale + kRight > kMaxWidth)
    scale *= 2;
  return scale;
}

bool IsBusRow(const PatRow& row) {
  return std::any_of(row.events.begin(), row.events.end(), [](const PatEvent& e) {
    return e.value != "0" && e.value != "1" && e.value != "x" && e.value != "z";
  });
}

class Picture {
 public:
  Picture(const Pat& pattern, const Comparison* comparison, double scale, int width)
      : pattern_(pattern), comparison_(comparison), scale_(scale), width_(width) {}

  void Draw(QPainter& dc) const {
    dc.fillRect(0, 0, width_, kHeader, kHeaderBand);
    dc.setPen(Qt::black);
    dc.drawText(22, 17, QStringLiteral("パターン"));
    DrawAxis(dc);
    for (int i = 0; i < pattern_.count(); ++i)
      DrawRow(dc, pattern_.row(i), kHeader + i * kRow);
    if (comparison_ != nullptr) DrawMismatches(dc);
  }

 private:
  int X(std::int32_t time) const {
    return kLeft + static_cast<int>(std::max<std::int32_t>(time, 0) / scale_);
  }
  std::int32_t LastTime() const { return static_cast<std::int32_t>((width_ - kLeft) * scale_); }

  void DrawAxis(QPainter& dc) const {
    // The canvas's tick table.
    const TickSpacing ticks = TicksFor(scale_);
    for (std::int64_t t = 0; t <= LastTime(); t += ticks.small) {
      const int length = t % ticks.large == 0 ? 10 : 5;
      dc.drawLine(X(t), kHeader - 1, X(t), kHeader - 1 - length);
      if (t % ticks.label != 0 || t + 10 * scale_ > LastTime()) continue;
      const QString label = QString::number(t);
      const int shift = t <= 8 ? 4 : t <= 98 ? 8 : t <= 998 ? 12 : 16;
      dc.drawText(X(t) - shift, kHeader - 12, label);
    }
  }

  void DrawRow(QPainter& dc, const PatRow& row, int top) const {
    if (row.name.empty()) return;
    dc.setPen(Qt::black);
    dc.setBrush(row.kind == RowKind::kOutput ? kOutputName : QColor(Qt::white));
    dc.drawRect(1, top + 1, kNames - 3, kRow - 3);
    dc.drawText(6, top + 17, QString::fromStdString(row.name));
    dc.setBrush(Qt::NoBrush);
    if (IsBusRow(row))
      DrawBus(dc, row, top);
    else
      DrawBits(dc, row, top);
  }

  // One-bit rows: 0 a line at the bottom of the band, 1 a green box with a
  // black top and edges, x and z a red box in the band's lower part.
  void DrawBits(QPainter& dc, const PatRow& row, int top) const {
    const int band = top + 4, bottom = top + 20;
    dc.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    dc.drawLine(kLeft, bottom, width_, bottom);
    for (auto event = row.events.begin(); event != row.events.end(); ++event) {
      const auto next = std::next(event);
      // Of the changes at one place (those before 0 are the circuit
      // settling) the last is drawn.
      if (next != row.events.end() && X(next->time) == X(event->time)) continue;
      const int x0 = X(event->time);
      const int x1 = next == row.events.end() ? width_ : X(next->time);
      const std::string& value = event->value;
      if (value == "1") {
        dc.fillRect(x0, band, x1 - x0, 16, kHigh);
        dc.setPen(Qt::black);
        dc.drawLine(x0, band, x1, band);
        dc.drawLine(x0, band, x0, bottom);
        if (next != row.events.end()) dc.drawLine(x1, band, x1, bottom);
      } else if (value == "0") {
        dc.setPen(Qt::black);
        dc.drawLine(x0, bottom, x1, bottom);
      } else {
        dc.fillRect(x0, bottom - 12, x1 - x0, 12, kUnknown);
      }
    }
  }

  // Bus rows: the band in the bus colour, a cyan edge and the value at
  // each change.
  void DrawBus(QPainter& dc, const PatRow& row, int top) const {
    dc.fillRect(kLeft, top + 4, width_ - kLeft, 16, kBus);
    for (auto event = row.events.begin(); event != row.events.end(); ++event) {
      const auto next = std::next(event);
      if (next != row.events.end() && X(next->time) == X(event->time)) continue;
      const int x = X(event->time);
      dc.setPen(kBusEdge);
      dc.drawLine(x, top + 4, x, top + 19);
      dc.setPen(Qt::white);
      dc.drawText(x + 3, top + 17, QString::fromStdString(event->value));
    }
  }

  // Mismatching stretches as the waveform editor marks them: red bars
  // above and below the row's band.
  void DrawMismatches(QPainter& dc) const {
    for (const RowComparison& row : comparison_->rows) {
      if (row.pattern_row < 0) continue;
      const int top = kHeader + row.pattern_row * kRow;
      for (const Mismatch& mismatch : row.mismatches) {
        const int from = X(mismatch.from);
        const int to = std::max(X(mismatch.to), from + 2);
        dc.fillRect(from, top + 1, to - from, 3, kMismatch);
        dc.fillRect(from, top + 20, to - from, 3, kMismatch);
      }
    }
  }

  const Pat& pattern_;
  const Comparison* comparison_;
  double scale_;
  int width_;
};

void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QStringLiteral("XDG_RUNTIME_DIR"))) return;
  qt_message_output(type, context, text);
}

}  // namespace

int WaveformsCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  const std::optional<Options> options = Parse(args);
  if (!options) {
    err << kUsageText;
    return kUsage;
  }
  std::unique_ptr<QGuiApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    qInstallMessageHandler(QuietQtMessages);
    static int argc = 3;
    static char name[] = "lumo-draw", flag[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, flag, platform, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }

  // Read back as the Simulate command reads a run back.
  StreamMessageHost host(err);
  ErrorTable errors;
  RegisterPatternErrors(errors);
  RegisterMemoryErrors(errors);
  Pat pattern(host, errors);
  pattern.set_schematic_name(options->name);
  if (!pattern.ReadInputPat(options->input)) return kFailed;
  if (!options->output.empty() && !pattern.ReadOutputPat(options->output)) {
    err << "lumo-draw waveforms: cannot read " << options->output << "\n";
    return kFailed;
  }

  // With an expected file, its mismatches are marked on the output rows.
  std::optional<Comparison> comparison;
  if (!options->expect.empty()) {
    RegisterCheckingErrors(errors);
    Expected expected;
    if (!ReadExpectedFile(options->expect, host, errors, expected)) return kFailed;
    ExpandTruthTable(expected);
    comparison = Compare(expected, pattern, options->name);
  }

  std::int32_t last = 0;
  for (int i = 0; i < pattern.count(); ++i)
    for (const PatEvent& event : pattern.row(i).events)
      last = std::max(last, event.time);
  const double scale = ScaleFor(last);
  const int width =
      std::clamp(static_cast<int>(kLeft + (last + 50) / scale + kRight), kMinWidth, kMaxWidth);
  QImage image(width, kHeader + (pattern.count() + 1) * kRow, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter dc(&image);
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(12);
  dc.setFont(font);
  Picture(pattern, comparison ? &*comparison : nullptr, scale, width).Draw(dc);
  dc.end();
  if (!image.save(QString::fromLocal8Bit(options->png.c_str()), "PNG")) {
    err << "lumo-draw waveforms: cannot write " << options->png << "\n";
    return kFailed;
  }
  out << "drew " << pattern.count() << " rows into " << options->png << "\n";
  return kOk;
}

}  // namespace lumo::cli
