#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A loopback port where a server listens but never answers a new connection: its accept queue
// holds one connection that is never taken, so the kernel drops every further request and a
// client waits as for a server that is switched off or behind a firewall.
class TSilentPort {
 public:
  TSilentPort() {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    socklen_t size = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(listener_, 0) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
      return;
    port_ = ntohs(address.sin_port);
    filler_ = socket(AF_INET, SOCK_STREAM, 0);
    if (filler_ < 0 || connect(filler_, reinterpret_cast<sockaddr*>(&address), size) != 0)
      port_ = 0;
  }
  ~TSilentPort() {
    if (filler_ >= 0) close(filler_);
    if (listener_ >= 0) close(listener_);
  }
  TSilentPort(const TSilentPort&) = delete;
  TSilentPort& operator=(const TSilentPort&) = delete;

  // Zero when the port could not be set up.
  int Port() const { return port_; }

 private:
  int listener_ = -1;
  int filler_ = -1;
  int port_ = 0;
};
