#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>

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

// The shared pictures of every window, created once before the main window.
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

  explicit TPubFrm(QObject* parent = nullptr);

  TImageList ImageList1;
};

extern TPubFrm* gPubFrm;
