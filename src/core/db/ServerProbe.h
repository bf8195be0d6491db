#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QString>

// Where a database server of a connection string listens for TCP connections. Empty for the
// embedded data file, a local socket, or a SQL Server named instance (whose port the server's
// browser service tells).
struct TServerAddress {
  QString Host;
  int Port = 0;
  bool IsEmpty() const { return Host.isEmpty() || Port <= 0; }
};
TServerAddress ServerAddressOf(const QString& connectionString);

enum class TProbeResult { Reachable, Unreachable, TimedOut, Cancelled };

// Tries whether a server answers on its port before the driver's open, which blocks the program
// until the server answers or the connect timeout ends. The probe waits in a local event loop,
// so that the windows keep painting and the operator can cancel the wait.
class TServerProbe : public QObject {
  Q_OBJECT
 public:
  explicit TServerProbe(int timeoutMilliseconds, QObject* parent = nullptr);

  TProbeResult Probe(const TServerAddress& address);
  // Ends a waiting probe with Cancelled; nothing happens when no probe waits.
  void Cancel();
  bool Waiting() const { return loop_ != nullptr; }
  int TimeoutMilliseconds() const { return timeout_; }

 signals:
  void Started(const QString& host, int port);
  void Finished();

 private:
  int timeout_;
  QPointer<QEventLoop> loop_;
};

// The text that tells the operator that the server did not answer in time.
QString ServerTimeoutText(const TServerAddress& address, int timeoutMilliseconds);
