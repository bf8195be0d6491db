#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/grid/GridLayout.h"

class QTableView;
class TDataSetModel;

// The columns of a grid view over a data set model: which are visible, their widths in pixels
// and their order, read and written as one list or as a layout string.
//
// Without a stored layout the columns start as wide as their caption and the first screenful of
// values (capped), in field order after the columns the window prefers first. Until the operator
// resizes a column, they are fitted again when the data set is first filled, and widened when
// later rows need more room.
class TGridColumns : public QObject {
  Q_OBJECT
 public:
  // showsUnlistedFields: whether fields without a line in a stored layout are shown.
  TGridColumns(QTableView* view, TDataSetModel* model, bool showsUnlistedFields);

  // One column per visible field, in field order, as wide as its contents, all visible or all
  // hidden.
  void Rebuild(bool visible);
  // The columns in their order on screen.
  QList<TGridColumn> Columns() const;
  // Puts the columns in the given order with the given visibility and widths.
  void SetColumns(const QList<TGridColumn>& columns);

  QString LayoutText() const { return TGridLayout::Text(Columns()); }
  // Rebuilds the columns and applies the text. An empty text shows every visible field, fitted
  // to its contents, in the preferred order; otherwise the fields without a line are shown or
  // hidden as the grid does it, and a bad line stops the applying quietly.
  void SetLayoutText(const QString& text);
  // The fields (by name) that come first, in this order, while no layout is stored; names the
  // data set lacks are skipped. Applied at once when no layout is stored.
  void SetPreferredOrder(const QStringList& fieldNames);

  bool IsVisible(int column) const;
  void SetVisible(int column, bool visible);
  int Width(int column) const;
  // Sets a column's width as the operator arranges it: no fitting to the contents after this.
  void SetWidth(int column, int width);
  // The width the column starts at without a stored layout: its caption, the values of the
  // first screenful of rows (capped at kMaxFitWidth) and its extra width.
  int DefaultWidth(int column) const;
  // While the columns follow their contents: fits them to the rows the first time there are
  // rows, and later widens those that need more room.
  void FitToContents();
  // What a column needs besides its caption and values when it is fitted (a footer sum).
  void SetExtraWidths(std::function<int(int column)> widths) { extraWidths_ = std::move(widths); }
  // True while the columns still follow their contents (no stored layout, nothing resized).
  bool FitsContents() const { return !layoutStored_ && !arranged_; }
  // The leftmost visible column; -1 when none is visible.
  int FirstVisible() const;

  static constexpr int kMaxFitWidth = 180;

 signals:
  // The columns were made again or rearranged as a whole.
  void Arranged();

 private:
  void ApplyPreferredOrder();
  void Resize(int column, int width);
  void ApplyText(const QString& text);
  void RestoreAfterRebuild();

  QTableView* view_;
  TDataSetModel* model_;
  QHash<int, int> hiddenWidths_;
  QStringList preferred_;
  std::function<int(int column)> extraWidths_;
  QString layoutBeforeRebuild_;
  bool showsUnlisted_;
  bool layoutStored_ = false;
  bool arranged_ = false;
  bool filled_ = false;
  int ownChanges_ = 0;
};
