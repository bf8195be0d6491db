#include "ui/controls/QdDateTimePicker.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>

#include "core/base/Clock.h"
#include "core/base/Variants.h"
#include "ui/controls/FieldBehaviour.h"

namespace {
constexpr int kCheckBoxRoom = 18;
}

TqdDateTimePicker::TqdDateTimePicker(QWidget* parent) : QDateTimeEdit(parent) {
  SetKind(dtkDate);
  setCalendarPopup(true);
  setDateTime(TClock::Now());
}

void TqdDateTimePicker::SetKind(TKind kind) {
  const QDateTime kept = dateTime();
  setDisplayFormat(kind == dtkDate ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("hh:mm:ss"));
  setDateTime(kept);
}

void TqdDateTimePicker::SetShowCheckbox(bool show) {
  if (show == ShowCheckbox()) return;
  if (show) {
    checkBox_ = new QCheckBox(this);
    checkBox_->setFocusPolicy(Qt::NoFocus);
    connect(checkBox_, &QCheckBox::toggled, this, [this] { ShowCheckState(); });
    lineEdit()->setTextMargins(kCheckBoxRoom, 0, 0, 0);
    checkBox_->move(3, (height() - checkBox_->sizeHint().height()) / 2);
    checkBox_->show();
  } else {
    delete checkBox_;
    checkBox_ = nullptr;
    lineEdit()->setTextMargins(0, 0, 0, 0);
  }
  ShowCheckState();
}

bool TqdDateTimePicker::Checked() const {
  return checkBox_ && checkBox_->isChecked();
}

void TqdDateTimePicker::SetChecked(bool checked) {
  if (checkBox_) checkBox_->setChecked(checked);
}

void TqdDateTimePicker::ShowCheckState() {
  // A cleared picker shows its date greyed, as holding no value.
  QPalette colours = lineEdit()->palette();
  colours.setColor(QPalette::Text, Open() ? palette().color(QPalette::Text)
                                          : palette().color(QPalette::Disabled, QPalette::Text));
  lineEdit()->setPalette(colours);
}

QVariant TqdDateTimePicker::AsDateTime() const {
  return Open() ? QVariant(dateTime()) : QVariant();
}

QVariant TqdDateTimePicker::AsDate() const {
  return Open() ? QVariant(date().startOfDay()) : QVariant();
}

void TqdDateTimePicker::SetAsDate(const QVariant& value) {
  const QDateTime given = VarToDateTime(value);
  if (!given.isValid()) {
    setDateTime(TClock::Now());
    SetChecked(false);
    return;
  }
  setDateTime(given);
  SetChecked(true);
}

QVariant TqdDateTimePicker::AsTime() const {
  return Open() ? QVariant(time()) : QVariant();
}

void TqdDateTimePicker::SetAsTime(const QVariant& value) {
  if (value.typeId() == QMetaType::QTime && value.toTime().isValid()) {
    setTime(value.toTime());
    SetChecked(true);
    return;
  }
  const QDateTime given = VarToDateTime(value);
  if (given.isValid()) {
    setDateTime(given);
    SetChecked(true);
  } else if (checkBox_) {
    SetChecked(false);
  } else {
    setDateTime(TClock::Now());
  }
}

void TqdDateTimePicker::focusInEvent(QFocusEvent* event) {
  QDateTimeEdit::focusInEvent(event);
  SetFieldColor(this, kColorAqua);
}

void TqdDateTimePicker::focusOutEvent(QFocusEvent* event) {
  QDateTimeEdit::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason) SetFieldColor(this, kColorWhite);
}

void TqdDateTimePicker::resizeEvent(QResizeEvent* event) {
  QDateTimeEdit::resizeEvent(event);
  if (checkBox_) checkBox_->move(3, (height() - checkBox_->sizeHint().height()) / 2);
}
