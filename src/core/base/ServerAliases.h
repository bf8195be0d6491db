#pragma once

#include <QString>

// The SQL Server client aliases: a server name pinned to the TCP/IP library at a port, kept in
// the file "sqlalias.ini" of the home folder under [ConnectTo] as "Server=DBMSSOCN,host,port".
class TServerAliases {
 public:
  static QString FileName();
  // Writes the alias of the server (target "server,port", or the server alone without a port),
  // or removes it when remove is set. Silently does nothing when the file cannot be written.
  static void Register(const QString& server, const QString& port, bool remove);
  // The text stored for the server, empty when none.
  static QString Lookup(const QString& server);
};

// The address to connect to for a server name: the alias target ("host,port") when an alias
// exists, else the name itself.
QString ResolveServerAlias(const QString& server);
