#include "core/db/SqliteRows.h"

#include <sqlite3.h>

#include <QDateTime>

#include "core/base/Errors.h"

namespace {

// The driver's reading of a declared column type.
QMetaType DeclaredType(const char* declared) {
  const QString name = QString::fromUtf8(declared).toLower();
  if (name == u"integer" || name == u"int") return QMetaType::fromType<int>();
  if (name == u"double" || name == u"float" || name == u"real" || name.startsWith(u"numeric"))
    return QMetaType::fromType<double>();
  if (name == u"blob") return QMetaType::fromType<QByteArray>();
  if (name == u"boolean" || name == u"bool") return QMetaType::fromType<bool>();
  return QMetaType::fromType<QString>();
}

// NULL as the driver binds it: a null variant, or a null text, bytes or date.
bool BindsNull(const QVariant& value) {
  if (value.isNull()) return true;
  switch (value.typeId()) {
    case QMetaType::QString:
      return static_cast<const QString*>(value.constData())->isNull();
    case QMetaType::QByteArray:
      return static_cast<const QByteArray*>(value.constData())->isNull();
    case QMetaType::QDateTime:
      return !static_cast<const QDateTime*>(value.constData())->isValid();
    case QMetaType::QDate:
      return !static_cast<const QDate*>(value.constData())->isValid();
    default:
      return false;
  }
}

}  // namespace

TSqliteRows::TSqliteRows(sqlite3* connection, const QString& text, const QList<QVariant>& values,
                         QString sql)
    : connection_(connection), sql_(std::move(sql)) {
  const QByteArray utf8 = text.toUtf8();
  if (sqlite3_prepare_v2(connection_, utf8.constData(), static_cast<int>(utf8.size()), &statement_,
                         nullptr) != SQLITE_OK)
    Fail();
  for (int i = 0; i < values.size(); ++i) Bind(i + 1, values[i]);
  // The first row is read at once: where a column declares no type, its value gives it.
  hasFirstRow_ = Step();
  firstRowPending_ = hasFirstRow_;
}

TSqliteRows::~TSqliteRows() {
  sqlite3_finalize(statement_);
}

void TSqliteRows::Fail() const {
  const QString message = QString::fromUtf8(sqlite3_errmsg(connection_));
  const int code = sqlite3_errcode(connection_) & 0xff;
  if (code == SQLITE_BUSY || code == SQLITE_LOCKED) throw EDatabaseBusy(message, sql_);
  throw EDatabaseError(message, sql_);
}

void TSqliteRows::Bind(int index, const QVariant& value) {
  int result = SQLITE_OK;
  if (BindsNull(value)) {
    result = sqlite3_bind_null(statement_, index);
  } else {
    switch (value.typeId()) {
      case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        result = sqlite3_bind_blob(statement_, index, bytes.constData(),
                                   static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
        break;
      }
      case QMetaType::Bool:
      case QMetaType::Int:
      case QMetaType::Short:
      case QMetaType::UShort:
        result = sqlite3_bind_int(statement_, index, value.toInt());
        break;
      case QMetaType::UInt:
      case QMetaType::LongLong:
      case QMetaType::ULongLong:
        result = sqlite3_bind_int64(statement_, index, value.toLongLong());
        break;
      case QMetaType::Double:
      case QMetaType::Float:
        result = sqlite3_bind_double(statement_, index, value.toDouble());
        break;
      default: {
        const QByteArray utf8 = value.toString().toUtf8();
        result = sqlite3_bind_text(statement_, index, utf8.constData(),
                                   static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
      }
    }
  }
  if (result != SQLITE_OK) Fail();
}

bool TSqliteRows::Step() {
  if (done_) return false;
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  done_ = true;
  if (result != SQLITE_DONE) Fail();
  return false;
}

int TSqliteRows::ColumnCount() const {
  return sqlite3_column_count(statement_);
}

QString TSqliteRows::ColumnName(int column) const {
  return QString::fromUtf8(sqlite3_column_name(statement_, column)).remove(u'"');
}

QMetaType TSqliteRows::ColumnType(int column) const {
  if (const char* declared = sqlite3_column_decltype(statement_, column))
    return DeclaredType(declared);
  if (!hasFirstRow_) return {};
  switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
      return QMetaType::fromType<qlonglong>();
    case SQLITE_FLOAT:
      return QMetaType::fromType<double>();
    case SQLITE_BLOB:
      return QMetaType::fromType<QByteArray>();
    case SQLITE_TEXT:
      return QMetaType::fromType<QString>();
    default:
      return {};
  }
}

bool TSqliteRows::Next() {
  if (firstRowPending_) {
    firstRowPending_ = false;
    return true;
  }
  return Step();
}

QVariant TSqliteRows::Value(int column) const {
  switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_NULL:
      return {};
    case SQLITE_INTEGER:
      return QVariant(static_cast<qlonglong>(sqlite3_column_int64(statement_, column)));
    case SQLITE_FLOAT:
      return QVariant(sqlite3_column_double(statement_, column));
    case SQLITE_BLOB: {
      const void* bytes = sqlite3_column_blob(statement_, column);
      return QByteArray(static_cast<const char*>(bytes), sqlite3_column_bytes(statement_, column));
    }
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
      return QString::fromUtf8(text, sqlite3_column_bytes(statement_, column));
    }
  }
}

sqlite3* SqliteHandleOf(const QVariant& driverHandle) {
  if (!driverHandle.isValid() || qstrcmp(driverHandle.typeName(), "sqlite3*") != 0) return nullptr;
  return *static_cast<sqlite3* const*>(driverHandle.constData());
}
