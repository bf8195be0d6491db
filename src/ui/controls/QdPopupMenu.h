#pragma once

#include <QMenu>
#include <functional>

// A context menu built in code. Items are actions; an index of -1 means after the last item,
// and no parent item means the menu's top level.
class TqdPopupMenu : public QMenu {
  Q_OBJECT
 public:
  explicit TqdPopupMenu(QWidget* parent = nullptr) : QMenu(parent) {}

  // Shows the action (its caption, picture, enabled state and command) in the menu.
  QAction* AddActionItem(QAction* action, int index = -1, QMenu* parentItem = nullptr);
  // A new item with the caption and command, first in the menu or last; "-" is a separator.
  QAction* AddItem(const QString& caption, bool atTop, std::function<void()> onClick = {});
  QAction* AddSeparator(int index = -1, QMenu* parentItem = nullptr);
  // Removes every top-level item, last first.
  void ClearItems();
};
