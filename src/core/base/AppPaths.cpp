#include "core/base/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString TAppPaths::ExeDir() {
  const QString dir =
      QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
  return QDir::toNativeSeparators(QDir::cleanPath(dir));
}

QString TAppPaths::HomeDir() {
  const QString fromEnvironment = qEnvironmentVariable("HARMOZ_HOME");
  QString dir;
  if (!fromEnvironment.isEmpty()) {
    dir = fromEnvironment;
  } else if (QFileInfo(ExeDir()).isWritable()) {
    dir = ExeDir();
  } else {
    dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  }
  QDir().mkpath(dir);
  return QDir::cleanPath(dir);
}

QString TAppPaths::HomeFile(const QString& fileName) {
  return HomeDir() + u'/' + fileName;
}

QString TAppPaths::FindShared(const QString& relativePath) {
  const QString exeDir = ExeDir();
  const QStringList candidates = {
      exeDir + u'/' + relativePath,
      exeDir + QStringLiteral("/resources/") + relativePath,
      exeDir + QStringLiteral("/../resources/") + relativePath,
      exeDir + QStringLiteral("/../share/harmoz/") + relativePath,
      QStringLiteral(HARMOZ_SOURCE_RESOURCES "/") + relativePath,
  };
  for (const QString& candidate : candidates)
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
  return {};
}
