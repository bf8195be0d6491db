#include "ui/app/SplashFrm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "core/base/AppPaths.h"
#include "core/db/ServerProbe.h"
#include "ui/forms/FormFont.h"

namespace {
const QSize kClientSize(386, 271);
const QRect kHintRect(5, 207, 376, 18);
const QRect kCancelRect(386 - 75 - 10, 271 - 25 - 10, 75, 25);
// The progress line stands on the picture's dark band in silver; without the picture, on the
// plain window, in dark grey.
constexpr char kHintOnPicture[] = "silver";
constexpr char kHintOnPlain[] = "#404040";
}  // namespace

TSplashFrm::TSplashFrm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("SplashFrm"));
  setFixedSize(kClientSize.width() + 2, kClientSize.height() + 2);
  setStyleSheet(QStringLiteral("TSplashFrm { border: 1px solid palette(dark); }"));
  setAttribute(Qt::WA_StyledBackground);
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setFont(FormFont());

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
  Label1->setAttribute(Qt::WA_TranslucentBackground);
  Label1->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                            .arg(QLatin1String(HasPicture() ? kHintOnPicture : kHintOnPlain)));
  Label1->setGeometry(kHintRect.translated(1, 1));
  Label1->raise();

  btnCancel1 = new QPushButton(QStringLiteral("取消"), this);
  btnCancel1->setObjectName(QStringLiteral("btnCancel1"));
  btnCancel1->setGeometry(kCancelRect.translated(1, 1));
  btnCancel1->setAutoDefault(false);
  btnCancel1->hide();

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

bool TSplashFrm::HasPicture() const {
  return !Image1->isHidden();
}

void TSplashFrm::ShowHint(const QString& text) {
  Label1->setText(text.isEmpty() ? Label1->text() + u'.' : text);
  Label1->repaint();
}

void TSplashFrm::WatchProbe(TServerProbe* probe) {
  connect(btnCancel1, &QPushButton::clicked, probe, &TServerProbe::Cancel);
  connect(probe, &TServerProbe::Started, this, [this] {
    btnCancel1->show();
    btnCancel1->raise();
  });
  connect(probe, &TServerProbe::Finished, btnCancel1, &QWidget::hide);
}
