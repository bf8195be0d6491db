#pragma once

#include <QList>
#include <QString>

// One grid column as its layout sees it: the bound field, visibility and width in pixels.
struct TGridColumn {
  QString FieldName;
  bool Visible = true;
  int Width = 0;
};

// The layout string of a grid: one "FieldName=True80" line per column in column order, each
// ended by CR LF ("False" for a hidden column). Field names compare without regard to case.
class TGridLayout {
 public:
  // When two columns share a field, the later one's value replaces the earlier line in place.
  static QString Text(const QList<TGridColumn>& columns);
  // Applies a layout string to the columns: visibility and width of every column that has a
  // line, then the order of the lines. Columns without a line stay as they are. Stops quietly at
  // the first line it cannot read, keeping what was already applied, and then returns false.
  static bool Apply(const QString& text, QList<TGridColumn>& columns);
  // The lines of a text as a string list reads them: CR LF, CR or LF end a line.
  static QStringList Lines(const QString& text);
};
