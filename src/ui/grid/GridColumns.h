#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include "core/grid/GridLayout.h"

class QTableView;
class TDataSetModel;

// The columns of a grid view over a data set model: which are visible, their widths in pixels
// and their order, read and written as one list or as a layout string.
class TGridColumns {
 public:
  TGridColumns(QTableView* view, TDataSetModel* model) : view_(view), model_(model) {}

  // One column per visible field, in field order, with the field's display width, all visible
  // or all hidden.
  void Rebuild(bool visible);
  // The columns in their order on screen.
  QList<TGridColumn> Columns() const;
  // Puts the columns in the given order with the given visibility and widths.
  void SetColumns(const QList<TGridColumn>& columns);

  QString LayoutText() const { return TGridLayout::Text(Columns()); }
  // Rebuilds the columns (visible when the text is empty, else as newColumnsVisible says) and
  // applies the text; a bad line stops the applying quietly.
  void SetLayoutText(const QString& text, bool newColumnsVisible);

  bool IsVisible(int column) const;
  void SetVisible(int column, bool visible);
  int Width(int column) const;
  void SetWidth(int column, int width);
  // The width a field's display width in characters takes on screen.
  int DefaultWidth(int column) const;

 private:
  QTableView* view_;
  TDataSetModel* model_;
  QHash<int, int> hiddenWidths_;
};
