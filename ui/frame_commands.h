#pragma once

#include <QAction>
#include <QMainWindow>
#include <map>
#include <new>
#include <span>
#include <string>
#include <vector>

#include "ui/application.h"

class QActionGroup;

namespace lumo {

// A frame's commands are a table of rows, one per command: the frame's menus,
// its tool bar, its mode buttons and what each command does all come from
// the rows, so a new window writes its rows instead of copying another
// window's building and dispatching code.

inline constexpr int kNoMode = -1;        // a row that is not a mode button
inline constexpr int kToolSeparator = 0;  // in a tool bar's order: a separator

// One command of a window of type Frame. A row with a mode is a checkable
// button of the window's exclusive mode group; running it calls `run` when
// the row has one, otherwise Frame::EnterMode(mode). A command on the tool
// bar carries its icon in the menu too.
template <class Frame>
struct CommandRow {
  int id = 0;
  const char* caption = "";
  int menu = 0;                       // index into the table's menu titles
  bool separator = false;             // a menu separator goes before the entry
  const char* shortcut = nullptr;     // its key, as "Ctrl+S"; shown in the menu
  const char* prompt = nullptr;       // tool tip and status tip; the caption when null
  int mode = kNoMode;                 // the mode the command selects
  const char* mode_status = nullptr;  // status text while the mode is on, if the frame shows one
  void (*run)(Frame&) = nullptr;      // what the command does
  // Sets the application's activated flag first: the canvases then ignore
  // the mouse until they have painted, so the click that may follow a
  // menu command does not reach them.
  bool activates = true;
  bool later = false;  // its window comes later: shown, disabled
};

// The handler of a row that calls a member function of its frame (its
// result, if any, unused): `.run = Call<&DrawFrame::Open>`.
template <class>
struct MemberClassOf;
template <class Result, class Class>
struct MemberClassOf<Result (Class::*)()> {
  using type = Class;
};
template <auto member>
void Call(typename MemberClassOf<decltype(member)>::type& frame) {
  (frame.*member)();
}

// Everything a window's commands are built from.
template <class Frame>
struct CommandTable {
  std::span<const char* const> menus;  // the menu bar's titles, in order
  std::span<const CommandRow<Frame>> rows;
  const char* toolbar = "";         // the tool bar's object name
  std::span<const int> tool_order;  // its buttons by command id, kToolSeparator between groups

  const CommandRow<Frame>* Find(int id) const {
    for (const CommandRow<Frame>& row : rows)
      if (row.id == id) return &row;
    return nullptr;
  }
  const CommandRow<Frame>* FindMode(int mode) const {
    for (const CommandRow<Frame>& row : rows)
      if (row.mode != kNoMode && row.mode == mode) return &row;
    return nullptr;
  }
};

// What the menu and tool bar builder needs of a row.
struct CommandLook {
  int id;
  const char* caption;
  int menu;
  bool separator;
  const char* shortcut;
  const char* prompt;
  bool mode;
  bool later;
};

template <class Frame>
std::vector<CommandLook> LooksOf(std::span<const CommandRow<Frame>> rows) {
  std::vector<CommandLook> looks;
  for (const CommandRow<Frame>& row : rows)
    looks.push_back({row.id, row.caption, row.menu, row.separator, row.shortcut, row.prompt,
                     row.mode != kNoMode, row.later});
  return looks;
}

// The actions of one window: its menus, its tool bar and its mode group,
// built from a table. Each action carries its command id as data and is
// named command<id>.
class CommandActions {
 public:
  // Builds the window's commands; triggering one calls frame.RunCommand(id).
  template <class Frame>
  CommandActions(Frame& frame, const CommandTable<Frame>& table)
      : CommandActions(frame, table.menus, LooksOf(table.rows), table.toolbar, table.tool_order) {
    for (const CommandRow<Frame>& row : table.rows)
      QObject::connect(actions_.at(row.id), &QAction::triggered, &frame,
                       [&frame, id = row.id] { frame.RunCommand(id); });
  }

  // The action of a command id (null for an unknown id).
  QAction* action(int id) const;
  // Checks the mode button of a command and releases the others (0: none).
  void PressModeButton(int id);

 private:
  CommandActions(QMainWindow& window, std::span<const char* const> menus,
                 const std::vector<CommandLook>& looks, const char* toolbar,
                 std::span<const int> tool_order);

  std::map<int, QAction*> actions_;
  QActionGroup* modes_;
};

// The message of a command that ran out of memory and was given up.
std::string OutOfMemoryText(const char* caption);

// Runs the command of an id as its menu entry does; an id the table does
// not hold does nothing. A command that runs out of memory is given up with
// a message over its window, and the program goes on (an exception must not
// reach Qt's event loop, which would end the program).
template <class Frame>
void RunCommandRow(Frame& frame, const CommandTable<Frame>& table, Application& app, int id) {
  const CommandRow<Frame>* row = table.Find(id);
  if (row == nullptr) return;
  if (row->activates) app.SetActivated();
  try {
    if (row->run != nullptr)
      row->run(frame);
    else if (row->mode != kNoMode)
      frame.EnterMode(row->mode);
  } catch (const std::bad_alloc&) {
    app.MakeWindowHost(frame)->Warn(OutOfMemoryText(row->caption));
  }
}

}  // namespace lumo
