#include "ui/forms/PubFrm.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

#include "ui/forms/FormFont.h"

TPubFrm* gPubFrm = nullptr;

namespace {

const QColor kGreen(0x2e, 0x9b, 0x3c);
const QColor kRed(0xd0, 0x32, 0x2b);
const QColor kBlue(0x2f, 0x6d, 0xb5);
const QColor kYellow(0xf2, 0xc1, 0x4e);
const QColor kDark(0x44, 0x44, 0x44);
const QColor kPaper(0xfa, 0xfa, 0xfa);

QPen Pen(const QColor& colour, qreal width = 1.6) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Document(QPainter& p) {
  p.setPen(Pen(kDark, 1));
  p.setBrush(kPaper);
  p.drawRect(QRectF(3.5, 1.5, 9, 13));
  p.drawLine(QPointF(5.5, 5), QPointF(10.5, 5));
  p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
  p.setPen(Pen(colour, 2));
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
  const QPointF n(-d.y(), d.x());
  p.drawLine(to, to - d * 3.5 + n * 3);
  p.drawLine(to, to - d * 3.5 - n * 3);
}

void Folder(QPainter& p, bool open) {
  p.setPen(Pen(QColor(0xb0, 0x84, 0x1e), 1));
  p.setBrush(kYellow);
  p.drawRect(QRectF(1.5, 4.5, 13, 9));
  p.drawRect(QRectF(1.5, 3, 5, 2));
  if (open) {
    p.setBrush(QColor(0xf8, 0xdc, 0x8c));
    QPolygonF flap({{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13, 13.5}});
    p.drawPolygon(flap);
  }
}

using TPainterFn = std::function<void(QPainter&)>;

QList<TPainterFn> Pictures() {
  return {
      // 0 add
      [](QPainter& p) {
        p.setPen(Pen(kGreen, 3));
        p.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
        p.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
      },
      // 1 delete
      [](QPainter& p) {
        p.setPen(Pen(kRed, 2.6));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
      },
      // 2 save
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1));
        p.setBrush(kBlue);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 2.5, 7, 4));
        p.drawRect(QRectF(5, 9.5, 6, 4));
      },
      // 3 find
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1.8));
        p.setBrush(QColor(0xdd, 0xee, 0xff));
        p.drawEllipse(QPointF(6.5, 6.5), 4, 4);
        p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
      },
      // 4 open
      [](QPainter& p) { Folder(p, true); },
      // 5 root of a category tree
      [](QPainter& p) {
        p.setPen(Pen(kBlue, 1.2));
        p.setBrush(QColor(0xcf, 0xe3, 0xf8));
        p.drawEllipse(QPointF(8, 8), 6, 6);
        p.drawEllipse(QPointF(8, 8), 2.5, 6);
        p.drawLine(QPointF(2, 8), QPointF(14, 8));
      },
      // 6 exit
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1));
        p.setBrush(QColor(0xc8, 0x9a, 0x5a));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        Arrow(p, {7, 8}, {15, 8}, kRed);
      },
      // 7 help
      [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(8, 8), 7, 7);
        p.setPen(Qt::white);
        QFont font = p.font();
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
      },
      // 8 print
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(0x9a, 0xa3, 0xad));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
      },
      // 9 previous
      [](QPainter& p) {
        Arrow(p, {13, 8}, {3, 8}, kBlue);
      },
      // 10 next
      [](QPainter& p) {
        Arrow(p, {3, 8}, {13, 8}, kBlue);
      },
      // 11 export
      [](QPainter& p) {
        Document(p);
        Arrow(p, {8, 11}, {15, 11}, kGreen);
      },
      // 12 import
      [](QPainter& p) {
        Document(p);
        Arrow(p, {15, 11}, {8, 11}, kBlue);
      },
      // 13 sort
      [](QPainter& p) {
        Arrow(p, {5, 14}, {5, 2}, kBlue);
        Arrow(p, {11, 2}, {11, 14}, kGreen);
      },
      // 14 filter
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1));
        p.setBrush(kBlue);
        p.drawPolygon(
            QPolygonF({{1.5, 2.5}, {14.5, 2.5}, {9.5, 8.5}, {9.5, 14}, {6.5, 12.5}, {6.5, 8.5}}));
      },
      // 15 edit
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1));
        p.setBrush(kYellow);
        p.drawPolygon(QPolygonF({{3, 13}, {3.5, 10}, {11, 2.5}, {13.5, 5}, {6, 12.5}}));
        p.drawLine(QPointF(2, 14.5), QPointF(14, 14.5));
      },
      // 16 refresh
      [](QPainter& p) {
        p.setPen(Pen(kGreen, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 280 * 16);
        p.drawLine(QPointF(13, 2.5), QPointF(13, 6.5));
        p.drawLine(QPointF(13, 6.5), QPointF(9, 6.5));
      },
      // 17 member
      [](QPainter& p) {
        p.setPen(Pen(kBlue, 1));
        p.setBrush(QColor(0xcf, 0xe3, 0xf8));
        p.drawEllipse(QPointF(8, 5), 3, 3);
        p.drawChord(QRectF(2.5, 9, 11, 10), 0, 180 * 16);
      },
      // 18 card
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 1.5, 1.5);
        p.fillRect(QRectF(2, 6, 12, 2), kDark);
      },
      // 19 settings
      [](QPainter& p) {
        p.setPen(Pen(kDark, 2.4));
        for (int i = 0; i < 8; ++i) {
          const qreal a = i * M_PI / 4;
          p.drawLine(QPointF(8 + 4 * std::cos(a), 8 + 4 * std::sin(a)),
                     QPointF(8 + 6.5 * std::cos(a), 8 + 6.5 * std::sin(a)));
        }
        p.setPen(Pen(kDark, 1));
        p.setBrush(QColor(0x9a, 0xa3, 0xad));
        p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
      },
      // 20 money
      [](QPainter& p) {
        p.setPen(Pen(QColor(0xb0, 0x84, 0x1e), 1));
        p.setBrush(kYellow);
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.setPen(Pen(QColor(0x8a, 0x5a, 0x00), 1.4));
        p.drawLine(QPointF(5, 4), QPointF(8, 8));
        p.drawLine(QPointF(11, 4), QPointF(8, 8));
        p.drawLine(QPointF(8, 8), QPointF(8, 12.5));
        p.drawLine(QPointF(5.5, 9), QPointF(10.5, 9));
      },
      // 21 gift
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1));
        p.setBrush(kRed);
        p.drawRect(QRectF(2.5, 6.5, 11, 8));
        p.drawRect(QRectF(1.5, 4.5, 13, 3));
        p.fillRect(QRectF(7, 4.5, 2, 10), kYellow);
      },
      // 22 list
      [](QPainter& p) {
        p.setPen(Pen(kDark, 1.4));
        for (int y : {4, 8, 12}) {
          p.drawPoint(QPointF(3, y));
          p.drawLine(QPointF(6, y), QPointF(14, y));
        }
      },
      // 23 category node
      [](QPainter& p) { Folder(p, false); },
      // 24 category node, selected
      [](QPainter& p) { Folder(p, true); },
      // 25 information
      [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(8, 8), 7, 7);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 4.5), 1.3, 1.3);
        p.drawRect(QRectF(7, 7, 2, 5.5));
      },
  };
}

}  // namespace

