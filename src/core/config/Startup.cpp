#include "core/config/Startup.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/base/Errors.h"
#include "core/base/MessageBox.h"
#include "core/base/Variants.h"
#include "core/config/Configer.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"
#include "core/db/Schema.h"
#include "core/db/ServerProbe.h"

namespace {

bool Refuse(TDatabase& database, const QString& reason) {
  if (!reason.isEmpty()) ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(reason));
  database.SetConnected(false);
  return false;
}

bool ConnectTo(const TConfiger& configer, const QString& connectionString) {
  const bool onDefaultFile = configer.providerIdx == kProviderEmbedded && configer.defaultCon;
  if (onDefaultFile && !QFileInfo::exists(TConfiger::DefaultDataFile())) {
    try {
      TSchema::CreateEmbeddedFile(TConfiger::DefaultDataFile());
    } catch (const EError& error) {
      ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error.Message()));
      return false;
    }
  }
  return gDatabase->Connect(connectionString) && PrepareDatabase(*gDatabase);
}

}  // namespace

bool PrepareDatabase(TDatabase& database) {
  try {
    if (TSchema::ExistingTables(database).isEmpty()) {
      if (MessageBox().Show(TMsgKind::Confirmation,
                            QStringLiteral("\r\n数据库中还没有本系统的表,现在创建吗?\t"),
                            TMsgButtons::YesNo) != TMsgResult::Yes)
        return Refuse(database, QString());
      TSchema::Install(database);
      return true;
    }
    TSchema::Upgrade(database);
    return true;
  } catch (const EError& error) {
    return Refuse(database, error.Message());
  }
}

bool ConnectConfiguredDatabase() {
  TConfiger configer;
  return ConnectTo(configer, configer.GetConnectionString());
}

bool ConnectConfiguredDatabase(TServerProbe& probe) {
  TConfiger configer;
  const QString connectionString = configer.GetConnectionString();
  const TServerAddress server = ServerAddressOf(connectionString);
  if (!server.IsEmpty()) {
    switch (probe.Probe(server)) {
      case TProbeResult::Cancelled:
        gDatabase->SetConnected(false);
        return false;
      case TProbeResult::TimedOut:
        gDatabase->SetConnected(false);
        ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1")
                     .arg(ServerTimeoutText(server, probe.TimeoutMilliseconds())));
        return false;
      case TProbeResult::Reachable:
      case TProbeResult::Unreachable:
        // A refusal or an unknown host comes back at once: the driver tells it in its words.
        break;
    }
  }
  return ConnectTo(configer, connectionString);
}

bool CheckConnection(const std::function<bool()>& confirmDialog,
                     const std::function<bool()>& connect) {
  while (!connect()) {
    if (!confirmDialog()) break;
    QCoreApplication::processEvents();
  }
  return gDatabase->Connected();
}

TDataSummary ReadDataSummary(TDatabase& database) {
  TRecordSet counts(&database);
  auto count = [&counts](const QString& sql) {
    counts.OpenSql(sql);
    return VarToInt(counts.ValueOf());
  };
  TDataSummary summary;
  summary.Members = count(QStringLiteral("select count(*) from members"));
  summary.Commodities = count(QStringLiteral("select count(*) from commodity"));
  summary.Operators = count(QStringLiteral("select count(*) from [operator]"));
  return summary;
}
