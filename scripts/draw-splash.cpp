// Draws resources/splash.jpg, the start-up picture (386 by 271 pixels). The progress line of the
// splash stands on the dark band at the bottom, the cancel button at its right.
//   g++ -std=c++20 -fPIC scripts/draw-splash.cpp -o /tmp/draw-splash $(pkg-config --cflags --libs
//   Qt6Gui) QT_QPA_PLATFORM=offscreen /tmp/draw-splash resources/splash.jpg
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

static void Card(QPainter& p, const QRectF& r, const QColor& a, const QColor& b, qreal angle) {
  p.save();
  p.translate(r.center());
  p.rotate(angle);
  QRectF c(-r.width() / 2, -r.height() / 2, r.width(), r.height());
  // shadow
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(c.translated(3, 4), 9, 9);
  QLinearGradient g(c.topLeft(), c.bottomRight());
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  p.setBrush(g);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.drawRoundedRect(c, 9, 9);
  // chip
  QRectF chip(c.left() + 14, c.top() + 26, 24, 18);
  QLinearGradient cg(chip.topLeft(), chip.bottomRight());
  cg.setColorAt(0, QColor(0xf7, 0xe0, 0x9a));
  cg.setColorAt(1, QColor(0xc9, 0x9a, 0x3c));
  p.setBrush(cg);
  p.setPen(QPen(QColor(0x8a, 0x66, 0x20), 0.8));
  p.drawRoundedRect(chip, 3, 3);
  p.drawLine(QPointF(chip.left(), chip.center().y()), QPointF(chip.right(), chip.center().y()));
  p.drawLine(QPointF(chip.center().x(), chip.top()), QPointF(chip.center().x(), chip.bottom()));
  // number
  QFont f("DejaVu Sans Mono");
  f.setPixelSize(10);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(255, 255, 255, 220));
  p.drawText(QRectF(c.left() + 14, c.bottom() - 30, c.width() - 20, 14), Qt::AlignLeft,
             "8808 2013 0115 0001");
  // star badge
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  QPainterPath star;
  const QPointF o(c.right() - 24, c.top() + 24);
  for (int i = 0; i < 10; ++i) {
    const qreal rad = i % 2 ? 4.5 : 10;
    const qreal ang = -M_PI / 2 + i * M_PI / 5;
    const QPointF pt(o.x() + rad * std::cos(ang), o.y() + rad * std::sin(ang));
    if (i == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  p.drawPath(star);
  p.restore();
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const int W = 386, H = 271, band = 198;
  QImage img(W, H, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient sky(0, 0, W, band);
  sky.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
  sky.setColorAt(1, QColor(0x2f, 0x8f, 0xc4));
  p.fillRect(QRect(0, 0, W, band), sky);
  // soft light
  QRadialGradient glow(QPointF(300, 40), 220);
  glow.setColorAt(0, QColor(255, 255, 255, 70));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRect(0, 0, W, band), glow);
  // faint arcs
  p.setPen(QPen(QColor(255, 255, 255, 28), 14));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(330, 250), 150, 150);
  p.setPen(QPen(QColor(255, 255, 255, 18), 8));
  p.drawEllipse(QPointF(330, 250), 190, 190);

  Card(p, QRectF(208, 54, 140, 88), QColor(0x6b, 0x3f, 0xa0), QColor(0x3a, 0x23, 0x6b), -12);
  Card(p, QRectF(220, 82, 140, 88), QColor(0xf0, 0xa5, 0x2c), QColor(0xc8, 0x5a, 0x1a), 6);

  // title
  QFont title("WenQuanYi Micro Hei");
  title.setPixelSize(27);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 70));
  p.drawText(QPointF(24 + 1, 82 + 2), QString::fromUtf8("泰沃会员"));
  p.drawText(QPointF(24 + 1, 118 + 2), QString::fromUtf8("管理系统"));
  p.setPen(Qt::white);
  p.drawText(QPointF(24, 82), QString::fromUtf8("泰沃会员"));
  p.drawText(QPointF(24, 118), QString::fromUtf8("管理系统"));
  QFont sub("WenQuanYi Micro Hei");
  sub.setPixelSize(13);
  p.setFont(sub);
  p.setPen(QColor(0xdc, 0xec, 0xfa));
  p.drawText(QPointF(26, 148), QString::fromUtf8("会员 · 储值 · 积分 · 礼品"));
  QFont ver("WenQuanYi Micro Hei");
  ver.setPixelSize(11);
  p.setFont(ver);
  p.setPen(QColor(0xb8, 0xd4, 0xee));
  p.drawText(QPointF(26, 172), QString::fromUtf8("网络版 1.0"));

  // dark band for the progress line
  QLinearGradient dark(0, band, 0, H);
  dark.setColorAt(0, QColor(0x16, 0x2c, 0x4f));
  dark.setColorAt(1, QColor(0x0e, 0x1d, 0x36));
  p.fillRect(QRect(0, band, W, H - band), dark);
  p.fillRect(QRect(0, band, W, 2), QColor(0xf0, 0xa5, 0x2c));
  p.setFont(ver);
  p.setPen(QColor(0x7f, 0x93, 0xb5));
  p.drawText(QPointF(8, H - 10), QString::fromUtf8("版权所有 © 2003-2013"));
  p.end();
  return img.save(argv[1], "JPG", 92) ? 0 : 1;
}
