#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <functional>

class QPainter;

// A list of 16 by 16 pictures that toolbars and trees refer to by index.
class TImageList {
 public:
  int Count() const { return static_cast<int>(pixmaps_.size()); }
  QPixmap Pixmap(int index) const { return pixmaps_.value(index); }
  QIcon Icon(int index) const { return QIcon(Pixmap(index)); }
  void Add(const QPixmap& pixmap) { pixmaps_ << pixmap; }

 private:
  QList<QPixmap> pixmaps_;
};

// The shared pictures of every window, created once before the main window. Every picture that a
// form paints is painted here: the image list, the main window's toolbar tiles, the pictures of
// the dialogs' headings and the title banner.
class TPubFrm : public QObject {
  Q_OBJECT
 public:
  // The indexes that the windows use.
  enum TImage {
    kAdd = 0,
    kDelete = 1,
    kRoot = 5,
    kExit = 6,
    kPrint = 8,
    kExport = 11,
    kImport = 12,
    kSort = 13,
    kEdit = 15,
    kRefresh = 16,
    kSettings = 19,
    kCategory = 23,
    kCategorySelected = 24,
  };
  static constexpr int kImageCount = 26;
  // The main window's 32 by 32 toolbar pictures: a glyph on a coloured tile each.
  enum TToolbarPicture { kToolGift, kToolExit, kToolCharge, kToolCommodity, kToolHint };
  static constexpr int kToolbarPictureCount = 5;

  explicit TPubFrm(QObject* parent = nullptr);

  // A picture of the size, painted on a transparent ground with smooth edges.
  static QPixmap Paint(const QSize& size, const std::function<void(QPainter&)>& paint);
  static QIcon ToolbarPicture(int index);
  // The login dialog's heading: a key, and two operators at a counter.
  static QPixmap KeyPicture();
  static QPixmap CounterPicture();
  // The connection dialog's picture: a database drum with a warning mark.
  static QPixmap DatabaseWarningPicture();
  // The title banner of list windows, over the whole of the given size.
  static void PaintTitleBanner(QPainter& painter, const QSize& size);

  TImageList ImageList1;
};

extern TPubFrm* gPubFrm;
