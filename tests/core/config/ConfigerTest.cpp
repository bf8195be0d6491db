#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QHostInfo>

#include "TestDatabase.h"
#include "core/base/Gbk.h"
#include "core/base/IniFile.h"
#include "core/base/Scramble.h"
#include "core/base/ServerAliases.h"
#include "core/config/Configer.h"

namespace {

class ConfigerTest : public testing::Test {
 protected:
  QByteArray FileBytes(const QString& name = "cfg.ini") {
    QFile file(home.File(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void WriteFile(const QByteArray& bytes) {
    QFile file(home.File("cfg.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  TScratchHome home;
};

TEST_F(ConfigerTest, NewInstallationStartsOnTheDefaultDataFile) {
  TConfiger configer;
  EXPECT_EQ(configer.providerIdx, kProviderEmbedded);
  EXPECT_TRUE(configer.defaultCon);
  EXPECT_EQ(configer.mssqlPort, 1433);
  EXPECT_EQ(configer.GetConnectionString(),
            "Provider=SQLite;Data Source=" + home.File("harmoz.db") + ";");
}

TEST_F(ConfigerTest, LastLoginIdAloneLeavesTheInstallationOnTheDefaultDataFile) {
  TConfiger::WriteLastLoginId("sa");
  EXPECT_EQ(TConfiger().providerIdx, kProviderEmbedded);
}

TEST_F(ConfigerTest, ConfiguredFileWithoutKeysUsesTheDefaults) {
  WriteFile("[db]\r\nmssqlPort=abc\r\nmssqlServer = db-host \r\n");
  TConfiger configer;
  EXPECT_EQ(configer.providerIdx, kProviderSqlServer);
  EXPECT_EQ(configer.mssqlPort, 1433);
  EXPECT_EQ(configer.mssqlServer, "db-host");
  EXPECT_EQ(configer.GetConnectionString(), "");
}

TEST_F(ConfigerTest, SavedFileIsWrittenByteForByteAndReadsBack) {
  TConfiger configer;
  configer.providerIdx = kProviderEmbedded;
  configer.defaultCon = false;
  configer.jetfile = "D:\\数据\\会员.db";
  configer.jetPw = "(pw\"x ";  // scrambles into a leading blank and a quote
  configer.mssqlPw = "密码";
  configer.pgPw = "";
  configer.Save();
  const QByteArray written = FileBytes();

  const auto line = [](const char* key, const QByteArray& value) {
    return QByteArray(key) + "=" + value + "\r\n";
  };
  const QByteArray connStr = ToGbk("Provider=SQLite;Data Source=D:\\数据\\会员.db;");
  const QByteArray expected =
      "[db]\r\n" + line("mssqlServer", "") + line("mssqlPort", "1433") + line("mssqlDb", "") +
      line("mssqlUser", "") + line("mssqlPw", ScrambleText(ToGbk("密码"))) +
      line("jetfile", ScrambleText(ToGbk("D:\\数据\\会员.db"))) + line("jetUser", "") +
      line("jetPw", ScrambleText("(pw\"x ")) + line("dipUrl", "") + line("dipUser", "") +
      line("pgServer", "") + line("pgPort", "5432") + line("pgDb", "") + line("pgUser", "") +
      line("pgPw", "") + line("providerIdx", "1") + line("defaultCon", "0") +
      line("ConnStr", ScrambleText(connStr));
  EXPECT_EQ(written, expected);

  TConfiger reread;
  EXPECT_EQ(reread.jetPw, "(pw\"x ");
  EXPECT_EQ(reread.mssqlPw, "密码");
  EXPECT_EQ(reread.jetfile, "D:\\数据\\会员.db");
  EXPECT_EQ(reread.GetConnectionString(), "Provider=SQLite;Data Source=D:\\数据\\会员.db;");
  reread.Save();
  EXPECT_EQ(FileBytes(), written);
}

TEST_F(ConfigerTest, ConnectionStringPerKind) {
  TConfiger configer;
  configer.mssqlServer = "S";
  configer.mssqlDb = "shop";
  configer.mssqlUser = "u";
  configer.mssqlPw = "p";
  configer.providerIdx = kProviderSqlServer;
  configer.Save();
  EXPECT_EQ(
      TConfiger().GetConnectionString(),
      "Provider=SQLOLEDB.1;Persist Security Info=False;User ID=u;Password=p;Initial "
      "Catalog=shop;Data "
      "Source=S;Use Procedure for Prepare=1;Auto Translate=True;Packet Size=4096;Workstation ID=" +
          QHostInfo::localHostName() +
          ";Use Encryption for Data=False;Tag with column collation when possible=False");
  EXPECT_EQ(TServerAliases::Lookup("S"), "DBMSSOCN,S,1433");
  EXPECT_EQ(ResolveServerAlias("S"), "S,1433");

  configer.SmartConnect = true;
  configer.Save();
  EXPECT_EQ(TServerAliases::Lookup("S"), "");

  configer.providerIdx = kProviderPostgres;
  configer.pgServer = "127.0.0.1";
  configer.pgDb = "harmoz";
  configer.pgUser = "shop";
  configer.pgPw = "s;cret";
  configer.Save();
  EXPECT_EQ(TConfiger().GetConnectionString(),
            "Provider=PostgreSQL;Data Source=127.0.0.1;Port=5432;Initial Catalog=harmoz;User "
            "ID=shop;Password=s;cret;");

  configer.providerIdx = kProviderDip;
  configer.Save();
  EXPECT_EQ(ScrambleText(TIniFile(home.File("cfg.ini")).ReadBytes("db", "ConnStr")), "");

  // The default data file wins over whatever ConnStr and jetfile hold.
  configer.providerIdx = kProviderEmbedded;
  configer.defaultCon = true;
  configer.jetfile = "/elsewhere.db";
  configer.Save();
  EXPECT_EQ(TConfiger().GetConnectionString(),
            TConfiger::EmbeddedConnectionString(home.File("harmoz.db")));
}

TEST_F(ConfigerTest, LastLoginIdIsKeptInItsOwnSection) {
  EXPECT_EQ(TConfiger::ReadLastLoginId(), "");
  TConfiger::WriteLastLoginId("收银员1");
  TConfiger::WriteLastLoginId("sa");
  EXPECT_EQ(TConfiger::ReadLastLoginId(), "sa");
  EXPECT_EQ(FileBytes(), "[Login]\r\nLastLoginId=sa\r\n");
  TConfiger().Save();
  EXPECT_EQ(TConfiger::ReadLastLoginId(), "sa");
}

TEST_F(ConfigerTest, FileIsTheOwnersAloneAndRewritesKeepItsMode) {
  const mode_t saved = umask(022);
  auto mode = [&] {
    struct stat status {};
    return stat(QFile::encodeName(home.File("cfg.ini")).constData(), &status) == 0
               ? status.st_mode & 0777
               : 0u;
  };
  TConfiger::WriteLastLoginId("sa");
  EXPECT_EQ(mode(), 0600u);
  TConfiger configer;
  configer.mssqlPw = "secret";
  configer.Save();
  EXPECT_EQ(mode(), 0600u);
  // A mode the owner chose stays.
  QFile::setPermissions(home.File("cfg.ini"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
  configer.Save();
  EXPECT_EQ(mode(), 0640u);
  umask(saved);
}

TEST(AliasTest, RegisterWritesAndRemovesTheServersValue) {
  TScratchHome home;
  TConfiger::RegisterServerAlias("S", "1433", false);
  TConfiger::RegisterServerAlias("T", "", false);
  EXPECT_EQ(TServerAliases::Lookup("S"), "DBMSSOCN,S,1433");
  EXPECT_EQ(TServerAliases::Lookup("T"), "DBMSSOCN,T");
  TConfiger::RegisterServerAlias("S", "1433", true);
  EXPECT_EQ(TServerAliases::Lookup("S"), "");
  EXPECT_EQ(ResolveServerAlias("S"), "S");
}

}  // namespace
