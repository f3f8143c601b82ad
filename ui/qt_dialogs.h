#pragma once

#include <memory>
#include <string>

#include "ui/user_dialogs.h"

namespace lumo {

class HelpWindow;

// The dialogs of the program: Qt's file and print dialogs, the name dialog,
// the about box and the help window.
class QtDialogs : public UserDialogs {
 public:
  explicit QtDialogs(std::string system_folder);
  ~QtDialogs() override;

  std::optional<std::string> OpenSchematic(QWidget* parent, const std::string& folder) override;
  std::optional<std::string> SaveSchematicAs(QWidget* parent, const std::string& folder) override;
  std::optional<std::string> SchematicToDelete(QWidget* parent, const std::string& folder) override;
  std::optional<std::string> SaveVerilogAs(QWidget* parent, const std::string& folder) override;
  std::optional<std::string> AskName(QWidget* parent, const std::string& current,
                                     QPoint at) override;
  std::optional<std::string> AskTerminalName(QWidget* parent, QPoint at) override;
  std::optional<int> AskPlaySpeed(QWidget* parent, int current) override;
  std::optional<std::string> OpenPattern(QWidget* parent, const std::string& folder,
                                         const std::string& schematic) override;
  std::optional<std::string> SavePatternAs(QWidget* parent, const std::string& folder,
                                           const std::string& schematic) override;
  std::optional<std::string> PatternToDelete(QWidget* parent, const std::string& folder,
                                             const std::string& schematic) override;
  std::optional<std::string> OpenExpected(QWidget* parent, const std::string& folder,
                                          const std::string& schematic) override;
  std::optional<std::string> SaveExpectedAs(QWidget* parent, const std::string& folder,
                                            const std::string& schematic) override;
  std::string AskValue(QWidget* parent, QPoint at) override;
  bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
  void ShowAbout(QWidget* parent) override;
  void ShowHelp(QWidget* parent, int context) override;

 private:
  std::string system_folder_;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace lumo
