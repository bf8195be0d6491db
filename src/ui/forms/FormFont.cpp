#include "ui/forms/FormFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
constexpr int kFormFontPixels = 12;

QString FormFontFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    const QStringList preferred = {QStringLiteral("SimSun"),
                                   QStringLiteral("宋体"),
                                   QStringLiteral("WenQuanYi Micro Hei"),
                                   QStringLiteral("Noto Sans CJK SC"),
                                   QStringLiteral("Noto Serif CJK SC"),
                                   QStringLiteral("AR PL UMing CN")};
    for (const QString& name : preferred)
      if (installed.contains(name, Qt::CaseInsensitive)) return name;
    return QString();
  }();
  return family;
}
}  // namespace

QFont FormFont() {
  QFont font;
  const QString family = FormFontFamily();
  if (!family.isEmpty()) font.setFamily(family);
  font.setPixelSize(kFormFontPixels);
  return font;
}
