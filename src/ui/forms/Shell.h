#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

// The desktop's launches: opening files, folders, web and mail addresses with their default
// applications, and starting programs. Both are fire-and-forget: results are not examined and
// failures show nothing. Tests install a launcher that records what would have been started.
class ILauncher {
 public:
  virtual ~ILauncher() = default;
  virtual void OpenUrl(const QUrl& url) = 0;
  virtual void StartProgram(const QString& program, const QStringList& arguments) = 0;
};

class TShell {
 public:
  static void OpenUrl(const QUrl& url);
  static void OpenFile(const QString& path);
  static void StartProgram(const QString& program, const QStringList& arguments = {});
  // The first of the programs that is installed; empty when none is.
  static QString FindProgram(const QStringList& candidates);
  // Installs a launcher; none restores the desktop's. Returns the previous one.
  static std::unique_ptr<ILauncher> InstallLauncher(std::unique_ptr<ILauncher> launcher);
};
