#pragma once

#include <initializer_list>

#include "data/RecordSet.h"

// One declared column of a list: kind, name, caption, whether it shows, and its text size.
struct TFieldSpec {
  TFieldType Type;
  const char* Name;
  const char* Label = "";
  bool Visible = true;
  int Size = -1;
};

inline void DeclareFields(TRecordSet& set, std::initializer_list<TFieldSpec> specs) {
  for (const TFieldSpec& spec : specs)
    set.AddField(spec.Type, QString::fromUtf8(spec.Name), QString::fromUtf8(spec.Label),
                 spec.Visible, spec.Size);
}

inline QString ShowTick(const TField& field) {
  return field.IsNull() ? QString() : (field.AsBoolean() ? QStringLiteral("√") : QString());
}
