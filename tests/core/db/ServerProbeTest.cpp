#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>

#include "SilentPort.h"
#include "core/db/ServerProbe.h"

namespace {

TEST(ServerProbeTest, AddressOfTheServerKinds) {
  const struct {
    const char* connectionString;
    const char* host;
    int port;
  } cases[] = {
      {"Provider=PostgreSQL;Data Source=db.shop;Port=5433;Initial Catalog=x;", "db.shop", 5433},
      {"Provider=PostgreSQL;Data Source=127.0.0.1;Initial Catalog=x;", "127.0.0.1", 5432},
      {"Provider=SQLOLEDB.1;Data Source=srv,1500;Initial Catalog=x;", "srv", 1500},
      {"Provider=SQLOLEDB.1;Data Source=srv;Initial Catalog=x;", "srv", 1433},
      // No TCP port to ask: a named instance, a local socket, the embedded file, nothing.
      {"Provider=SQLOLEDB.1;Data Source=srv\\SHOP;Initial Catalog=x;", "", 0},
      {"Provider=PostgreSQL;Data Source=/run/postgresql;Initial Catalog=x;", "", 0},
      {"Provider=PostgreSQL;Data Source=;Initial Catalog=x;", "", 0},
      {"Provider=PostgreSQL;Data Source=db;Port=99999;Initial Catalog=x;", "", 0},
      {"Provider=SQLite;Data Source=/tmp/harmoz.db;", "", 0},
      {"", "", 0},
  };
  for (const auto& c : cases) {
    const TServerAddress address = ServerAddressOf(c.connectionString);
    EXPECT_EQ(address.Host, c.host) << c.connectionString;
    EXPECT_EQ(address.Port, c.port) << c.connectionString;
    EXPECT_EQ(address.IsEmpty(), c.port == 0) << c.connectionString;
  }
}

TEST(ServerProbeTest, ListeningServerIsReachableAndAClosedPortIsNot) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  TServerProbe probe(5000);
  EXPECT_EQ(probe.Probe({"127.0.0.1", server.serverPort()}), TProbeResult::Reachable);

  const int closedPort = server.serverPort();
  server.close();
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(probe.Probe({"127.0.0.1", closedPort}), TProbeResult::Unreachable);
  EXPECT_LT(clock.elapsed(), 4000);
}

TEST(ServerProbeTest, SilentServerTimesOutAndTheWaitCanBeCancelled) {
  TSilentPort silent;
  ASSERT_NE(silent.Port(), 0);
  const TServerAddress address{"127.0.0.1", silent.Port()};

  TServerProbe shortWait(300);
  QSignalSpy started(&shortWait, &TServerProbe::Started);
  QSignalSpy finished(&shortWait, &TServerProbe::Finished);
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(shortWait.Probe(address), TProbeResult::TimedOut);
  EXPECT_GE(clock.elapsed(), 250);
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_EQ(started.count(), 1);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(shortWait.Waiting());

  // Cancelled from an event while it waits, long before the timeout.
  TServerProbe longWait(30000);
  bool waitingWhenCancelled = false;
  QTimer::singleShot(100, &longWait, [&] {
    waitingWhenCancelled = longWait.Waiting();
    longWait.Cancel();
  });
  clock.restart();
  EXPECT_EQ(longWait.Probe(address), TProbeResult::Cancelled);
  EXPECT_TRUE(waitingWhenCancelled);
  EXPECT_LT(clock.elapsed(), 5000);
  longWait.Cancel();  // nothing waits any more
}

TEST(ServerProbeTest, TimeoutTextCountsWholeSeconds) {
  EXPECT_EQ(ServerTimeoutText({"db.shop", 5432}, 10000),
            "数据库服务器 db.shop:5432 在 10 秒内没有应答.");
  EXPECT_EQ(ServerTimeoutText({"db.shop", 5432}, 300),
            "数据库服务器 db.shop:5432 在 1 秒内没有应答.");
}

}  // namespace
