#include "ui/app/Project.h"

#include <QUrl>
#include <QUrlQuery>

#include "core/base/AppPaths.h"
#include "core/base/Product.h"
#include "core/config/Configer.h"
#include "ui/forms/Shell.h"

namespace {

constexpr char kMakerSection[] = "Maker";
constexpr char kDefaultWebSite[] = "https://www.harmoz.example.com/";
constexpr char kDefaultSalesMail[] = "sales@harmoz.example.com";

// A shipped text file: next to the executable, else where the shipped files are.
void OpenShippedFile(const QString& name) {
  QString path = TAppPaths::FindShared(name);
  if (path.isEmpty()) path = TProject::ExeDir() + u'/' + name;
  TShell::OpenFile(path);
}

}  // namespace

QString TProject::ExeDir() {
  return TAppPaths::ExeDir();
}

void TProject::OpenReadme() {
  OpenShippedFile(QStringLiteral("readme.txt"));
}

void TProject::OpenWhatsNew() {
  OpenShippedFile(QStringLiteral("whatsnew.txt"));
}

QString TProject::WebSite() {
  return TConfiger::OpenConfigFile()->ReadString(kMakerSection, QStringLiteral("WebSite"),
                                                 QLatin1String(kDefaultWebSite));
}

QString TProject::SalesMail() {
  return TConfiger::OpenConfigFile()->ReadString(kMakerSection, QStringLiteral("SalesMail"),
                                                 QLatin1String(kDefaultSalesMail));
}

void TProject::OpenWebSite() {
  TShell::OpenUrl(QUrl(WebSite()));
}

void TProject::MailToSales() {
  QUrl mail(QStringLiteral("mailto:") + SalesMail());
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("subject"), QStringLiteral("%1 购买咨询").arg(AppTitle));
  mail.setQuery(query);
  TShell::OpenUrl(mail);
}

void TProject::RunNotepad() {
  TShell::StartProgram(TShell::FindProgram(
      {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma", "leafpad"}));
}

void TProject::RunCalculator() {
  TShell::StartProgram(TShell::FindProgram(
      {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"}));
}