TPubFrm::TPubFrm(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("PubFrm"));
  for (const TPainterFn& paint : Pictures()) ImageList1.Add(Paint(QSize(16, 16), paint));
}

QPixmap TPubFrm::Paint(const QSize& size, const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paint(painter);
  return pixmap;
}

QIcon TPubFrm::ToolbarPicture(int index) {
  static const QColor colours[kToolbarPictureCount] = {QColor(200, 60, 60), QColor(90, 90, 90),
                                                       QColor(40, 130, 60), QColor(40, 90, 170),
                                                       QColor(210, 140, 20)};
  static const char16_t* const glyphs[kToolbarPictureCount] = {u"礼", u"出", u"充", u"商", u"提"};
  if (index < 0 || index >= kToolbarPictureCount) return {};
  return QIcon(Paint(QSize(32, 32), [index](QPainter& p) {
    p.setBrush(colours[index]);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(2, 2, 28, 28, 6, 6);
    p.setPen(Qt::white);
    QFont font = FormFont();
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(2, 2, 28, 28), Qt::AlignCenter, QString::fromUtf16(glyphs[index]));
  }));
}

QPixmap TPubFrm::KeyPicture() {
  return Paint(QSize(39, 33), [](QPainter& p) {
    p.setPen(QPen(QColor(0x8a, 0x62, 0x10), 1.5));
    p.setBrush(QColor(0xf2, 0xc1, 0x4e));
    p.drawEllipse(QRectF(3, 8, 16, 16));
    QPainterPath shaft;
    shaft.addRect(QRectF(18, 14, 18, 4));
    shaft.addRect(QRectF(28, 18, 3, 5));
    shaft.addRect(QRectF(33, 18, 3, 7));
    p.drawPath(shaft.simplified());
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 13, 6, 6));
  });
}

