#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "core/base/Errors.h"
#include "core/db/Database.h"
#include "core/maintenance/ServerPassword.h"

namespace {

constexpr char kServer[] =
    "Provider=PostgreSQL;Data Source=db-host;Port=5432;Initial Catalog=harmoz;User ID=harmoz;";
const QString kServerText = kServer;

TEST(ServerPasswordTest, PasswordComesFromTheStringThenTheEnvironmentThenTheTerminal) {
  const QString sqlServer = "Provider=SQLOLEDB.1;Data Source=db-host;User ID=sa;Initial Catalog=x";
  const QString embedded = "Provider=SQLite;Data Source=/srv/harmoz.db;";
  const QString given = QString(kServer) + "Password=given;";
  const QString givenEmpty = QString(kServer) + "Password=;";
  const struct {
    const QString& given;
    const char* environment;  // null: not set
    bool terminal;
    const char* password;  // what the completed string holds
    bool asked;
  } cases[] = {
      {given, "from env", true, "given", false},
      {givenEmpty, "from env", true, "", false},
      {kServerText, "from env", true, "from env", false},
      {kServerText, "", true, "", false},
      {kServerText, nullptr, true, "typed 密码", true},
      {kServerText, nullptr, false, "", false},
      {sqlServer, "from env", false, "from env", false},
      {sqlServer, nullptr, true, "typed 密码", true},
  };
  for (const auto& c : cases) {
    int asked = 0;
    TPasswordSources sources;
    if (c.environment) sources.Environment = QString(c.environment);
    sources.Terminal = c.terminal;
    sources.Ask = [&asked] {
      ++asked;
      return QString("typed 密码");
    };
    const QString completed = WithServerPassword(c.given, sources);
    const std::string name =
        c.given.toStdString() + " / " + (c.environment ? c.environment : "(unset)");
    EXPECT_EQ(ConnectionStringProperty(completed, "Password"), c.password) << name;
    EXPECT_EQ(ConnectionStringProperty(completed, "User ID"),
              ConnectionStringProperty(c.given, "User ID"))
        << name;
    EXPECT_EQ(asked, c.asked ? 1 : 0) << name;
  }
  // Nothing to add for the embedded file, and nobody is asked.
  int asked = 0;
  const TPasswordSources terminal{std::nullopt, true, [&asked] { return ++asked, QString("x"); }};
  EXPECT_EQ(WithServerPassword(embedded, terminal), embedded);
  EXPECT_EQ(asked, 0);
}

TEST(ServerPasswordTest, PasswordTheConnectionStringCannotHoldIsRefused) {
  const TPasswordSources sources{QString("pass;word"), false, {}};
  EXPECT_THROW(WithServerPassword(kServer, sources), EError);
  EXPECT_EQ(WithServerPassword(QString(kServer) + "Password=p;", sources),
            QString(kServer) + "Password=p;");
}

// The program itself, with its standard input a pipe that stays open: it must not wait for a
// password there.
class AdminProgramTest : public testing::Test {
 protected:
  int Run(const QString& connectionString, const std::optional<QString>& password) {
    QProcess admin;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("HARMOZ_DB_PASSWORD");
    if (password) environment.insert("HARMOZ_DB_PASSWORD", *password);
    admin.setProcessEnvironment(environment);
    admin.start(HARMOZ_ADMIN_PROGRAM, {"check", connectionString});
    if (!admin.waitForFinished(20000)) {
      admin.kill();
      admin.waitForFinished();
      ADD_FAILURE() << "harmoz-admin still runs";
    }
    errors = QString::fromUtf8(admin.readAllStandardError());
    return admin.exitCode();
  }
  QString errors;
};

TEST_F(AdminProgramTest, WithoutTerminalNorVariableItConnectsWithoutAskingForAPassword) {
  // Nothing listens on port 1: the connection is refused at once.
  const QString closed =
      "Provider=PostgreSQL;Data Source=127.0.0.1;Port=1;Initial Catalog=harmoz;User ID=harmoz;";
  EXPECT_EQ(Run(closed, std::nullopt), 2);
  EXPECT_TRUE(errors.contains("失败: ")) << errors.toStdString();
  EXPECT_FALSE(errors.contains("数据库密码:")) << errors.toStdString();

  EXPECT_EQ(Run(closed, QString("semi;colon")), 2);
  EXPECT_TRUE(errors.contains("分号")) << errors.toStdString();
}

}  // namespace
