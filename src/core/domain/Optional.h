#pragma once

#include <QDateTime>
#include <QVariant>
#include <optional>

#include "core/base/Variants.h"
#include "core/db/DataSet.h"

// Optional record values: an empty field or parameter stays empty.
template <typename T>
QVariant ToVariant(const std::optional<T>& value) {
  return value ? QVariant::fromValue(*value) : QVariant();
}

inline std::optional<int> OptionalInt(const TField* field) {
  if (field->IsNull()) return std::nullopt;
  return field->AsInteger();
}

inline std::optional<double> OptionalFloat(const TField* field) {
  if (field->IsNull()) return std::nullopt;
  return field->AsFloat();
}

inline std::optional<QDateTime> OptionalDateTime(const TField* field) {
  const QDateTime value = field->AsDateTime();
  if (!value.isValid()) return std::nullopt;
  return value;
}
