#include "core/db/Database.h"

#include <QFileInfo>
#include <QIODevice>
#include <QSqlDriver>
#include <QSqlError>
#include <QTimeZone>
#include <QUuid>
#include <atomic>

#include "core/base/Errors.h"
#include "core/base/MessageBox.h"
#include "core/base/Money.h"
#include "core/base/ServerAliases.h"
#include "core/db/BusyRetry.h"
#include "core/db/SqliteRows.h"

TDatabase* gDatabase = nullptr;

namespace {

// How long SQLite itself waits for another writer's lock before a write is tried again as a
// whole (TBusyRetry).
std::atomic<int> gBusyTimeoutMilliseconds{5000};
constexpr char kSqliteDateTimeFormat[] = "yyyy-MM-dd hh:mm:ss";
constexpr char kFreeTdsDriver[] = "/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so";

QString ProviderMessage(const QSqlError& error) {
  QString text = error.databaseText().trimmed();
  if (text.isEmpty()) text = error.text().trimmed();
  if (text.isEmpty()) text = QStringLiteral("未知的数据库错误");
  return text;
}

// A lock held by another writer (SQLite's busy and locked), or a deadlock or serialization
// conflict that the server broke (PostgreSQL's SQLSTATEs, SQL Server's deadlock victim).
bool IsBusy(const QSqlError& error, TDatabaseKind kind) {
  const QString code = error.nativeErrorCode();
  switch (kind) {
    case TDatabaseKind::Embedded:
      return code == u"5" || code == u"6" ||
             error.databaseText().contains(QLatin1String("database is locked"));
    case TDatabaseKind::PostgreSQL:
      return code == u"40001" || code == u"40P01" || code == u"55P03";
    case TDatabaseKind::SqlServer:
      return code.contains(QLatin1String("1205"));
    default:
      return false;
  }
}

[[noreturn]] void Fail(const QSqlError& error, TDatabaseKind kind, const QString& sql) {
  if (IsBusy(error, kind)) throw EDatabaseBusy(ProviderMessage(error), sql);
  throw EDatabaseError(ProviderMessage(error), sql);
}

QString NewConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("harmoz-%1").arg(++counter);
}

QString SqlServerOdbcString(const QString& connectionString) {
  const QString server =
      ResolveServerAlias(ConnectionStringProperty(connectionString, "Data Source"));
  QString host = server;
  QString port;
  const qsizetype comma = server.indexOf(u',');
  if (comma >= 0) {
    host = server.left(comma).trimmed();
    port = server.mid(comma + 1).trimmed();
  }
  const QString driver =
      QFileInfo::exists(kFreeTdsDriver) ? QString(kFreeTdsDriver) : QStringLiteral("{FreeTDS}");
  QString odbc = QStringLiteral("DRIVER=%1;SERVER=%2;").arg(driver, host);
  if (!port.isEmpty()) odbc += QStringLiteral("PORT=%1;").arg(port);
  odbc += QStringLiteral("DATABASE=%1;UID=%2;PWD=%3;TDS_Version=7.3;ClientCharset=UTF-8;")
              .arg(ConnectionStringProperty(connectionString, "Initial Catalog"),
                   ConnectionStringProperty(connectionString, "User ID"),
                   ConnectionStringProperty(connectionString, "Password"));
  return odbc;
}

}  // namespace

TDatabase& DefaultDatabase() {
  if (!gDatabase) throw EError(QStringLiteral("数据库连接尚未建立."));
  return *gDatabase;
}

TDBParameter MakeParam(const QString& name, const QVariant& value) {
  return {name, value};
}

QString ConnectionStringProperty(const QString& connectionString, const QString& key) {
  const qsizetype at = connectionString.indexOf(key, 0, Qt::CaseSensitive);
  if (at < 0) return {};
  // Skip the key and the character after it (the "=").
  const qsizetype valueStart = at + key.size() + 1;
  const qsizetype end = connectionString.indexOf(u';', valueStart);
  if (end < 0) return {};
  return connectionString.mid(valueStart, end - valueStart);
}

void TDatabase::SetBusyTimeout(int milliseconds) {
  gBusyTimeoutMilliseconds = milliseconds;
}

TDatabaseKind TDatabase::KindOf(const QString& connectionString) {
  const QString provider = ConnectionStringProperty(connectionString, "Provider");
  if (provider == QLatin1String(kEmbeddedProvider)) return TDatabaseKind::Embedded;
  if (provider == QLatin1String(kPostgresProvider)) return TDatabaseKind::PostgreSQL;
  if (provider.startsWith(QLatin1String("SQLOLEDB"), Qt::CaseInsensitive))
    return TDatabaseKind::SqlServer;
  return TDatabaseKind::Unsupported;
}

