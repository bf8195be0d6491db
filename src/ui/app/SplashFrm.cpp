#include "ui/app/SplashFrm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "core/base/AppPaths.h"
#include "ui/forms/FormFont.h"

namespace {
const QSize kClientSize(386, 271);
}

TSplashFrm::TSplashFrm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("SplashFrm"));
  setFixedSize(kClientSize.width() + 2, kClientSize.height() + 2);
  setStyleSheet(QStringLiteral("TSplashFrm { border: 1px solid palette(dark); }"));
  setAttribute(Qt::WA_StyledBackground);
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->move(1, 1);
  const QString picture = TAppPaths::FindShared(QStringLiteral("splash.jpg"));
  QPixmap pixmap;
  if (!picture.isEmpty() && pixmap.load(picture)) {
    Image1->setPixmap(pixmap);
    Image1->setFixedSize(kClientSize.width(), pixmap.height());
  } else {
    Image1->hide();
  }

  Label1 = new QLabel(QStringLiteral("正在创建数据连接..."), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(FormFont());
  Label1->setAttribute(Qt::WA_TranslucentBackground);
  Label1->setStyleSheet(QStringLiteral("color: silver; background: transparent;"));
  Label1->setGeometry(1 + 5, 1 + 207, kClientSize.width() - 10, 16);
  Label1->raise();

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

void TSplashFrm::ShowHint(const QString& text) {
  Label1->setText(text.isEmpty() ? Label1->text() + u'.' : text);
  Label1->repaint();
}
