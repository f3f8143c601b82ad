// lumo symbols: draws every symbol of a library file and/or a folder of user
// symbols into a PNG, in the grid and with the labels of the symbol chooser.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtGlobal>
#include <filesystem>
#include <memory>
#include <optional>

#include "common/file_path.h"
#include "common/stream_message_host.h"
#include "common/system_folder.h"
#include "display/display_lib.h"
#include "display/symbol_grid.h"
#include "lists/list_errors.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_list.h"
#include "tools/lumo/commands.h"

namespace lumo::cli {

namespace {

constexpr const char* kUsageText =
    "usage: lumo symbols [--lib FILE] [--folder DIR] [--orientation 0-7] [--logic p|n]\n"
    "                    [--scale S] [--width PIXELS] --png OUT.png\n"
    "  draws every symbol of the library (default: LumoCAD.lib of the system folder)\n"
    "  and/or of a folder of .lsy files, as the symbol chooser shows them\n";

struct Options {
  std::string library;
  std::string folder;
  std::string png;
  int orientation = 0;
  char logic = 'p';
  double scale = 1;
  int width = 800;
};

std::optional<int> IntegerOf(const std::string& text) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

std::optional<Options> Parse(const Arguments& args, std::ostream& err) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (i + 1 >= args.size()) {
      err << "lumo symbols: " << flag << " needs a value\n";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (flag == "--lib") {
      options.library = value;
    } else if (flag == "--folder") {
      options.folder = value;
    } else if (flag == "--png") {
      options.png = value;
    } else if (flag == "--orientation") {
      const auto code = IntegerOf(value);
      if (!code || *code < 0 || *code > 7) return std::nullopt;
      options.orientation = *code;
    } else if (flag == "--logic") {
      if (value != "p" && value != "n") return std::nullopt;
      options.logic = value[0];
    } else if (flag == "--scale") {
      const auto scale = IntegerOf(value);
      if (!scale || *scale < 1 || *scale > 8) return std::nullopt;
      options.scale = *scale;
    } else if (flag == "--width") {
      const auto width = IntegerOf(value);
      if (!width || *width < 100 || *width > 10000) return std::nullopt;
      options.width = *width;
    } else {
      err << "lumo symbols: unknown option " << flag << "\n";
      return std::nullopt;
    }
  }
  if (options.png.empty()) return std::nullopt;
  return options;
}

// Qt's offscreen platform complains about a missing runtime folder, which
// this tool never needs; everything else Qt says still goes to standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QStringLiteral("XDG_RUNTIME_DIR"))) return;
  qt_message_output(type, context, text);
}

struct Pane {
  std::string title;
  SymbolList* symbols;
};

}  // namespace

int SymbolsCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  const std::optional<Options> parsed = Parse(args, err);
  if (!parsed) {
    err << kUsageText;
    return kUsage;
  }
  Options options = *parsed;

  // Drawing needs a GUI application object, never a screen.
  std::unique_ptr<QGuiApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    qInstallMessageHandler(QuietQtMessages);
    static int argc = 3;
    static char name[] = "lumo", flag[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, flag, platform, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  if (options.library.empty() && options.folder.empty())
    options.library = JoinPath(SystemFolder(), kSymbolLibraryFile);

  StreamMessageHost host(err);
  ErrorTable symbol_errors, list_errors, display_errors;
  RegisterSymbolErrors(symbol_errors);
  RegisterListErrors(list_errors);
  const SymbolMessages messages{host, symbol_errors, list_errors};
  SymbolList system_symbols, user_symbols;
  std::vector<Pane> panes;
  if (!options.library.empty()) {
    if (!system_symbols.Read(options.library, messages)) return kFailed;
    panes.push_back({"システムシンボル  " + options.library, &system_symbols});
  }
  if (!options.folder.empty()) {
    if (!user_symbols.ReadFolder(options.folder, messages)) return kFailed;
    panes.push_back({"ユーザーシンボル  " + options.folder, &user_symbols});
  }

  DisplayLib display(host, display_errors);
  const double scale = options.scale;
  const int title_height = NearestInt(20 * scale);
  std::vector<SymbolGridLayout> layouts;
  int height = 0;
  for (const Pane& pane : panes) {
    for (Symbol& symbol : *pane.symbols) {
      symbol.orientation = options.orientation;
      symbol.logic = options.logic;
    }
    layouts.push_back(LayOutSymbolGrid(*pane.symbols, options.width, scale));
    const SymbolGridLayout& layout = layouts.back();
    const int rows = (layout.count + layout.columns - 1) / layout.columns;
    height += title_height + std::max(rows, 1) * layout.cell_height;
  }

  QImage image(options.width, std::max(height, 1), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter dc(&image);
  display.Store(dc);
  const int w = NearestInt(6 * scale), h = NearestInt(12 * scale);
  display.SetFontSize(dc, w, h);
  int top = 0;
  for (std::size_t i = 0; i < panes.size(); ++i) {
    const SymbolGridLayout& layout = layouts[i];
    display.SetColor(dc, Qt::black);
    display.PutText(dc, panes[i].title, NearestInt(4 * scale), top + title_height / 2, 'l', 0);
    top += title_height;
    const int rows = std::max((layout.count + layout.columns - 1) / layout.columns, 1);
    const int pane_height = rows * layout.cell_height;
    dc.save();
    dc.setClipRect(0, top, options.width, pane_height);
    DrawSymbolGrid(display, dc, *panes[i].symbols, layout, options.width, pane_height + top, 0,
                   -top, scale);
    dc.restore();
    display.Store(dc);
    top += pane_height;
  }
  display.Restore(dc);
  dc.end();
  if (!image.save(QString::fromLocal8Bit(options.png.c_str()), "PNG")) {
    err << "lumo symbols: cannot write " << options.png << "\n";
    return kFailed;
  }
  std::size_t count = 0;
  for (const Pane& pane : panes)
    count += pane.symbols->Count();
  out << "drew " << count << " symbols into " << options.png << "\n";
  return kOk;
}

}  // namespace lumo::cli
