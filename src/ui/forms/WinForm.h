#pragma once

#include "ui/forms/BaseForm.h"

// A non-modal list window: stays on top and is destroyed when closed, so the next request
// creates a new one.
class TWinFrm : public TaFrm {
  Q_OBJECT
 public:
  explicit TWinFrm(QWidget* parent = nullptr);
};
