#include "ui/grid/GridDelegate.h"

#include <QLineEdit>
#include <QPersistentModelIndex>

QWidget* TGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  const QPersistentModelIndex edited(index);
  connect(editor, &QLineEdit::textEdited, this, [this, edited] {
    if (edited.isValid()) emit const_cast<TGridDelegate*>(this)->EditTextChanged(edited);
  });
  return editor;
}

void TGridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (drawHook_) drawHook_(*option, index);
}
