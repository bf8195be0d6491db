#pragma once

#include <QString>
#include <memory>

#include "core/base/IniFile.h"

// The kinds of database that cfg.ini can name (the index of the connection dialog's list).
enum TProviderKind {
  kProviderSqlServer = 0,
  kProviderEmbedded = 1,
  kProviderDip = 2,
  kProviderPostgres = 3,
};

// cfg.ini in the home folder: which database the program opens and how, and the last login id.
// The fields are the connection dialog's working copy and reach the file only through Save.
class TConfiger {
 public:
  TConfiger();

  static std::unique_ptr<TIniFile> OpenConfigFile();
  static QString ReadLastLoginId();
  static void WriteLastLoginId(const QString& loginId);
  // The embedded data file used when defaultCon is on: harmoz.db in the home folder.
  static QString DefaultDataFile();
  static QString EmbeddedConnectionString(const QString& dataFile);

  void Save();
  QString GetConnectionString();
  QString FetchDipConnection();
  static void RegisterServerAlias(const QString& server, const QString& port, bool remove);

  QString mssqlServer;
  int mssqlPort = 1433;
  QString mssqlDb;
  QString mssqlUser;
  QString mssqlPw;
  QString jetfile;
  QString jetUser;
  QString jetPw;
  QString dipUrl;
  QString dipUser;
  QString pgServer;
  int pgPort = 5432;
  QString pgDb;
  QString pgUser;
  QString pgPw;
  int providerIdx = kProviderSqlServer;
  bool defaultCon = true;
  // Not stored: when set, saving removes the server's alias instead of pinning it to TCP/IP.
  bool SmartConnect = false;

 private:
  QString ReadScrambled(const QString& key) const;
  void WriteScrambled(const QString& key, const QString& value);
  QString BuildSavedConnectionString() const;

  std::unique_ptr<TIniFile> file_;
};
