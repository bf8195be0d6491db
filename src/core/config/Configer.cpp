#include "core/config/Configer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>

#include "core/base/AppPaths.h"
#include "core/base/Gbk.h"
#include "core/base/MessageBox.h"
#include "core/base/Product.h"
#include "core/base/Scramble.h"
#include "core/base/ServerAliases.h"

namespace {

constexpr char kDb[] = "db";
constexpr char kLogin[] = "Login";
constexpr int kDipTimeoutMilliseconds = 30000;

QString SqlServerConnectionString(const TConfiger& c) {
  return QStringLiteral(
             "Provider=SQLOLEDB.1;Persist Security Info=False;User ID=%1;Password=%2;Initial "
             "Catalog=%3;Data Source=%4;Use Procedure for Prepare=1;Auto Translate=True;Packet "
             "Size=4096;Workstation ID=%5;Use Encryption for Data=False;Tag with column collation "
             "when possible=False")
      .arg(c.mssqlUser, c.mssqlPw, c.mssqlDb, c.mssqlServer, QHostInfo::localHostName());
}

QString PostgresConnectionString(const TConfiger& c) {
  return QStringLiteral(
             "Provider=PostgreSQL;Data Source=%1;Port=%2;Initial Catalog=%3;User "
             "ID=%4;Password=%5;")
      .arg(c.pgServer, QString::number(c.pgPort), c.pgDb, c.pgUser, c.pgPw);
}

// The reply's lines: CR LF, CR or LF end a line; a trailing break adds no empty line.
QStringList ReplyLines(const QString& body) {
  QStringList lines = body.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

std::unique_ptr<TIniFile> TConfiger::OpenConfigFile() {
  return std::make_unique<TIniFile>(TAppPaths::HomeFile(QStringLiteral("cfg.ini")));
}

QString TConfiger::ReadLastLoginId() {
  return OpenConfigFile()->ReadString(kLogin, QStringLiteral("LastLoginId"), QString());
}

void TConfiger::WriteLastLoginId(const QString& loginId) {
  OpenConfigFile()->WriteString(kLogin, QStringLiteral("LastLoginId"), loginId);
}

QString TConfiger::DefaultDataFile() {
  if (ProgramName.isEmpty()) {
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return exe.path() + u'/' + exe.completeBaseName() + QStringLiteral(".db");
  }
  return TAppPaths::HomeFile(ProgramName + QStringLiteral(".db"));
}

QString TConfiger::EmbeddedConnectionString(const QString& dataFile) {
  return QStringLiteral("Provider=SQLite;Data Source=%1;").arg(dataFile);
}

TConfiger::TConfiger() : file_(OpenConfigFile()) {
  // A file without connection settings (only the last login id, say) is a new installation too.
  const bool fresh = !file_->HasSection(kDb);
  mssqlServer = file_->ReadString(kDb, "mssqlServer", QString());
  mssqlPort = file_->ReadInteger(kDb, "mssqlPort", 1433);
  mssqlDb = file_->ReadString(kDb, "mssqlDb", QString());
  mssqlUser = file_->ReadString(kDb, "mssqlUser", QString());
  mssqlPw = ReadScrambled("mssqlPw");
  jetfile = ReadScrambled("jetfile");
  jetUser = file_->ReadString(kDb, "jetUser", QString());
  jetPw = ReadScrambled("jetPw");
  dipUrl = file_->ReadString(kDb, "dipUrl", QString());
  dipUser = file_->ReadString(kDb, "dipUser", QString());
  pgServer = file_->ReadString(kDb, "pgServer", QString());
  pgPort = file_->ReadInteger(kDb, "pgPort", 5432);
  pgDb = file_->ReadString(kDb, "pgDb", QString());
  pgUser = file_->ReadString(kDb, "pgUser", QString());
  pgPw = ReadScrambled("pgPw");
  // A new installation starts on the embedded data file, so that it can work at once.
  providerIdx =
      file_->ReadInteger(kDb, "providerIdx", fresh ? kProviderEmbedded : kProviderSqlServer);
  defaultCon = file_->ReadBool(kDb, "defaultCon", true);
}

QString TConfiger::ReadScrambled(const QString& key) const {
  return FromGbk(ScrambleText(file_->ReadBytes(kDb, key)));
}

void TConfiger::WriteScrambled(const QString& key, const QString& value) {
  file_->WriteBytes(kDb, key, ScrambleText(ToGbk(value)));
}

void TConfiger::Save() {
  file_->WriteString(kDb, "mssqlServer", mssqlServer);
  file_->WriteInteger(kDb, "mssqlPort", mssqlPort);
  file_->WriteString(kDb, "mssqlDb", mssqlDb);
  file_->WriteString(kDb, "mssqlUser", mssqlUser);
  WriteScrambled("mssqlPw", mssqlPw);
  WriteScrambled("jetfile", jetfile);
  file_->WriteString(kDb, "jetUser", jetUser);
  WriteScrambled("jetPw", jetPw);
  file_->WriteString(kDb, "dipUrl", dipUrl);
  file_->WriteString(kDb, "dipUser", dipUser);
  file_->WriteString(kDb, "pgServer", pgServer);
  file_->WriteInteger(kDb, "pgPort", pgPort);
  file_->WriteString(kDb, "pgDb", pgDb);
  file_->WriteString(kDb, "pgUser", pgUser);
  WriteScrambled("pgPw", pgPw);
  file_->WriteInteger(kDb, "providerIdx", providerIdx);
  file_->WriteBool(kDb, "defaultCon", defaultCon);
  if (providerIdx == kProviderSqlServer)
    RegisterServerAlias(mssqlServer, QString::number(mssqlPort), SmartConnect);
  WriteScrambled("ConnStr", BuildSavedConnectionString());
}

QString TConfiger::BuildSavedConnectionString() const {
  switch (providerIdx) {
    case kProviderSqlServer:
      return SqlServerConnectionString(*this);
    case kProviderEmbedded:
      return EmbeddedConnectionString(jetfile);
    case kProviderPostgres:
      return PostgresConnectionString(*this);
    default:
      return {};
  }
}

QString TConfiger::GetConnectionString() {
  if (providerIdx == kProviderEmbedded && defaultCon)
    return EmbeddedConnectionString(DefaultDataFile());
  if (providerIdx == kProviderDip) return FetchDipConnection();
  return ReadScrambled("ConnStr");
}

QString TConfiger::FetchDipConnection() {
  QNetworkAccessManager manager;
  QNetworkRequest request(QUrl(QStringLiteral("%1?user=%2").arg(dipUrl, dipUser)));
  request.setTransferTimeout(kDipTimeoutMilliseconds);
  std::unique_ptr<QNetworkReply> reply(manager.get(request));
  QEventLoop loop;
  QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
  if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  if (reply->error() != QNetworkReply::NoError) {
    ShowInfo(QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通."));
    return {};
  }
  const QStringList lines = ReplyLines(QString::fromUtf8(reply->readAll()));
  if (lines.size() != 5) return {};
  const QString& server = lines[0];
  RegisterServerAlias(server, lines[1], false);
  return QStringLiteral(
             "Provider=SQLOLEDB.1;Data Source=%1;User ID=%2;Password=%3;Initial Catalog=%4;Persist "
             "Security Info=True")
      .arg(server, lines[2], lines[3], lines[4]);
}

void TConfiger::RegisterServerAlias(const QString& server, const QString& port, bool remove) {
  TServerAliases::Register(server, port, remove);
}
