#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <memory>

#include "core/db/QueryRows.h"
#include "core/db/SqlDialect.h"

class QIODevice;

// One named statement parameter; a null value writes SQL NULL.
struct TDBParameter {
  QString Name;
  QVariant Value;
};
using TDBParameters = QList<TDBParameter>;

// One named blob parameter, loaded from a stream that stays owned by the caller.
struct TxDBParameter {
  QString Name;
  QIODevice* Stream = nullptr;
};
using TxDBParameters = QList<TxDBParameter>;

TDBParameter MakeParam(const QString& name, const QVariant& value);

// The kinds of database the connection string can name.
enum class TDatabaseKind { Embedded, PostgreSQL, SqlServer, Unsupported };

// The provider names of the connection strings.
inline constexpr char kEmbeddedProvider[] = "SQLite";
inline constexpr char kPostgresProvider[] = "PostgreSQL";
inline constexpr char kSqlServerProvider[] = "SQLOLEDB.1";

// How long opening a connection to a database server waits for the server to answer.
inline constexpr int kConnectTimeoutSeconds = 10;

// The one connection to the database. Statements carry ":Name" parameters bound by name;
// transactions nest through savepoints; a closed connection reopens itself on the next statement.
class TDatabase {
 public:
  TDatabase();
  ~TDatabase();
  TDatabase(const TDatabase&) = delete;
  TDatabase& operator=(const TDatabase&) = delete;

  // Closes, takes the new connection string and opens; shows the failure and returns false when
  // the database cannot be opened.
  bool Connect(const QString& connectionString);
  // The same without the box: a failure raises the provider's message.
  void OpenWith(const QString& connectionString);
  bool Connected() const;
  void SetConnected(bool connected);

  void Execute(const QString& sql, const TDBParameters& params = {},
               const TxDBParameters& blobs = {});
  int ExecuteCount(const QString& sql, const TDBParameters& params = {},
                   const TxDBParameters& blobs = {});
  // Runs a statement that returns rows; the query is positioned before its first row.
  QSqlQuery OpenQuery(const QString& sql, const TDBParameters& params = {});
  // The first column of the first row of a look-up ("select max(Id) from members"); Null when the
  // statement returns no row.
  QVariant Scalar(const QString& sql, const TDBParameters& params = {});
  // The same for reading the rows once; on the embedded file they are read with SQLite's own
  // interface.
  std::unique_ptr<TQueryRows> OpenRows(const QString& sql, const TDBParameters& params = {});

  // Begins a transaction (a savepoint inside an open one) and returns the new nesting level.
  int BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  bool InTransaction() const { return transLevel_ > 0; }
  int TransLevel() const { return transLevel_; }

  QString ConnectionString() const { return connectionString_; }
  QString GetConnectionProperty(const QString& key) const;
  QString GetProvider() const;
  QString GetDataSource() const;
  // True for every database other than the embedded file, the empty connection string included.
  bool IsSqlServer() const;
  TDatabaseKind Kind() const;
  TSqlDialect Dialect() const;
  // Midnight at the start of the date as a quoted literal: 'yyyy-mm-dd', on SQLite
  // 'yyyy-mm-dd 00:00:00' as date-times are stored there.
  QString DateToSql(const QDateTime& dateTime) const;

  // Opens the connection with the current connection string when it is closed. A failure
  // raises the provider's message as it is.
  void EnsureOpen();
  // Where the data is: the file, or server, port and database.
  QString DataLocation() const;
  // The kind of database in words.
  QString KindName() const;
  // The underlying handle, for schema inspection; open.
  QSqlDatabase& Handle();

  static TDatabaseKind KindOf(const QString& connectionString);
  // How long SQLite waits for another writer's lock before the write is tried again as a whole;
  // applies to connections opened afterwards.
  static void SetBusyTimeout(int milliseconds);

 private:
  void Open();
  void Close();
  // The statement as the driver takes it and the values of its markers in order.
  struct TBoundText {
    QString Text;
    QList<QVariant> Values;
  };
  TBoundText BindText(const QString& sql, const TDBParameters& params,
                      const TxDBParameters& blobs) const;
  QSqlQuery Run(const QString& sql, const TDBParameters& params, const TxDBParameters& blobs);
  QSqlQuery Exec(const TBoundText& bound, const QString& sql);
  void RunControl(const QString& sql);
  QVariant ToDriverValue(const QVariant& value) const;

  QString connectionName_;
  QString connectionString_;
  TDatabaseKind kind_ = TDatabaseKind::Unsupported;
  QSqlDatabase handle_;
  int transLevel_ = 0;
};

// Any connection string's value of one key: the text after "Key=" up to the next ";", taken
// from the first occurrence of the key (case-sensitive); empty when no ";" follows.
QString ConnectionStringProperty(const QString& connectionString, const QString& key);

extern TDatabase* gDatabase;

// The database that stores work on when their caller names none: gDatabase. Raises an error while
// there is none.
TDatabase& DefaultDatabase();
