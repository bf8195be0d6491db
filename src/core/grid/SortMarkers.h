#pragma once

#include <QList>
#include <QString>

// The sort markers of grid titles: a click turns a title's marker from none to down
// (ascending), from down to up (descending) and from up to none again. The data set's sort text
// lists the marked fields in the order in which they were marked.
class TSortMarkers {
 public:
  enum TMarker { None, Down, Up };

  // Advances the field's marker; returns the new one.
  TMarker Click(const QString& fieldName);
  TMarker MarkerOf(const QString& fieldName) const;
  void Clear() { marked_.clear(); }
  // "Name, CardNo DESC" style text for the data set; empty when nothing is marked.
  QString SortText() const;

 private:
  struct TMark {
    QString FieldName;
    TMarker Marker;
  };
  QList<TMark> marked_;
};