TDatabase::TDatabase() : connectionName_(NewConnectionName()) {}

TDatabase::~TDatabase() {
  Close();
}

void TDatabase::OpenWith(const QString& connectionString) {
  Close();
  connectionString_ = connectionString;
  kind_ = KindOf(connectionString);
  Open();
}

bool TDatabase::Connect(const QString& connectionString) {
  try {
    OpenWith(connectionString);
  } catch (const EError& error) {
    ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error.Message()));
  }
  return Connected();
}

bool TDatabase::Connected() const {
  return handle_.isValid() && handle_.isOpen();
}

void TDatabase::SetConnected(bool connected) {
  if (connected == Connected()) return;
  if (connected)
    Open();
  else
    Close();
}

void TDatabase::EnsureOpen() {
  if (!Connected()) Open();
}

QSqlDatabase& TDatabase::Handle() {
  EnsureOpen();
  return handle_;
}

void TDatabase::Open() {
  Close();
  const TDatabaseKind kind = Kind();
  const QString source = GetDataSource();
  switch (kind) {
    case TDatabaseKind::Embedded:
      if (source.isEmpty() || !QFileInfo::exists(source))
        throw EError(QStringLiteral("数据文件不存在: %1").arg(source));
      handle_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
      handle_.setDatabaseName(source);
      handle_.setConnectOptions(
          QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(gBusyTimeoutMilliseconds.load()));
      break;
    case TDatabaseKind::PostgreSQL: {
      handle_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName_);
      handle_.setHostName(source);
      const QString port = GetConnectionProperty("Port");
      if (!port.isEmpty()) handle_.setPort(port.toInt());
      handle_.setDatabaseName(GetConnectionProperty("Initial Catalog"));
      handle_.setUserName(GetConnectionProperty("User ID"));
      handle_.setPassword(GetConnectionProperty("Password"));
      // Backslashes in literals stay plain characters whatever the server or database says: the
      // driver writes bound values as literals and reads this setting once, when connecting.
      handle_.setConnectOptions(
          QStringLiteral("connect_timeout=%1;options='-c standard_conforming_strings=on'")
              .arg(kConnectTimeoutSeconds));
      break;
    }
    case TDatabaseKind::SqlServer:
      handle_ = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connectionName_);
      handle_.setDatabaseName(SqlServerOdbcString(connectionString_));
      handle_.setConnectOptions(
          QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(kConnectTimeoutSeconds));
      break;
    case TDatabaseKind::Unsupported:
      if (GetProvider().isEmpty()) throw EError(QStringLiteral("还没有设置数据库连接参数."));
      throw EError(QStringLiteral("不支持的数据提供程序: \"%1\"").arg(GetProvider()));
  }
  if (!handle_.open()) {
    const QString message = ProviderMessage(handle_.lastError());
    Close();
    throw EError(message);
  }
  if (kind == TDatabaseKind::Embedded) {
    // Opening an SQLite file succeeds for any file; reading its catalogue proves it is a database.
    // Another counter's write may hold the file for a moment: the reading is tried again.
    TBusyRetry retry;
    for (;;) {
      QSqlQuery probe(handle_);
      if (probe.exec(QStringLiteral("select count(*) from sqlite_master"))) break;
      const QSqlError error = probe.lastError();
      probe = QSqlQuery();
      if (IsBusy(error, kind)) {
        retry.Pause();
        continue;
      }
      Close();
      throw EError(ProviderMessage(error));
    }
  } else if (kind == TDatabaseKind::PostgreSQL) {
    QSqlQuery setup(handle_);
    setup.exec(QStringLiteral("set client_min_messages to warning"));
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    if (!zone.isEmpty())
      setup.exec(QStringLiteral("set time zone '%1'").arg(QString::fromLatin1(zone)));
  }
}

void TDatabase::Close() {
  transLevel_ = 0;
  if (handle_.isValid()) {
    handle_.close();
    handle_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
  }
}

QVariant TDatabase::ToDriverValue(const QVariant& value) const {
  if (value.isNull()) return value;
  // Amounts go exactly as decimal text to the servers' numeric columns; the embedded file keeps
  // its floating-point columns and gets the amount rounded to the cent.
  if (value.metaType() == QMetaType::fromType<TMoney>()) {
    const TMoney money = value.value<TMoney>();
    return Kind() == TDatabaseKind::Embedded ? QVariant(money.ToDouble())
                                             : QVariant(money.ToString());
  }
  if (value.typeId() == QMetaType::QString) return CleanSqlText(value.toString());
  if (Kind() == TDatabaseKind::SqlServer) return value;
  // Date-times travel as one canonical text: SQLite compares them as text, and PostgreSQL then
  // takes the wall-clock time as it is instead of a converted one.
  switch (value.typeId()) {
    case QMetaType::QDateTime:
      return value.toDateTime().toString(QLatin1String(kSqliteDateTimeFormat));
    case QMetaType::QDate:
      return value.toDate().startOfDay().toString(QLatin1String(kSqliteDateTimeFormat));
    default:
      return value;
  }
}

