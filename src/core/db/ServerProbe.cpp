#include "core/db/ServerProbe.h"

#include <QTcpSocket>
#include <QTimer>

#include "core/base/ServerAliases.h"
#include "core/db/Database.h"

namespace {

constexpr int kPostgresPort = 5432;
constexpr int kSqlServerPort = 1433;

enum TLoopExit { kConnected, kFailed, kTimedOut, kCancelled };

}  // namespace

TServerAddress ServerAddressOf(const QString& connectionString) {
  TServerAddress address;
  QString host = ConnectionStringProperty(connectionString, "Data Source").trimmed();
  QString port;
  switch (TDatabase::KindOf(connectionString)) {
    case TDatabaseKind::PostgreSQL:
      port = ConnectionStringProperty(connectionString, "Port").trimmed();
      if (port.isEmpty()) port = QString::number(kPostgresPort);
      // A folder names the server's local socket.
      if (host.startsWith(u'/')) return {};
      break;
    case TDatabaseKind::SqlServer: {
      host = ResolveServerAlias(host);
      const qsizetype comma = host.indexOf(u',');
      if (comma >= 0) {
        port = host.mid(comma + 1).trimmed();
        host = host.left(comma).trimmed();
      } else {
        port = QString::number(kSqlServerPort);
      }
      if (host.contains(u'\\')) return {};
      break;
    }
    case TDatabaseKind::Embedded:
    case TDatabaseKind::Unsupported:
      return {};
  }
  bool ok = false;
  address.Port = port.toInt(&ok);
  if (host.isEmpty() || !ok || address.Port <= 0 || address.Port > 65535) return {};
  address.Host = host;
  return address;
}

TServerProbe::TServerProbe(int timeoutMilliseconds, QObject* parent)
    : QObject(parent), timeout_(timeoutMilliseconds) {}

TProbeResult TServerProbe::Probe(const TServerAddress& address) {
  QTcpSocket socket;
  QTimer deadline;
  deadline.setSingleShot(true);
  QEventLoop loop;
  connect(&socket, &QTcpSocket::connected, &loop, [&loop] { loop.exit(kConnected); });
  connect(&socket, &QTcpSocket::errorOccurred, &loop, [&loop] { loop.exit(kFailed); });
  connect(&deadline, &QTimer::timeout, &loop, [&loop] { loop.exit(kTimedOut); });

  loop_ = &loop;
  emit Started(address.Host, address.Port);
  socket.connectToHost(address.Host, static_cast<quint16>(address.Port));
  deadline.start(timeout_);
  // The socket may have failed at once (an unknown host without a look-up, say).
  const int exit = socket.state() == QAbstractSocket::UnconnectedState ? kFailed : loop.exec();
  loop_ = nullptr;
  socket.abort();
  emit Finished();
  switch (exit) {
    case kConnected:
      return TProbeResult::Reachable;
    case kTimedOut:
      return TProbeResult::TimedOut;
    case kCancelled:
      return TProbeResult::Cancelled;
    default:
      return TProbeResult::Unreachable;
  }
}

void TServerProbe::Cancel() {
  if (loop_) loop_->exit(kCancelled);
}

QString ServerTimeoutText(const TServerAddress& address, int timeoutMilliseconds) {
  return QStringLiteral("数据库服务器 %1:%2 在 %3 秒内没有应答.")
      .arg(address.Host)
      .arg(address.Port)
      .arg((timeoutMilliseconds + 999) / 1000);
}
