#include "ui/controls/QdPopupMenu.h"

namespace {

void InsertAt(QMenu* menu, QAction* action, int index) {
  const QList<QAction*> items = menu->actions();
  QAction* before = index >= 0 && index < items.size() ? items[index] : nullptr;
  menu->insertAction(before, action);
}

}  // namespace

QAction* TqdPopupMenu::AddActionItem(QAction* action, int index, QMenu* parentItem) {
  InsertAt(parentItem ? parentItem : this, action, index);
  return action;
}

QAction* TqdPopupMenu::AddItem(const QString& caption, bool atTop, std::function<void()> onClick) {
  auto* item = new QAction(caption, this);
  if (caption == u"-") item->setSeparator(true);
  if (onClick) connect(item, &QAction::triggered, this, [onClick] { onClick(); });
  InsertAt(this, item, atTop ? 0 : -1);
  return item;
}

QAction* TqdPopupMenu::AddSeparator(int index, QMenu* parentItem) {
  auto* item = new QAction(this);
  item->setSeparator(true);
  InsertAt(parentItem ? parentItem : this, item, index);
  return item;
}

void TqdPopupMenu::ClearItems() {
  const QList<QAction*> items = actions();
  for (auto it = items.crbegin(); it != items.crend(); ++it) {
    removeAction(*it);
    if ((*it)->parent() == this) delete *it;
  }
}
