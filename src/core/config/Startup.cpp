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

bool ConnectConfiguredDatabase() {
  TConfiger configer;
  const QString connectionString = configer.GetConnectionString();
  const bool onDefaultFile = configer.providerIdx == kProviderEmbedded && configer.defaultCon;
  if (onDefaultFile && !QFileInfo::exists(TConfiger::DefaultDataFile())) {
    try {
      TSchema::CreateEmbeddedFile(TConfiger::DefaultDataFile());
    } catch (const EError& error) {
      ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error.Message()));
      return false;
    }
  }
  return gDatabase->Connect(connectionString);
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
