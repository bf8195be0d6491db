#pragma once

#include <QStyledItemDelegate>
#include <functional>

// Paints and edits the cells of a grid: a hook may change a cell's look before it is painted,
// and edits happen in a plain text editor that reports every change of its text.
class TGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using TDrawHook = std::function<void(QStyleOptionViewItem& option, const QModelIndex& index)>;

  explicit TGridDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}
  void SetDrawHook(TDrawHook hook) { drawHook_ = std::move(hook); }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;

 signals:
  void EditTextChanged(const QModelIndex& index);

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  TDrawHook drawHook_;
};
