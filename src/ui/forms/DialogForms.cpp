#include "ui/forms/DialogForms.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/Command.h"

namespace {

constexpr int kBandHeight = 48;
const QSize kButtonSize(75, 25);

QPushButton* BandButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setFixedSize(kButtonSize);
  button->setAutoDefault(false);
  return button;
}

// Lays out the client panel above a 48-pixel band whose top line is drawn, the buttons at its
// right; returns the band's top line.
QFrame* LayOutBand(QWidget* form, QWidget* clientPanel, const QList<QPushButton*>& buttons) {
  auto* outer = new QVBoxLayout(form);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  outer->addWidget(clientPanel, 1);

  auto* band = new QWidget(form);
  band->setFixedHeight(kBandHeight);
  auto* bandLayout = new QVBoxLayout(band);
  bandLayout->setContentsMargins(0, 0, 0, 0);
  bandLayout->setSpacing(0);
  auto* bevel = new QFrame(band);
  bevel->setObjectName(QStringLiteral("BgBevel1"));
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  bandLayout->addWidget(bevel);
  auto* row = new QHBoxLayout;
  row->setContentsMargins(8, 0, 8, 0);
  row->setSpacing(8);
  row->addStretch(1);
  for (QPushButton* button : buttons) row->addWidget(button);
  bandLayout->addLayout(row, 1);
  outer->addWidget(band);
  return bevel;
}

}  // namespace

TADlgFrm::TADlgFrm(QWidget* parent) : TaFrm(parent), clientPanel_(new QWidget(this)) {
  OkBtn1 = BandButton(QStringLiteral("确定(&O)"), "OkBtn1", this);
  CancelBtn1 = BandButton(QStringLiteral("取消"), "CancelBtn1", this);
  HelpBtn1 = BandButton(QStringLiteral("帮助"), "HelpBtn1", this);
  BgBevel1 = LayOutBand(this, clientPanel_, {OkBtn1, CancelBtn1, HelpBtn1});
  SetCancelButton(CancelBtn1);
  SetDefaultButton(OkBtn1);
  resize(469, 270);
  connect(OkBtn1, &QPushButton::clicked, this, [this] {
    RunCommand([this] {
      if (OkBtn1Click()) accept();
    });
  });
  connect(CancelBtn1, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn1, &QPushButton::clicked, this, [this] { ShowHelp(); });
}

TAInfoDlgFrm::TAInfoDlgFrm(QWidget* parent) : TaFrm(parent), clientPanel_(new QWidget(this)) {
  CloseBtn1 = BandButton(QStringLiteral("关闭"), "CloseBtn1", this);
  HelpBtn1 = BandButton(QStringLiteral("帮助"), "HelpBtn1", this);
  BgBevel1 = LayOutBand(this, clientPanel_, {CloseBtn1, HelpBtn1});
  SetCancelButton(CloseBtn1);
  resize(469, 265);
  connect(CloseBtn1, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn1, &QPushButton::clicked, this, [this] { ShowHelp(); });
}
