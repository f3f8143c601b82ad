#pragma once

#include <QPoint>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace lumo {

// The modal dialogs and the help the windows open, behind one interface so
// that tests can answer them without waiting on a dialog. Paths are in the
// file system's encoding.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // The schematic file dialogs, starting in `folder`: a file to open (it may
  // not exist yet), a file to save to, a file to delete. Nothing on Cancel.
  virtual std::optional<std::string> OpenSchematic(QWidget* parent, const std::string& folder) = 0;
  virtual std::optional<std::string> SaveSchematicAs(QWidget* parent,
                                                     const std::string& folder) = 0;
  virtual std::optional<std::string> SchematicToDelete(QWidget* parent,
                                                       const std::string& folder) = 0;

  // The file to write a Verilog export to, starting in `folder`; nothing on
  // Cancel (as every dialog without an answer of its own).
  virtual std::optional<std::string> SaveVerilogAs(QWidget* /*parent*/,
                                                   const std::string& /*folder*/) {
    return std::nullopt;
  }

  // The name dialog near `at` (global pixels), showing `current`; the text
  // typed (UTF-8), or nothing when cancelled.
  virtual std::optional<std::string> AskName(QWidget* parent, const std::string& current,
                                             QPoint at) = 0;

  // The symbol editor's terminal dialog near `at`: a terminal name and an
  // optional second word, its extra label; nothing when cancelled. By
  // default the name dialog.
  virtual std::optional<std::string> AskTerminalName(QWidget* parent, QPoint at) {
    return AskName(parent, "?", at);
  }
  // The waveform editor's playing speed: simulated time a second, 0 for the
  // whole run in about ten seconds; nothing when cancelled.
  virtual std::optional<int> AskPlaySpeed(QWidget* parent, int current) {
    (void)parent, (void)current;
    return std::nullopt;
  }
  // The input pattern file dialogs of a schematic's waveform editor,
  // starting at `folder`; the filter offers the files named after
  // `schematic`. Nothing on Cancel.
  virtual std::optional<std::string> OpenPattern(QWidget* parent, const std::string& folder,
                                                 const std::string& schematic) = 0;
  virtual std::optional<std::string> SavePatternAs(QWidget* parent, const std::string& folder,
                                                   const std::string& schematic) = 0;
  virtual std::optional<std::string> PatternToDelete(QWidget* parent, const std::string& folder,
                                                     const std::string& schematic) = 0;
  // The expected-output file dialogs of the waveform editor, starting at
  // `folder`, offering the files named after `schematic`: a file to read, a
  // file to write. Nothing on Cancel.
  virtual std::optional<std::string> OpenExpected(QWidget* parent, const std::string& folder,
                                                  const std::string& schematic) = 0;
  virtual std::optional<std::string> SaveExpectedAs(QWidget* parent, const std::string& folder,
                                                    const std::string& schematic) = 0;
  // The small value dialog of the waveform canvas near `at` (global
  // pixels): the text of its field however it was closed.
  virtual std::string AskValue(QWidget* parent, QPoint at) = 0;

  // The print dialog on `printer`; false when cancelled.
  virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;

  virtual void ShowAbout(QWidget* parent) = 0;
  // The help page of a context number.
  virtual void ShowHelp(QWidget* parent, int context) = 0;
};

}  // namespace lumo
