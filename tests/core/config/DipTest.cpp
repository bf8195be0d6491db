#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/base/ServerAliases.h"
#include "core/config/Configer.h"

namespace {

// A directory service on 127.0.0.1 that answers every request with one canned reply and keeps
// the request line it saw.
class DipServer {
 public:
  DipServer(int status, QByteArray body) : status_(status), body_(std::move(body)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      QTcpSocket* socket = server_.nextPendingConnection();
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        request_ += socket->readAll();
        if (!request_.contains("\r\n\r\n")) return;
        socket->write("HTTP/1.1 " + QByteArray::number(status_) + " X\r\nContent-Length: " +
                      QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
        socket->disconnectFromHost();
      });
    });
  }
  QString Url() const { return QString("http://127.0.0.1:%1/dip").arg(server_.serverPort()); }
  QByteArray RequestLine() const { return request_.left(request_.indexOf("\r\n")); }

 private:
  QTcpServer server_;
  int status_;
  QByteArray body_;
  QByteArray request_;
};

QString Fetch(DipServer& server) {
  TConfiger configer;
  configer.dipUrl = server.Url();
  configer.dipUser = "shop1";
  configer.providerIdx = kProviderDip;
  return configer.GetConnectionString();
}

TEST(DipTest, FiveLinesGiveTheConnection) {
  TScratchHome home;
  TMessageScript messages;
  for (const QByteArray& body : {QByteArray("10.0.0.5\r\n1533\r\nuser\r\npw\r\nshopdb"),
                                 QByteArray("10.0.0.5\n1533\nuser\npw\nshopdb\n")}) {
    DipServer server(200, body);
    EXPECT_EQ(Fetch(server),
              "Provider=SQLOLEDB.1;Data Source=10.0.0.5;User ID=user;Password=pw;Initial "
              "Catalog=shopdb;Persist "
              "Security Info=True");
    EXPECT_EQ(server.RequestLine(), "GET /dip?user=shop1 HTTP/1.1");
  }
  EXPECT_EQ(TServerAliases::Lookup("10.0.0.5"), "DBMSSOCN,10.0.0.5,1533");
  EXPECT_TRUE(messages->Boxes.isEmpty());
}

TEST(DipTest, OtherLineCountsGiveNothingQuietly) {
  TScratchHome home;
  TMessageScript messages;
  for (const QByteArray& body :
       {QByteArray("a\r\nb\r\nc\r\nd"), QByteArray("a\nb\nc\nd\ne\nf"), QByteArray("")}) {
    DipServer server(200, body);
    EXPECT_EQ(Fetch(server), "");
  }
  EXPECT_TRUE(messages->Boxes.isEmpty());
}

TEST(DipTest, FailedRequestTellsTheOperator) {
  TScratchHome home;
  TMessageScript messages;
  DipServer server(500, "a\nb\nc\nd\ne");
  EXPECT_EQ(Fetch(server), "");
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_EQ(messages->LastText(), "\r\n无法获得DIP连接信息,请检查网络是否畅通.\t");
}

}  // namespace
