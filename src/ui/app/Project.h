#pragma once

#include <QString>

// The shell launches of the help and tools menus. Each is fire-and-forget: a failure shows
// nothing.
class TProject {
 public:
  // The folder of the running executable, without a trailing separator.
  static QString ExeDir();
  static void OpenReadme();
  static void OpenWhatsNew();
  static void OpenWebSite();
  static void MailToSales();
  // The desktop's text editor and calculator.
  static void RunNotepad();
  static void RunCalculator();

  // The maker's addresses: the Maker section of cfg.ini (WebSite, SalesMail), else the defaults.
  static QString WebSite();
  static QString SalesMail();
};