TDatabase::TBoundText TDatabase::BindText(const QString& sql, const TDBParameters& params,
                                          const TxDBParameters& blobs) const {
  const TPreparedText prepared = PrepareStatementText(CleanSqlText(sql), Dialect());
  if (prepared.SeveralStatements)
    throw EDatabaseError(QStringLiteral("一次只能执行一条SQL语句."), sql);
  TBoundText bound{prepared.Text, QList<QVariant>(prepared.Markers.size())};
  QList<bool> given(prepared.Markers.size(), false);
  auto bind = [&](const QString& name, const QVariant& value) {
    bool found = false;
    for (qsizetype i = 0; i < prepared.Markers.size(); ++i) {
      if (prepared.Markers[i].compare(name, Qt::CaseInsensitive) != 0) continue;
      bound.Values[i] = value;
      given[i] = true;
      found = true;
    }
    if (!found) throw EParameterError(QStringLiteral("语句中没有参数 :%1").arg(name), sql);
  };
  for (const TDBParameter& param : params) bind(param.Name, ToDriverValue(param.Value));
  for (const TxDBParameter& blob : blobs) {
    QByteArray bytes;
    if (blob.Stream) {
      if (blob.Stream->isSequential() == false) blob.Stream->seek(0);
      bytes = blob.Stream->readAll();
    }
    bind(blob.Name, bytes);
  }
  for (qsizetype i = 0; i < given.size(); ++i)
    if (!given[i])
      throw EParameterError(QStringLiteral("参数 :%1 没有赋值").arg(prepared.Markers[i]), sql);
  return bound;
}

QSqlQuery TDatabase::Run(const QString& sql, const TDBParameters& params,
                         const TxDBParameters& blobs) {
  EnsureOpen();
  const TBoundText bound = BindText(sql, params, blobs);
  // A statement of its own (outside a transaction) that meets a busy database is tried again
  // here; inside a transaction the whole transaction is (RunInTransaction).
  TBusyRetry retry;
  for (;;) {
    try {
      return Exec(bound, sql);
    } catch (const EDatabaseBusy&) {
      if (InTransaction()) throw;
      retry.Pause();
    }
  }
}

QSqlQuery TDatabase::Exec(const TBoundText& bound, const QString& sql) {
  QSqlQuery query(handle_);
  query.setForwardOnly(true);
  // Server amounts (numeric) come back as their exact decimal text.
  query.setNumericalPrecisionPolicy(QSql::HighPrecision);
  bool ok;
  if (bound.Values.isEmpty()) {
    ok = query.exec(bound.Text);
  } else {
    ok = query.prepare(bound.Text);
    if (ok) {
      for (const QVariant& value : bound.Values) query.addBindValue(value);
      ok = query.exec();
    }
  }
  if (!ok) Fail(query.lastError(), Kind(), sql);
  return query;
}

std::unique_ptr<TQueryRows> TDatabase::OpenRows(const QString& sql, const TDBParameters& params) {
  EnsureOpen();
  if (Kind() == TDatabaseKind::Embedded) {
    if (sqlite3* connection = SqliteHandleOf(handle_.driver()->handle())) {
      const TBoundText bound = BindText(sql, params, {});
      return std::make_unique<TSqliteRows>(connection, bound.Text, bound.Values, sql);
    }
  }
  return std::make_unique<TDriverRows>(Run(sql, params, {}), sql);
}

void TDatabase::Execute(const QString& sql, const TDBParameters& params,
                        const TxDBParameters& blobs) {
  Run(sql, params, blobs);
}

int TDatabase::ExecuteCount(const QString& sql, const TDBParameters& params,
                            const TxDBParameters& blobs) {
  return Run(sql, params, blobs).numRowsAffected();
}

QSqlQuery TDatabase::OpenQuery(const QString& sql, const TDBParameters& params) {
  return Run(sql, params, {});
}

QVariant TDatabase::Scalar(const QString& sql, const TDBParameters& params) {
  QSqlQuery query = Run(sql, params, {});
  if (!query.next()) {
    if (query.lastError().isValid()) Fail(query.lastError(), Kind(), sql);
    return {};
  }
  return query.value(0);
}

void TDatabase::RunControl(const QString& sql) {
  QSqlQuery query(handle_);
  if (!query.exec(sql)) Fail(query.lastError(), Kind(), sql);
}

