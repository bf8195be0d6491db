#include <gtest/gtest.h>

#include <QBuffer>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/base/Errors.h"
#include "core/base/Variants.h"
#include "core/db/BusyRetry.h"
#include "core/db/RecordSet.h"
#include "core/db/Transaction.h"

namespace {

TEST(ConnectionStringTest, PropertyIsTheTextUpToTheNextSemicolon) {
  const QString jet =
      "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\d\\a.mdb;Persist Security Info=True";
  EXPECT_EQ(ConnectionStringProperty(jet, "Data Source"), "C:\\d\\a.mdb");
  EXPECT_EQ(ConnectionStringProperty(jet, "Provider"), "Microsoft.Jet.OLEDB.4.0");
  // The last key without a trailing ";" reads empty; keys are case-sensitive; first occurrence
  // wins.
  EXPECT_EQ(ConnectionStringProperty("Provider=SQLite;Data Source=x.db", "Data Source"), "");
  EXPECT_EQ(ConnectionStringProperty(jet, "data source"), "");
  EXPECT_EQ(ConnectionStringProperty("Port=1;Port=2;", "Port"), "1");
  EXPECT_EQ(ConnectionStringProperty("", "Provider"), "");
}

TEST(ConnectionStringTest, EverythingButTheEmbeddedFileIsAServer) {
  struct Case {
    const char* connectionString;
    bool server;
    TDatabaseKind kind;
  };
  const Case cases[] = {
      {"Provider=SQLite;Data Source=a.db;", false, TDatabaseKind::Embedded},
      {"Provider=sqlite;Data Source=a.db;", true, TDatabaseKind::Unsupported},
      {"Provider=PostgreSQL;Data Source=h;Port=5432;", true, TDatabaseKind::PostgreSQL},
      {"Provider=SQLOLEDB.1;Data Source=s;", true, TDatabaseKind::SqlServer},
      {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.mdb;", true, TDatabaseKind::Unsupported},
      {"", true, TDatabaseKind::Unsupported},
  };
  for (const Case& c : cases) {
    TMessageScript messages;
    TDatabase database;
    database.Connect(c.connectionString);
    EXPECT_EQ(database.IsSqlServer(), c.server) << c.connectionString;
    EXPECT_EQ(database.Kind(), c.kind) << c.connectionString;
  }
}

TEST(ConnectionTest, FailureIsShownAndLeavesTheConnectionClosed) {
  TMessageScript messages;
  TDatabase database;
  EXPECT_FALSE(database.Connect("Provider=SQLite;Data Source=/nonexistent/dir/x.db;"));
  EXPECT_FALSE(database.Connected());
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_TRUE(messages->LastText().startsWith("\r\n连接时失败,提示如下:\r\n"));
  EXPECT_TRUE(messages->LastText().endsWith("\t"));
  EXPECT_TRUE(messages->LastText().contains("/nonexistent/dir/x.db"));
}

// A write that meets a file another counter keeps locked waits, then tells the operator and
// leaves nothing half-written; once the lock is gone the same write goes through.
TEST(BusyDatabaseTest, WriteGivesUpAfterTheLimitWithNothingWritten) {
  TDatabase::SetBusyTimeout(20);
  const auto limit = TBusyRetry::Limit();
  TBusyRetry::SetLimit(std::chrono::milliseconds(400));
  TFreshDatabase fresh(TBackend::SQLite);
  TDatabase other;
  other.OpenWith(fresh.ConnectionString());
  other.BeginTrans();
  other.Execute("insert into gifts (Id, Name) values (1, 'held')");

  const int retriesBefore = TBusyRetry::Retries();
  auto write = [&] {
    return RunInTransaction(*gDatabase, [&] {
      gDatabase->Execute("insert into gifts (Id, Name) values (2, 'a')");
      return gDatabase->ExecuteCount("insert into gifts (Id, Name) values (3, 'b')") == 1;
    });
  };
  try {
    write();
    ADD_FAILURE() << "the write went through a locked file";
  } catch (const EError& error) {
    EXPECT_EQ(error.Message(), "数据库忙，请稍后再试");
  }
  EXPECT_GT(TBusyRetry::Retries(), retriesBefore);
  EXPECT_FALSE(gDatabase->InTransaction());

  other.RollbackTrans();
  EXPECT_TRUE(write());
  EXPECT_EQ(VarToInt(gDatabase->Scalar("select count(*) from gifts")), 2);
  TBusyRetry::SetLimit(limit);
  TDatabase::SetBusyTimeout(5000);
}

class ConnectionOnDatabaseTest : public DatabaseTest {
 protected:
  void InsertGift(int id, const QString& name) {
    Db().Execute("insert into gifts (Id, Name) values (:Id, :Name)",
                 {MakeParam("Id", id), MakeParam("Name", name)});
  }
  int GiftCount() { return VarToInt(Scalar("select count(*) from gifts")); }
};

TEST_P(ConnectionOnDatabaseTest, BindsParametersByNameInAnyOrder) {
  Db().Execute("insert into gifts (Id, Name, [Point], Stock) values (:Id, :Name, :Point, :Stock)",
               {MakeParam("Stock", 2.5), MakeParam("name", "会员礼品's"), MakeParam("Point", 30),
                MakeParam("Id", 7)});
  TRecordSet gift;
  gift.OpenSql("select * from gifts where Id=:Id", {MakeParam("Id", 7)});
  EXPECT_EQ(gift.FieldByName("Name")->AsString(), "会员礼品's");
  EXPECT_EQ(gift.FieldByName("Point")->AsInteger(), 30);
  EXPECT_DOUBLE_EQ(gift.FieldByName("Stock")->AsFloat(), 2.5);
  EXPECT_TRUE(gift.FieldByName("Notex")->IsNull());
  EXPECT_EQ(gift.FieldByName("Notex")->AsString(), "");
}

TEST_P(ConnectionOnDatabaseTest, ParameterThatTheStatementLacksIsAnError) {
  EXPECT_THROW(
      Db().Execute("delete from gifts where Id=:Id", {MakeParam("Id", 1), MakeParam("Code", "x")}),
      EParameterError);
  EXPECT_THROW(Db().ExecuteCount("delete from gifts where Id=:Id"), EParameterError);
  EXPECT_EQ(GiftCount(), 0);
}

TEST_P(ConnectionOnDatabaseTest, CountsAffectedRows) {
  InsertGift(1, "a");
  InsertGift(2, "b");
  EXPECT_EQ(Db().ExecuteCount("update gifts set Stock=:Stock", {MakeParam("Stock", 1)}), 2);
  EXPECT_EQ(Db().ExecuteCount("update gifts set Stock=1 where Id=:Id", {MakeParam("Id", 99)}), 0);
  EXPECT_EQ(Db().ExecuteCount("delete from gifts where Id=:Id", {MakeParam("Id", 1)}), 1);
}

TEST_P(ConnectionOnDatabaseTest, ErrorCarriesProviderMessageAndStatement) {
  const QString sql = "update gifts set Nope=:Nope where Id=:Id";
  try {
    Db().Execute(sql, {MakeParam("Nope", 1), MakeParam("Id", 1)});
    FAIL() << "no error";
  } catch (const EDatabaseError& error) {
    EXPECT_FALSE(error.ProviderMessage().isEmpty());
    EXPECT_TRUE(error.Message().endsWith("\r\n" + sql)) << error.Message().toStdString();
    EXPECT_EQ(error.Message(), error.ProviderMessage() + "\r\n" + sql);
  }
}

TEST_P(ConnectionOnDatabaseTest, ReopensAClosedConnection) {
  Db().SetConnected(false);
  EXPECT_FALSE(Db().Connected());
  InsertGift(1, "a");
  EXPECT_TRUE(Db().Connected());
  Db().SetConnected(false);
  EXPECT_EQ(GiftCount(), 1);
}

TEST_P(ConnectionOnDatabaseTest, NestedTransactionRollsBackOnlyItsLevel) {
  EXPECT_EQ(Db().BeginTrans(), 1);
  InsertGift(1, "outer");
  EXPECT_EQ(Db().BeginTrans(), 2);
  InsertGift(2, "inner");
  EXPECT_EQ(GiftCount(), 2);  // read through the same connection: uncommitted rows show
  Db().RollbackTrans();
  EXPECT_TRUE(Db().InTransaction());
  EXPECT_EQ(Db().BeginTrans(), 2);
  InsertGift(3, "kept");
  Db().CommitTrans();
  Db().CommitTrans();
  EXPECT_FALSE(Db().InTransaction());
  EXPECT_EQ(Scalar("select count(*) from gifts where Id in (1, 3)").toInt(), 2);
  EXPECT_EQ(GiftCount(), 2);
}

TEST_P(ConnectionOnDatabaseTest, FailedStatementInsideInnerLevelLeavesOuterUsable) {
  Db().BeginTrans();
  InsertGift(1, "outer");
  Db().BeginTrans();
  EXPECT_THROW(InsertGift(1, "duplicate key"), EDatabaseError);
  Db().RollbackTrans();
  InsertGift(2, "after");
  Db().CommitTrans();
  EXPECT_EQ(GiftCount(), 2);
}

TEST_P(ConnectionOnDatabaseTest, OuterRollbackDropsEverything) {
  Db().BeginTrans();
  InsertGift(1, "a");
  Db().BeginTrans();
  InsertGift(2, "b");
  Db().CommitTrans();
  Db().RollbackTrans();
  EXPECT_EQ(GiftCount(), 0);
  EXPECT_THROW(Db().CommitTrans(), EError);
}

TEST_P(ConnectionOnDatabaseTest, DateLiteralComparesAsMidnightOfTheDay) {
  const QDateTime midnight(QDate(2013, 1, 15), QTime(0, 0));
  const QDateTime morning(QDate(2013, 1, 15), QTime(10, 0));
  EXPECT_EQ(Db().DateToSql(QDateTime(QDate(2013, 1, 15), QTime(14, 30))),
            OnPostgres() ? "'2013-01-15'" : "'2013-01-15 00:00:00'");
  Db().Execute("insert into consume (Id, Biztime) values (1, :Biztime)",
               {MakeParam("Biztime", morning)});
  Db().Execute("insert into consume (Id, Biztime) values (2, :Biztime)",
               {MakeParam("Biztime", midnight)});
  // The wall-clock time comes back as stored, on every database.
  EXPECT_EQ(VarToDateTime(Scalar("select Biztime from consume where Id=1")), morning);
  const QString day = Db().DateToSql(morning);
  // Midnight of the day itself is inside both limits.
  EXPECT_EQ(Scalar("select count(*) from consume where Biztime<=" + day).toInt(), 1);
  EXPECT_EQ(Scalar("select count(*) from consume where Biztime>=" + day).toInt(), 2);
  EXPECT_EQ(Scalar("select count(*) from consume where Biztime=" + day).toInt(), 1);
  EXPECT_EQ(
      Scalar("select count(*) from consume where Biztime>=:From", {MakeParam("From", morning)})
          .toInt(),
      1);
}

TEST_P(ConnectionOnDatabaseTest, SeveralStatementsInOneTextAreRefused) {
  InsertGift(1, "a");
  const char* const refused[] = {
      "update gifts set Name='b'; delete from gifts",
      "update gifts set Name='b' where Id=:Id;delete from gifts",
      "select * from gifts; /* */ delete from gifts",
  };
  for (const char* sql : refused) {
    const TDBParameters params =
        QString(sql).contains(":Id") ? TDBParameters{MakeParam("Id", 1)} : TDBParameters{};
    EXPECT_THROW(Db().Execute(sql, params), EDatabaseError) << sql;
  }
  EXPECT_EQ(GiftCount(), 1);
  EXPECT_EQ(Scalar("select Name from gifts").toString(), "a");
  // A closing ";" with blanks after it, and ";" inside literals and comments, are one statement.
  EXPECT_EQ(Db().ExecuteCount("update gifts set Name='x;y' where Id=1 -- done;\n;"), 1);
  EXPECT_EQ(Db().ExecuteCount("update gifts set Name=:Name where Id=1 /* ; */ ;  ",
                              {MakeParam("Name", "c;d")}),
            1);
  EXPECT_EQ(Scalar("select Name from gifts").toString(), "c;d");
}

TEST_P(ConnectionOnDatabaseTest, TextReachesTheDatabaseCleaned) {
  // A lone surrogate becomes U+FFFD and NUL is dropped, in bound values and in statement texts.
  const QString lone = QString(QChar(0xD800));
  const QString nul = QString(QChar(0));
  InsertGift(1, "a" + lone + "'b" + nul + "c\U0001F600");
  EXPECT_EQ(Scalar("select Name from gifts").toString(), "a\uFFFD'bc\U0001F600");
  EXPECT_EQ(Scalar("select count(*) from gifts where Name='a" + lone + "''bc\U0001F600'").toInt(),
            1);
  EXPECT_EQ(Scalar("select count(*) from gifts where Name=:Name",
                   {MakeParam("Name", "a\uFFFD'b" + nul + "c\U0001F600")})
                .toInt(),
            1);
}

TEST_P(ConnectionOnDatabaseTest, BlobParameterIsStoredWhole) {
  Db().Execute(
      QString("create table scratch (Id integer, Data %1)").arg(OnPostgres() ? "bytea" : "blob"));
  QByteArray bytes("\x00\x01layout\xff", 9);
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  Db().Execute("insert into scratch (Id, Data) values (:Id, :Data)", {MakeParam("Id", 1)},
               {TxDBParameter{"Data", &stream}});
  EXPECT_EQ(Scalar("select Data from scratch").toByteArray(), bytes);
}

INSTANTIATE_ON_BOTH_DATABASES(ConnectionOnDatabaseTest);

}  // namespace
