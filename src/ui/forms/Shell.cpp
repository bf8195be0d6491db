#include "ui/forms/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace {

class TDesktopLauncher : public ILauncher {
 public:
  void OpenUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
  void StartProgram(const QString& program, const QStringList& arguments) override {
    QProcess::startDetached(program, arguments);
  }
};

std::unique_ptr<ILauncher>& InstalledLauncher() {
  static std::unique_ptr<ILauncher> launcher = std::make_unique<TDesktopLauncher>();
  return launcher;
}

}  // namespace

void TShell::OpenUrl(const QUrl& url) {
  InstalledLauncher()->OpenUrl(url);
}

void TShell::OpenFile(const QString& path) {
  OpenUrl(QUrl::fromLocalFile(path));
}

void TShell::StartProgram(const QString& program, const QStringList& arguments) {
  if (!program.isEmpty()) InstalledLauncher()->StartProgram(program, arguments);
}

QString TShell::FindProgram(const QStringList& candidates) {
  for (const QString& candidate : candidates) {
    const QString path = QStandardPaths::findExecutable(candidate);
    if (!path.isEmpty()) return path;
  }
  return {};
}

std::unique_ptr<ILauncher> TShell::InstallLauncher(std::unique_ptr<ILauncher> launcher) {
  if (!launcher) launcher = std::make_unique<TDesktopLauncher>();
  std::swap(InstalledLauncher(), launcher);
  return launcher;
}
