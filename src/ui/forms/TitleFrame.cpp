#include "ui/forms/TitleFrame.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>

#include "ui/forms/FormFont.h"
#include "ui/forms/PubFrm.h"

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
  TPubFrm::PaintTitleBanner(painter, size());
}
