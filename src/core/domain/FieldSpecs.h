#pragma once

#include <initializer_list>

#include "core/db/RecordSet.h"

// One declared column of a list: kind, name, caption, whether it shows, and its text size.
struct TFieldSpec {
  TFieldType Type;
  const char* Name;
  const char* Label = "";
  bool Visible = true;
  int Size = -1;
};

inline void DeclareFields(TRecordSet& set, std::initializer_list<TFieldSpec> columns) {
  for (const TFieldSpec& column : columns)
    set.AddField(column.Type, QString::fromUtf8(column.Name), QString::fromUtf8(column.Label),
                 column.Visible, column.Size);
}

inline QString ShowTick(const TField& field) {
  return field.IsNull() ? QString() : (field.AsBoolean() ? QStringLiteral("√") : QString());
}
