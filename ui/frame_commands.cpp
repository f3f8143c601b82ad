#include "ui/frame_commands.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QToolBar>

#include "ui/toolbar_icons.h"

namespace lumo {

namespace {

bool OnToolBar(std::span<const int> tool_order, int id) {
  return std::find(tool_order.begin(), tool_order.end(), id) != tool_order.end();
}

QAction* AddAction(QMenu& menu, const CommandLook& look, bool icon) {
  if (look.separator) menu.addSeparator();
  QAction* action = menu.addAction(QString::fromUtf8(look.caption));
  action->setData(look.id);
  action->setObjectName(QStringLiteral("command%1").arg(look.id));
  const QString tip = look.prompt != nullptr ? QString::fromUtf8(look.prompt) : action->text();
  action->setToolTip(tip);
  action->setStatusTip(tip);
  if (icon) action->setIcon(CommandIcon(look.id));
  if (look.shortcut != nullptr)
    action->setShortcut(
        QKeySequence(QString::fromLatin1(look.shortcut), QKeySequence::PortableText));
  action->setCheckable(look.mode);
  action->setEnabled(!look.later);
  return action;
}

}  // namespace

CommandActions::CommandActions(QMainWindow& window, std::span<const char* const> menus,
                               const std::vector<CommandLook>& looks, const char* toolbar,
                               std::span<const int> tool_order) {
  std::vector<QMenu*> bar;
  for (const char* title : menus)
    bar.push_back(window.menuBar()->addMenu(QString::fromUtf8(title)));
  modes_ = new QActionGroup(&window);
  modes_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const CommandLook& look : looks) {
    QAction* action = AddAction(*bar.at(look.menu), look, OnToolBar(tool_order, look.id));
    if (look.mode) modes_->addAction(action);
    actions_[look.id] = action;
  }
  QToolBar* tools = window.addToolBar(QString::fromUtf8(toolbar));
  tools->setMovable(false);
  tools->setIconSize(QSize(20, 20));
  for (int id : tool_order) {
    if (id == kToolSeparator)
      tools->addSeparator();
    else
      tools->addAction(actions_.at(id));
  }
}

QAction* CommandActions::action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void CommandActions::PressModeButton(int id) {
  for (QAction* action : modes_->actions())
    action->setChecked(action->data().toInt() == id);
}

std::string OutOfMemoryText(const char* caption) {
  return std::string("メモリが足りません。\n「") + caption + "」を中止しました。";
}

}  // namespace lumo
