#include "ui/forms/TitleFrame.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "ui/forms/FormFont.h"

namespace {
constexpr int kTitleHeight = 50;
}

TTitle1Fra::TTitle1Fra(QWidget* form, const QString& title) : QFrame(form) {
  setObjectName(QStringLiteral("Title1Fra"));
  setFixedHeight(kTitleHeight);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);

  LblTitle1 = new QLabel(title, this);
  LblTitle1->setObjectName(QStringLiteral("LblTitle1"));
  QFont bold = FormFont();
  bold.setBold(true);
  LblTitle1->setFont(bold);
  LblTitle1->setAttribute(Qt::WA_TranslucentBackground);
  LblTitle1->move(48, 17);
  LblTitle1->adjustSize();

  if (auto* box = qobject_cast<QBoxLayout*>(form->layout()))
    box->insertWidget(0, this);
  else
    setGeometry(0, 0, form->width(), kTitleHeight);
}

void TTitle1Fra::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // The banner: a soft blue wash fading to white, with a small emblem left of the title.
  QLinearGradient wash(0, 0, width(), 0);
  wash.setColorAt(0, QColor(0xd6, 0xe6, 0xf7));
  wash.setColorAt(0.6, Qt::white);
  painter.fillRect(QRect(0, 0, width(), height() - 2), wash);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2f, 0x6d, 0xb5));
  painter.drawEllipse(QRect(14, 13, 24, 24));
  painter.setBrush(Qt::white);
  painter.drawRect(QRect(21, 20, 10, 2));
  painter.drawRect(QRect(21, 24, 10, 2));
  painter.drawRect(QRect(21, 28, 10, 2));
  // The line below the banner.
  QLinearGradient line(0, 0, width(), 0);
  line.setColorAt(0, QColor(0x2f, 0x6d, 0xb5));
  line.setColorAt(1, QColor(0xd6, 0xe6, 0xf7));
  painter.fillRect(QRect(0, height() - 2, width(), 2), line);
}
