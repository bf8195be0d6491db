#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "TestDatabase.h"
#include "core/base/Errors.h"
#include "core/base/Variants.h"
#include "core/db/RecordSet.h"
#include "core/db/Schema.h"

namespace {

class SchemaTest : public DatabaseTest {};

TEST_P(SchemaTest, InstalledSchemaIsCompleteWithItsDeliveredRows) {
  EXPECT_TRUE(TSchema::Check(Db()).isEmpty());
  EXPECT_EQ(Scalar("select count(*) from [operator] where LoginId='sa' and [Password]=''").toInt(),
            1);
  TRecordSet types;
  types.OpenSql("select Id, Name from cardtypes order by Id");
  QStringList names;
  for (types.DataSet()->First(); !types.DataSet()->Eof(); types.DataSet()->Next())
    names << types.FieldByName("Id")->AsString() + types.FieldByName("Name")->AsString();
  EXPECT_EQ(names, QStringList({"0折扣卡", "1储值卡", "2计次卡"}));
  EXPECT_EQ(Scalar("select count(*) from [backup] where TypeId=0 and BackDir=''").toInt(), 1);
}

TEST_P(SchemaTest, KeysAreUniqueAndAssignedByTheProgram) {
  EXPECT_EQ(Scalar("select max(Id) from members").toInt(), 0);
  Db().Execute("insert into members (Id, Name) values (1, 'a')");
  EXPECT_THROW(Db().Execute("insert into members (Id, Name) values (1, 'b')"), EDatabaseError);
  EXPECT_THROW(Db().Execute("insert into members (Name) values ('no key')"), EDatabaseError);
}

TEST_P(SchemaTest, CheckNamesWhatIsMissing) {
  Db().Execute("drop table syscols");
  Db().Execute("drop table gifts");
  Db().Execute("create table gifts (Id integer not null, Name varchar(50))");
  const QStringList problems = TSchema::Check(Db());
  EXPECT_TRUE(problems.contains("缺少表 syscols"));
  EXPECT_TRUE(problems.contains("表 gifts 缺少列 Point"));
  EXPECT_EQ(problems.size(), 5)
      << problems.join(" | ").toStdString();  // syscols; gifts' Code, Point, Stock, Notex
}

// A database of an older build: amounts in floating point, a column and a table it did not have.
TEST_P(SchemaTest, UpgradeBringsAnOlderDatabaseUpToDateKeepingItsRows) {
  if (GetParam() == TBackend::PostgreSQL) {
    Db().Execute("alter table cards alter column Balance type double precision");
    Db().Execute("alter table consume alter column Shldfund type double precision");
  }
  Db().Execute("alter table members drop column Email");
  Db().Execute("drop table syscols");
  Db().Execute("insert into members (Id, Name) values (1, '张三')");
  Db().Execute("insert into cards (Id, MemberId, Balance) values (1, 1, :Balance)",
               {MakeParam("Balance", 0.1 + 0.2)});
  EXPECT_FALSE(TSchema::Check(Db()).isEmpty());

  const QStringList changes = TSchema::Upgrade(Db());
  EXPECT_TRUE(changes.contains("建立表 syscols")) << changes.join(" | ").toStdString();
  EXPECT_TRUE(changes.contains("表 members 增加列 Email"));
  EXPECT_EQ(changes.size(), GetParam() == TBackend::PostgreSQL ? 4 : 2);
  EXPECT_TRUE(TSchema::Check(Db()).isEmpty()) << TSchema::Check(Db()).join(" | ").toStdString();
  EXPECT_EQ(VarToMoney(Scalar("select Balance from cards where Id=1")).ToString(), "0.30");
  EXPECT_EQ(Scalar("select Name from members where Id=1").toString(), "张三");
  EXPECT_TRUE(TSchema::Upgrade(Db()).isEmpty());  // nothing left to do
}

TEST(SchemaScriptTest, EveryDatabaseHasTheSameTablesAndColumns) {
  const QList<TTableDef> sqlite = TSchema::Tables(TSqlDialect::SQLite);
  EXPECT_EQ(sqlite.size(), 16);
  for (TSqlDialect dialect : {TSqlDialect::PostgreSQL, TSqlDialect::SqlServer}) {
    const QList<TTableDef> other = TSchema::Tables(dialect);
    ASSERT_EQ(other.size(), sqlite.size());
    for (qsizetype i = 0; i < sqlite.size(); ++i) {
      EXPECT_EQ(other[i].Name.toLower(), sqlite[i].Name.toLower());
      EXPECT_EQ(other[i].Columns.join(',').toLower(), sqlite[i].Columns.join(',').toLower());
    }
  }
}

INSTANTIATE_ON_BOTH_DATABASES(SchemaTest);

TEST(EmbeddedFileTest, NewDataFileIsTheOwnersAlone) {
  QTemporaryDir dir;
  const QString file = dir.filePath("harmoz.db");
  const mode_t saved = umask(022);
  TSchema::CreateEmbeddedFile(file);
  umask(saved);
  struct stat status {};
  ASSERT_EQ(stat(QFile::encodeName(file).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);
}

}  // namespace
