#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include "ScriptedMessageBox.h"
#include "SilentPort.h"
#include "TestDatabase.h"
#include "core/app/Units.h"
#include "core/config/Company.h"
#include "core/config/Configer.h"
#include "core/config/KeyValue.h"
#include "core/config/PickLists.h"
#include "core/config/Startup.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"
#include "core/db/Schema.h"
#include "core/db/ServerProbe.h"
#include "core/maintenance/AdminCommands.h"
#include "core/operators/Operator.h"

namespace {

TEST(StartupTest, NewInstallationGetsTheDefaultDataFileWithItsSchema) {
  TScratchHome home;
  TUnits units;
  ASSERT_TRUE(ConnectConfiguredDatabase());
  EXPECT_TRUE(QFile::exists(home.File("harmoz.db")));
  EXPECT_EQ(gDatabase->GetDataSource(), home.File("harmoz.db"));
  TDataSummary summary = ReadDataSummary(*gDatabase);
  EXPECT_EQ(summary.Members, 0);
  EXPECT_EQ(summary.Operators, 1);

  // The next start opens the same file and finds what was stored.
  gDatabase->Execute("insert into members (Id, Name) values (1, '张三')");
  gDatabase->SetConnected(false);
  ASSERT_TRUE(ConnectConfiguredDatabase());
  EXPECT_EQ(ReadDataSummary(*gDatabase).Members, 1);
}

TEST(StartupTest, SettingsObjectsLiveWithTheUnitsWithoutTouchingTheDatabase) {
  {
    TUnits units;
    ASSERT_TRUE(gCompany && gKeyValue && gPickLists && gOperator);
    EXPECT_FALSE(gDatabase->Connected());
    EXPECT_FALSE(gKeyValue->DataSet()->Active());
    EXPECT_FALSE(gPickLists->DataSet()->Active());
    EXPECT_EQ(gOperator->LoginId, "");
  }
  EXPECT_FALSE(gCompany || gKeyValue || gPickLists || gOperator);
}

// A configuration naming a PostgreSQL server on a loopback port that never answers.
class SilentServerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(silent.Port(), 0);
    TConfiger configer;
    configer.providerIdx = kProviderPostgres;
    configer.pgServer = "127.0.0.1";
    configer.pgPort = silent.Port();
    configer.pgDb = "shop";
    configer.pgUser = "clerk";
    configer.Save();
  }
  QString TimeoutText(int seconds) const {
    return QString("\r\n连接时失败,提示如下:\r\n数据库服务器 127.0.0.1:%1 在 %2 秒内没有应答.\t")
        .arg(silent.Port())
        .arg(seconds);
  }

  TScratchHome home;
  TMessageScript messages;
  TUnits units;
  TSilentPort silent;
};

TEST_F(SilentServerTest, UnansweredServerLeadsToTheDialogAfterTheProbesTimeout) {
  TServerProbe probe(300);
  int dialogs = 0;
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(CheckConnection([&] { return ++dialogs < 2; },
                               [&] { return ConnectConfiguredDatabase(probe); }));
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_EQ(dialogs, 2);
  EXPECT_EQ(messages->Texts(), QStringList({TimeoutText(1), TimeoutText(1)}));
  EXPECT_FALSE(gDatabase->Connected());
}

TEST_F(SilentServerTest, CancelledWaitLeadsToTheDialogWithoutAMessage) {
  TServerProbe probe(kConnectTimeoutSeconds * 1000);
  QTimer::singleShot(100, &probe, [&probe] { probe.Cancel(); });
  int dialogs = 0;
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(CheckConnection([&] { return ++dialogs, false; },
                               [&] { return ConnectConfiguredDatabase(probe); }));
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(messages->Boxes.isEmpty());
}

TEST_F(SilentServerTest, DriverGivesUpAfterTheConnectTimeout) {
  // Without the probe the driver's own open waits; it must not hang the start for minutes.
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(ConnectConfiguredDatabase());
  EXPECT_LT(clock.elapsed(), (kConnectTimeoutSeconds + 5) * 1000);
  EXPECT_GE(clock.elapsed(), (kConnectTimeoutSeconds - 1) * 1000);
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_TRUE(messages->LastText().startsWith("\r\n连接时失败,提示如下:\r\n"));
}

