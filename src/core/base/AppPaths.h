#pragma once

#include <QString>

// Where the program keeps its files. The home folder holds the files that live beside the program
// (cfg.ini, the default data file, the server aliases): $HARMOZ_HOME when set, else the
// executable's folder when it is writable, else the per-user data folder.
class TAppPaths {
 public:
  static QString HomeDir();
  // The folder of the running executable, without a trailing separator.
  static QString ExeDir();
  // A shipped read-only file (templates, help, tips, pictures): next to the executable, in its
  // resources folder, or in the installed share folder. Empty when it is nowhere.
  static QString FindShared(const QString& relativePath);
  static QString HomeFile(const QString& fileName);
};