QPixmap TPubFrm::CounterPicture() {
  return Paint(QSize(106, 57), [](QPainter& p) {
    QLinearGradient glow(0, 0, 106, 0);
    glow.setColorAt(0, QColor(255, 255, 255, 0));
    glow.setColorAt(1, QColor(0xd6, 0xe6, 0xf7));
    p.fillRect(QRect(0, 0, 106, 57), glow);
    const auto person = [&p](qreal x, const QColor& colour) {
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawEllipse(QRectF(x, 10, 16, 16));
      p.drawRoundedRect(QRectF(x - 6, 28, 28, 26), 10, 10);
    };
    person(46, QColor(0x7f, 0xa7, 0xd8));
    person(72, QColor(0x4a, 0x7f, 0xc1));
    p.setBrush(QColor(0x2a, 0x4f, 0x80));
    p.drawRect(QRectF(30, 48, 76, 9));
  });
}

QPixmap TPubFrm::DatabaseWarningPicture() {
  return Paint(QSize(72, 72), [](QPainter& p) {
    const QColor body(0x4a, 0x7f, 0xc1);
    const QColor top(0x8d, 0xb6, 0xe6);
    const QPen outline(QColor(0x2a, 0x4f, 0x80), 1.5);
    p.setPen(outline);
    p.setBrush(body);
    p.drawRect(QRectF(8, 14, 44, 40));
    p.drawEllipse(QRectF(8, 46, 44, 16));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(8.75, 40, 42.5, 14));
    p.setPen(outline);
    p.setBrush(top);
    p.drawEllipse(QRectF(8, 6, 44, 16));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({{52, 38}, {68, 66}, {36, 66}}));
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 47), QPointF(52, 56));
    p.drawPoint(QPointF(52, 61.5));
  });
}

void TPubFrm::PaintTitleBanner(QPainter& painter, const QSize& size) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  // A soft blue wash fading to white, with a small emblem left of the title.
  QLinearGradient wash(0, 0, size.width(), 0);
  wash.setColorAt(0, QColor(0xd6, 0xe6, 0xf7));
  wash.setColorAt(0.6, Qt::white);
  painter.fillRect(QRect(0, 0, size.width(), size.height() - 2), wash);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBlue);
  painter.drawEllipse(QRect(14, 13, 24, 24));
  painter.setBrush(Qt::white);
  for (int y : {20, 24, 28}) painter.drawRect(QRect(21, y, 10, 2));
  // The line below the banner.
  QLinearGradient line(0, 0, size.width(), 0);
  line.setColorAt(0, kBlue);
  line.setColorAt(1, QColor(0xd6, 0xe6, 0xf7));
  painter.fillRect(QRect(0, size.height() - 2, size.width(), 2), line);
  painter.restore();
}
