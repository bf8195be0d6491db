#include "core/maintenance/AdminCommands.h"

#include <QFileInfo>

#include "core/base/Errors.h"
#include "core/config/Configer.h"
#include "core/config/Startup.h"
#include "core/db/Database.h"
#include "core/db/Schema.h"

namespace {

constexpr char kUsage[] =
    "用法: harmoz-admin init [连接字符串]\n"
    "      harmoz-admin check [连接字符串]\n"
    "不给连接字符串时使用 cfg.ini 中的连接. 服务器的密码不写在连接字符串里: 取环境变量\n"
    "HARMOZ_DB_PASSWORD, 没有时在终端上询问 (命令行上的密码其他本机用户看得到). 例如:\n"
    "  \"Provider=PostgreSQL;Data Source=127.0.0.1;Port=5432;Initial Catalog=harmoz;User "
    "ID=harmoz;\"\n"
    "  \"Provider=SQLite;Data Source=/srv/harmoz/harmoz.db;\"\n";

int Init(TDatabase& database, QTextStream& out, QTextStream& err) {
  const QStringList existing = TSchema::ExistingTables(database);
  if (!existing.isEmpty()) {
    err << "数据库中已有表 " << existing.join(QStringLiteral(", ")) << ",未做任何修改." << Qt::endl;
    return 1;
  }
  TSchema::Install(database);
  out << "已在 " << database.KindName() << " " << database.DataLocation() << " 建立 "
      << TSchema::Tables(database.Dialect()).size() << " 个表及初始数据." << Qt::endl;
  return 0;
}

int Check(TDatabase& database, QTextStream& out) {
  out << "数据库: " << database.KindName() << Qt::endl;
  out << "数据位置: " << database.DataLocation() << Qt::endl;
  const QStringList problems = TSchema::Check(database);
  for (const QString& problem : problems) out << problem << Qt::endl;
  if (problems.isEmpty()) {
    out << "表和列齐全." << Qt::endl;
    const TDataSummary summary = ReadDataSummary(database);
    out << "会员: " << summary.Members << "  商品: " << summary.Commodities
        << "  操作员: " << summary.Operators << Qt::endl;
  }
  return problems.isEmpty() ? 0 : 1;
}

}  // namespace

int RunAdminCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  return RunAdminCommand(arguments, out, err, ProcessPasswordSources());
}

int RunAdminCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    const TPasswordSources& passwords) {
  if (arguments.isEmpty() || arguments.size() > 2 ||
      (arguments[0] != QLatin1String("init") && arguments[0] != QLatin1String("check"))) {
    err << kUsage;
    return 2;
  }
  const QString given = arguments.size() == 2 ? arguments[1] : TConfiger().GetConnectionString();
  try {
    const QString connectionString = WithServerPassword(given, passwords);
    // A new embedded file is created with the schema; init on it is then done.
    if (TDatabase::KindOf(connectionString) == TDatabaseKind::Embedded) {
      const QString file = ConnectionStringProperty(connectionString, "Data Source");
      if (!file.isEmpty() && !QFileInfo::exists(file) && arguments[0] == QLatin1String("init")) {
        TSchema::CreateEmbeddedFile(file);
        out << "已建立数据文件 " << file << Qt::endl;
        return 0;
      }
    }
    TDatabase database;
    database.OpenWith(connectionString);
    return arguments[0] == QLatin1String("init") ? Init(database, out, err) : Check(database, out);
  } catch (const EError& error) {
    err << "失败: " << error.Message() << Qt::endl;
    return 2;
  }
}
