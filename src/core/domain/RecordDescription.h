#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <type_traits>

#include "core/base/Errors.h"
#include "core/base/Money.h"
#include "core/base/Variants.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"
#include "core/db/SqlDialect.h"

// How one column of a record shows and travels. Everything a list, an editor and a statement need
// to know of a record comes from its one description: the list's fields, the copy between a row
// and the record, and the statement parameters.
struct TColumnLook {
  const char* Label = "";
  bool Visible = true;
  int Size = -1;
  // A field of the record set's list; other columns are read where a query returns them.
  bool Listed = true;
  // Computed by the data set from the other fields of the row.
  bool Calculated = false;
  // Copied from the record into a row; read-only figures keep the row's value.
  bool Written = true;
  // An optional value that reads an empty field as zero rather than as empty.
  bool EmptyAsZero = false;
};

namespace record_values {

inline QVariant Get(const QString& v) {
  return v;
}
inline QVariant Get(int v) {
  return v;
}
inline QVariant Get(qint64 v) {
  return v;
}
inline QVariant Get(bool v) {
  return v;
}
inline QVariant Get(double v) {
  return v;
}
inline QVariant Get(const QDateTime& v) {
  return v.isValid() ? QVariant(v) : QVariant();
}
inline QVariant Get(TMoney v) {
  return QVariant::fromValue(v);
}
template <typename T>
QVariant Get(const std::optional<T>& v) {
  return v ? Get(*v) : QVariant();
}

inline void Set(const TField& f, QString& v) {
  v = f.AsString();
}
inline void Set(const TField& f, int& v) {
  v = f.AsInteger();
}
inline void Set(const TField& f, qint64& v) {
  v = VarToInt64(f.Value());
}
inline void Set(const TField& f, bool& v) {
  v = f.AsBoolean();
}
inline void Set(const TField& f, double& v) {
  v = f.AsFloat();
}
inline void Set(const TField& f, QDateTime& v) {
  v = f.AsDateTime();
}
inline void Set(const TField& f, TMoney& v) {
  v = f.AsMoney();
}
template <typename T>
void Set(const TField& f, std::optional<T>& v) {
  T value{};
  Set(f, value);
  if constexpr (std::is_same_v<T, QDateTime>)
    v = value.isValid() ? std::optional<T>(value) : std::nullopt;
  else
    v = f.IsNull() ? std::nullopt : std::optional<T>(value);
}
template <typename T>
void SetZeroWhenEmpty(const TField& f, std::optional<T>& v) {
  T value{};
  Set(f, value);
  v = value;
}
template <typename T>
void SetZeroWhenEmpty(const TField& f, T& v) {
  Set(f, v);
}

}  // namespace record_values

template <typename R>
struct TColumn {
  // A column that the record holds in the member.
  template <typename M>
  TColumn(TFieldType type, const char* name, M R::*member, TColumnLook look = {})
      : Type(type), Name(QString::fromUtf8(name)), Look(look) {
    Get = [member](const R& record) { return record_values::Get(record.*member); };
    if (look.EmptyAsZero)
      Set = [member](const TField& f, R& record) {
        record_values::SetZeroWhenEmpty(f, record.*member);
      };
    else
      Set = [member](const TField& f, R& record) { record_values::Set(f, record.*member); };
  }
  // A field of the list that the record does not hold.
  TColumn(TFieldType type, const char* name, TColumnLook look = {})
      : Type(type), Name(QString::fromUtf8(name)), Look(look) {}

  TFieldType Type;
  QString Name;
  TColumnLook Look;
  std::function<QVariant(const R&)> Get;
  std::function<void(const TField&, R&)> Set;
};

template <typename R>
class TRecordDescription {
 public:
  TRecordDescription(std::initializer_list<TColumn<R>> columns) : columns_(columns) {}

  const QList<TColumn<R>>& Columns() const { return columns_; }

  // Declares the list's fields on a record set, through its own way of adding fields so that each
  // kind of set keeps its display rules.
  template <typename TSet>
  void DeclareFields(TSet& set) const {
    for (const TColumn<R>& column : columns_) {
      if (!column.Look.Listed) continue;
      const QString label = QString::fromUtf8(column.Look.Label);
      if (column.Look.Calculated)
        set.DataSet()->AddCalculatedField(column.Type, column.Name, label, column.Look.Visible,
                                          column.Look.Size);
      else if constexpr (std::is_base_of_v<TQdClientDataSet, TSet>)
        set.AddFieldDef(column.Type, column.Name, label, column.Look.Visible,
                        column.Look.Size < 0 ? 0 : column.Look.Size);
      else
        set.AddField(column.Type, column.Name, label, column.Look.Visible, column.Look.Size);
    }
  }

  // The record in the current row; columns that the row lacks keep the record's defaults.
  R Read(const TDataSet& row) const {
    R record;
    for (const TColumn<R>& column : columns_) {
      if (!column.Set) continue;
      if (const TField* field = row.FindField(column.Name)) column.Set(*field, record);
    }
    return record;
  }

  // Writes the record into the current row, which the caller has put into edit or insert state.
  void Write(const R& record, TDataSet& row) const {
    for (const TColumn<R>& column : columns_) {
      if (!column.Get || !column.Look.Written || column.Look.Calculated) continue;
      if (TField* field = row.FindField(column.Name)) field->SetValue(column.Get(record));
    }
  }

  // The parameters of a statement: every ":Name" it holds takes the record's column of that name,
  // unless an override names it ("Id" of a card statement is the card's key).
  TDBParameters Params(const QString& sql, const R& record,
                       const TDBParameters& overrides = {}) const {
    TDBParameters params;
    const QStringList markers = PrepareStatementText(sql, TSqlDialect::SQLite).Markers;
    for (const QString& name : markers) {
      if (HasParam(params, name)) continue;
      params << ParamOf(name, record, overrides, sql);
    }
    return params;
  }

 private:
  static bool HasParam(const TDBParameters& params, const QString& name) {
    for (const TDBParameter& param : params)
      if (param.Name.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
  }

  TDBParameter ParamOf(const QString& name, const R& record, const TDBParameters& overrides,
                       const QString& sql) const {
    for (const TDBParameter& param : overrides)
      if (param.Name.compare(name, Qt::CaseInsensitive) == 0) return param;
    for (const TColumn<R>& column : columns_)
      if (column.Get && column.Name.compare(name, Qt::CaseInsensitive) == 0)
        return MakeParam(name, column.Get(record));
    throw EParameterError(QStringLiteral("记录中没有参数 :%1 的值").arg(name), sql);
  }

  QList<TColumn<R>> columns_;
};

// The text a yes/no field shows: "√" for yes, nothing for no.
inline QString ShowTick(const TField& field) {
  return field.IsNull() ? QString() : (field.AsBoolean() ? QStringLiteral("√") : QString());
}
