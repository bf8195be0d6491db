#include "ui/controls/QdLabel.h"

#include "core/base/Formats.h"
#include "core/base/Variants.h"
#include "core/grid/EditConversions.h"

QVariant TqdLabel::AsDateTime() const {
  return TEditText::TryDateTime(text());
}

void TqdLabel::SetAsDateTime(const QVariant& value) {
  setText(VarIsNull(value) ? QString() : FormatDateTime(VarToDateTime(value)));
}

QVariant TqdLabel::AsFloat() const {
  return TEditText::TryNumber(text());
}

void TqdLabel::SetAsFloat(const QVariant& value) {
  setText(VarIsNull(value) ? QString() : TEditText::GeneralNumber(VarToFloat(value)));
}
