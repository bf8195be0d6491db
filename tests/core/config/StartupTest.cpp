#include <gtest/gtest.h>

#include <QFile>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/app/Units.h"
#include "core/config/Company.h"
#include "core/config/KeyValue.h"
#include "core/config/PickLists.h"
#include "core/config/Startup.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"
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

}  // namespace
