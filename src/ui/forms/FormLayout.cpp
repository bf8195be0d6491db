#include "ui/forms/FormLayout.h"

#include <QAbstractScrollArea>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {

// A caption beside a control that shows several lines stands at the control's first line.
bool ShowsLines(const QWidget* control) {
  return qobject_cast<const QAbstractScrollArea*>(control) != nullptr;
}

QLabel* NewCaption(const QString& text, QWidget* panel, QWidget* control) {
  auto* caption = new QLabel(text, panel);
  caption->setBuddy(control);
  return caption;
}

bool CanGrow(const QWidget* control) {
  return control->minimumWidth() != control->maximumWidth();
}

}  // namespace

TFormRow& TFormRow::Then(const QString& caption, QWidget* control) {
  if (!caption.isEmpty()) {
    QLabel* label = NewCaption(caption, control->parentWidget(), control);
    line_->addSpacing(TFormLayout::kCaptionSpacing);
    line_->addWidget(label, 0, Qt::AlignVCenter);
  }
  line_->addWidget(control);
  Settle();
  return *this;
}

TFormRow& TFormRow::Then(QWidget* control) {
  return Then(QString(), control);
}

TFormRow& TFormRow::Width(int pixels) {
  for (int i = line_->count() - 1; i >= 0; --i) {
    if (QWidget* control = line_->itemAt(i)->widget()) {
      control->setFixedWidth(pixels);
      break;
    }
  }
  Settle();
  return *this;
}

void TFormRow::Settle() {
  bool grows = false;
  for (int i = line_->count() - 1; i >= 0; --i) {
    QLayoutItem* item = line_->itemAt(i);
    if (item->spacerItem() && (item->expandingDirections() & Qt::Horizontal)) {
      delete line_->takeAt(i);
    } else if (QWidget* control = item->widget()) {
      grows = grows || (CanGrow(control) && !qobject_cast<QLabel*>(control));
    }
  }
  if (!grows) line_->addStretch();
}

TFormLayout::TFormLayout(QWidget* panel, const QMargins& margins)
    : TFormLayout(nullptr, panel, margins) {}

TFormLayout::TFormLayout(QGroupBox* box, QWidget* panel, const QMargins& margins)
    : panel_(panel), box_(box), grid_(new QGridLayout(panel)) {
  grid_->setContentsMargins(margins);
  grid_->setHorizontalSpacing(kCaptionSpacing);
  grid_->setVerticalSpacing(kRowSpacing);
  grid_->setColumnStretch(1, 1);
}

TFormRow TFormLayout::Row(const QString& caption, QWidget* control) {
  return AddRow(caption.isEmpty() ? nullptr : NewCaption(caption, panel_, control), control);
}

TFormRow TFormLayout::Row(QWidget* control) {
  return AddRow(nullptr, control);
}

TFormRow TFormLayout::AddRow(QLabel* caption, QWidget* control) {
  const int row = rows_++;
  if (caption) {
    if (ShowsLines(control)) {
      caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
      caption->setContentsMargins(0, 4, 0, 0);
      grid_->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignTop);
    } else {
      caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  if (ShowsLines(control)) grid_->setRowStretch(row, 1);
  auto* line = new QHBoxLayout;
  line->setSpacing(kCaptionSpacing);
  grid_->addLayout(line, row, 1);
  TFormRow added(caption, line);
  added.Then(control);
  return added;
}

void TFormLayout::Wide(QWidget* control) {
  grid_->addWidget(control, rows_++, 0, 1, 2);
}

TFormLayout TFormLayout::Section(const QString& title, const char* name) {
  auto* box = new QGroupBox(title, panel_);
  box->setObjectName(QLatin1String(name));
  Wide(box);
  return TFormLayout(box, box, kSectionMargins);
}

void TFormLayout::Space(int pixels) {
  grid_->addItem(new QSpacerItem(0, pixels, QSizePolicy::Minimum, QSizePolicy::Fixed), rows_++, 0);
}

void TFormLayout::Stretch() {
  const int row = rows_++;
  grid_->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), row, 0);
  grid_->setRowStretch(row, 1);
}
