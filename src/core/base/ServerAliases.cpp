#include "core/base/ServerAliases.h"

#include "core/base/AppPaths.h"
#include "core/base/Errors.h"
#include "core/base/IniFile.h"

namespace {
constexpr char kSection[] = "ConnectTo";
constexpr char kTcpLibrary[] = "DBMSSOCN,";
}  // namespace

QString TServerAliases::FileName() {
  return TAppPaths::HomeFile(QStringLiteral("sqlalias.ini"));
}

void TServerAliases::Register(const QString& server, const QString& port, bool remove) {
  if (server.isEmpty()) return;
  TIniFile file(FileName());
  try {
    if (remove) {
      file.DeleteKey(kSection, server);
    } else {
      const QString target = port.isEmpty() ? server : QStringLiteral("%1,%2").arg(server, port);
      file.WriteString(kSection, server, QLatin1String(kTcpLibrary) + target);
    }
  } catch (const EError&) {
    // Like a registry key that cannot be opened: no alias, no message.
  }
}

QString TServerAliases::Lookup(const QString& server) {
  return TIniFile(FileName()).ReadString(kSection, server, QString());
}

QString ResolveServerAlias(const QString& server) {
  const QString alias = TServerAliases::Lookup(server);
  if (!alias.startsWith(QLatin1String(kTcpLibrary), Qt::CaseInsensitive)) return server;
  return alias.mid(int(sizeof(kTcpLibrary)) - 1);
}
