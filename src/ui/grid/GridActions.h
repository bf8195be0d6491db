#pragma once

class QAction;
class QObject;
class TqdPopupMenu;

// The six commands every grid carries, and its context menu made of them.
struct TGridActions {
  QAction* Export = nullptr;
  QAction* Export2Excel = nullptr;
  QAction* Export2Html = nullptr;
  QAction* ColVisible = nullptr;
  QAction* TableStyleSave = nullptr;
  QAction* Sort = nullptr;

  // The actions, owned by the grid. The sort, column and export dialogs are not part of the
  // program yet, so their commands stay disabled.
  static TGridActions Create(QObject* owner);
  // Sort, a separator, column choice, save layout, a separator, the two exports.
  void FillMenu(TqdPopupMenu* menu) const;
};