TEST(StartupTest, DefaultDataFileThatCannotBeCreatedIsReported) {
  TScratchHome scratch;
  TMessageScript messages;
  TUnits units;
  // A home folder below a plain file cannot exist, for root as for anybody.
  QFile blocker(scratch.File("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  qputenv("HARMOZ_HOME", scratch.File("blocker/home").toLocal8Bit());
  EXPECT_FALSE(ConnectConfiguredDatabase());
  EXPECT_TRUE(messages->LastText().startsWith("\r\n连接时失败,提示如下:\r\n"));
  EXPECT_FALSE(gDatabase->Connected());
}

class AdminTest : public testing::Test {
 protected:
  int Run(const QStringList& arguments) {
    output.clear();
    QTextStream out(&output);
    QTextStream err(&output);
    return RunAdminCommand(arguments, out, err);
  }
  QString output;
};

TEST_F(AdminTest, PreparesAndChecksAnEmptyServerDatabase) {
  const QString server = PostgresTestConnectionString();
  if (server.isEmpty()) GTEST_SKIP() << "HARMOZ_TEST_PG is not set";
  {
    TDatabase database;
    database.OpenWith(server);
    database.Execute("drop schema public cascade");
    database.Execute("create schema public");
  }
  EXPECT_EQ(Run({"check", server}), 1) << output.toStdString();
  EXPECT_TRUE(output.contains("缺少表 members"));
  EXPECT_EQ(Run({"init", server}), 0) << output.toStdString();
  EXPECT_EQ(Run({"check", server}), 0) << output.toStdString();
  EXPECT_TRUE(output.contains("PostgreSQL"));
  EXPECT_TRUE(output.contains("表和列齐全"));
  EXPECT_TRUE(output.contains("会员: 0  商品: 0  操作员: 1"));
  EXPECT_EQ(Run({"init", server}), 1);
  EXPECT_TRUE(output.contains("未做任何修改"));
  {
    TDatabase database;
    database.OpenWith(server);
    database.Execute("alter table cards drop column Score");
  }
  EXPECT_EQ(Run({"check", server}), 1);
  EXPECT_TRUE(output.contains("表 cards 缺少列 Score"));
}

TEST_F(AdminTest, CreatesAnEmbeddedFileAndRejectsBadInput) {
  TScratchHome home;
  const QString file = home.File("shop.db");
  const QString connection = "Provider=SQLite;Data Source=" + file + ";";
  EXPECT_EQ(Run({"init", connection}), 0) << output.toStdString();
  EXPECT_EQ(Run({"check", connection}), 0) << output.toStdString();
  EXPECT_EQ(Run({"init", connection}), 1);
  EXPECT_EQ(Run({"check", "Provider=SQLite;Data Source=" + home.File("none.db") + ";"}), 2);
  EXPECT_EQ(Run({"frobnicate"}), 2);
  EXPECT_TRUE(output.contains("用法"));
}

// A reachable database without the program's tables: the operator is asked, and the program never
// ends on it.
class EmptyDatabaseTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (IsSkipped()) return;
    for (const QString& table : TSchema::ExistingTables(Db()))
      Db().Execute(QStringLiteral("drop table [%1]").arg(table));
    ASSERT_TRUE(TSchema::ExistingTables(Db()).isEmpty());
  }
  TMessageScript messages;
};

TEST_P(EmptyDatabaseTest, IsPreparedWhenTheOperatorAgrees) {
  messages->Answers = {TMsgResult::Yes};
  ASSERT_TRUE(PrepareDatabase(Db()));
  EXPECT_EQ(messages->LastText(), "\r\n数据库中还没有本系统的表,现在创建吗?\t");
  EXPECT_TRUE(TSchema::Check(Db()).isEmpty());
  EXPECT_EQ(ReadDataSummary(Db()).Operators, 1);
}

TEST_P(EmptyDatabaseTest, NoLeadsBackToTheConnectionDialog) {
  messages->Answers = {TMsgResult::No, TMsgResult::No};
  int dialogs = 0;
  const QString connectionString = Db().ConnectionString();
  const bool connected = CheckConnection([&] { return ++dialogs < 2; },
                                         [&] {
                                           Db().OpenWith(connectionString);
                                           return PrepareDatabase(Db());
                                         });
  EXPECT_FALSE(connected);
  EXPECT_EQ(dialogs, 2);  // shown after each refusal; the second one was cancelled
  EXPECT_FALSE(Db().Connected());
  Db().OpenWith(connectionString);
  EXPECT_TRUE(TSchema::ExistingTables(Db()).isEmpty());
}

INSTANTIATE_ON_BOTH_DATABASES(EmptyDatabaseTest);

}  // namespace
