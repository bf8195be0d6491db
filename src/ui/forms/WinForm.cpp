#include "ui/forms/WinForm.h"

TWinFrm::TWinFrm(QWidget* parent) : TaFrm(parent) {
  setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  resize(638, 437);
}