int TDatabase::BeginTrans() {
  EnsureOpen();
  const int level = transLevel_ + 1;
  const TDatabaseKind kind = Kind();
  if (level == 1) {
    if (kind == TDatabaseKind::Embedded) {
      // Take the write lock at once, waiting for another writer rather than failing later.
      RunControl(QStringLiteral("begin immediate"));
    } else if (!handle_.transaction()) {
      Fail(handle_.lastError(), kind, QStringLiteral("begin transaction"));
    }
  } else if (kind == TDatabaseKind::SqlServer) {
    RunControl(QStringLiteral("save transaction sp%1").arg(level));
  } else {
    RunControl(QStringLiteral("savepoint sp%1").arg(level));
  }
  transLevel_ = level;
  return level;
}

void TDatabase::CommitTrans() {
  if (transLevel_ == 0) throw EError(QStringLiteral("没有要提交的事务."));
  const int level = transLevel_;
  const TDatabaseKind kind = Kind();
  if (level > 1) {
    if (kind != TDatabaseKind::SqlServer)
      RunControl(QStringLiteral("release savepoint sp%1").arg(level));
    transLevel_ = level - 1;
    return;
  }
  transLevel_ = 0;
  if (kind == TDatabaseKind::Embedded) {
    QSqlQuery query(handle_);
    if (!query.exec(QStringLiteral("commit"))) {
      const QSqlError error = query.lastError();
      query.exec(QStringLiteral("rollback"));
      Fail(error, kind, QStringLiteral("commit"));
    }
  } else if (!handle_.commit()) {
    // PostgreSQL answers a commit of a failed transaction with a rollback.
    const QSqlError error = handle_.lastError();
    handle_.rollback();
    Fail(error, kind, QStringLiteral("commit"));
  }
}

void TDatabase::RollbackTrans() {
  if (transLevel_ == 0) throw EError(QStringLiteral("没有要回滚的事务."));
  const int level = transLevel_;
  const TDatabaseKind kind = Kind();
  transLevel_ = level - 1;
  if (level > 1) {
    if (kind == TDatabaseKind::SqlServer) {
      RunControl(QStringLiteral("rollback transaction sp%1").arg(level));
    } else {
      RunControl(QStringLiteral("rollback to savepoint sp%1").arg(level));
      RunControl(QStringLiteral("release savepoint sp%1").arg(level));
    }
    return;
  }
  if (kind == TDatabaseKind::Embedded) {
    RunControl(QStringLiteral("rollback"));
  } else if (!handle_.rollback()) {
    throw EDatabaseError(ProviderMessage(handle_.lastError()), QStringLiteral("rollback"));
  }
}

QString TDatabase::GetConnectionProperty(const QString& key) const {
  return ConnectionStringProperty(connectionString_, key);
}

QString TDatabase::GetProvider() const {
  return GetConnectionProperty("Provider");
}

QString TDatabase::GetDataSource() const {
  return GetConnectionProperty("Data Source");
}

bool TDatabase::IsSqlServer() const {
  return GetProvider() != QLatin1String(kEmbeddedProvider);
}

TDatabaseKind TDatabase::Kind() const {
  return kind_;
}

TSqlDialect TDatabase::Dialect() const {
  switch (Kind()) {
    case TDatabaseKind::PostgreSQL:
      return TSqlDialect::PostgreSQL;
    case TDatabaseKind::SqlServer:
      return TSqlDialect::SqlServer;
    default:
      return TSqlDialect::SQLite;
  }
}

QString TDatabase::DateToSql(const QDateTime& dateTime) const {
  // SQLite compares the stored text: midnight has to be written the way date-times are stored.
  QString day = dateTime.date().toString(QStringLiteral("yyyy-MM-dd"));
  if (Kind() == TDatabaseKind::Embedded) day += QStringLiteral(" 00:00:00");
  return u'\'' + day + u'\'';
}

QString TDatabase::DataLocation() const {
  switch (kind_) {
    case TDatabaseKind::PostgreSQL:
      return QStringLiteral("%1:%2/%3")
          .arg(GetDataSource(), GetConnectionProperty("Port"),
               GetConnectionProperty("Initial Catalog"));
    case TDatabaseKind::SqlServer:
      return QStringLiteral("%1/%2").arg(GetDataSource(), GetConnectionProperty("Initial Catalog"));
    default:
      return GetDataSource();
  }
}

QString TDatabase::KindName() const {
  switch (kind_) {
    case TDatabaseKind::Embedded:
      return QStringLiteral("SQLite 数据文件");
    case TDatabaseKind::PostgreSQL:
      return QStringLiteral("PostgreSQL 服务器");
    case TDatabaseKind::SqlServer:
      return QStringLiteral("SQL Server 服务器");
    default:
      return QStringLiteral("未知");
  }
}
