#include "core/grid/SortMarkers.h"

TSortMarkers::TMarker TSortMarkers::Click(const QString& fieldName) {
  for (qsizetype i = 0; i < marked_.size(); ++i) {
    if (marked_[i].FieldName.compare(fieldName, Qt::CaseInsensitive) != 0) continue;
    if (marked_[i].Marker == Down) {
      marked_[i].Marker = Up;
      return Up;
    }
    marked_.removeAt(i);
    return None;
  }
  marked_.append({fieldName, Down});
  return Down;
}

TSortMarkers::TMarker TSortMarkers::MarkerOf(const QString& fieldName) const {
  for (const TMark& mark : marked_)
    if (mark.FieldName.compare(fieldName, Qt::CaseInsensitive) == 0) return mark.Marker;
  return None;
}

QString TSortMarkers::SortText() const {
  QString text;
  for (const TMark& mark : marked_)
    text +=
        mark.FieldName + (mark.Marker == Up ? QStringLiteral(" DESC , ") : QStringLiteral(", "));
  text.chop(2);
  return text;
}
