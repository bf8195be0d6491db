#include "ui/operators/LoginFrm.h"

#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "core/base/Product.h"
#include "core/config/Configer.h"
#include "core/operators/Login.h"
#include "core/operators/OperatorSet.h"
#include "ui/forms/FormFont.h"
#include "ui/forms/PasswordEdit.h"

namespace {

const QSize kClientSize(351, 226);
constexpr int kBandHeight = 60;
constexpr int kEditHeight = 21;
constexpr int kTitlePixels = 16;

// The heading icon: a key.
QPixmap KeyPicture() {
  QPixmap pixmap(39, 33);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x8a, 0x62, 0x10), 1.5));
  p.setBrush(QColor(0xf2, 0xc1, 0x4e));
  p.drawEllipse(QRectF(3, 8, 16, 16));
  QPainterPath shaft;
  shaft.addRect(QRectF(18, 14, 18, 4));
  shaft.addRect(QRectF(28, 18, 3, 5));
  shaft.addRect(QRectF(33, 18, 3, 7));
  p.drawPath(shaft.simplified());
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(7, 13, 6, 6));
  return pixmap;
}

// The heading picture: two operators in front of a counter.
QPixmap HeadingPicture() {
  QPixmap pixmap(106, 57);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient glow(0, 0, 106, 0);
  glow.setColorAt(0, QColor(255, 255, 255, 0));
  glow.setColorAt(1, QColor(0xd6, 0xe6, 0xf7));
  p.fillRect(pixmap.rect(), glow);
  const auto person = [&p](qreal x, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(x, 10, 16, 16));
    p.drawRoundedRect(QRectF(x - 6, 28, 28, 26), 10, 10);
  };
  person(46, QColor(0x7f, 0xa7, 0xd8));
  person(72, QColor(0x4a, 0x7f, 0xc1));
  p.setBrush(QColor(0x2a, 0x4f, 0x80));
  p.drawRect(QRectF(30, 48, 76, 9));
  return pixmap;
}

QLabel* NewLabel(const QString& text, const char* name, QWidget* parent, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

TLoginFrm::TLoginFrm(QWidget* parent) : TADlgFrm(parent) {
  setObjectName(QStringLiteral("LoginFrm"));
  setWindowTitle(QStringLiteral("登陆"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(kClientSize);
  BuildHeading(ClientPanel());
  BuildEntries(ClientPanel());
  FillLoginIds();
  const QString lastLoginId = TConfiger::ReadLastLoginId();
  edtLoginId1->setEditText(lastLoginId.isEmpty() ? QString::fromLatin1(kSuperUserId) : lastLoginId);

  setTabOrder(edtPassword1, edtLoginId1);
  setTabOrder(edtLoginId1, OkBtn1);
  setTabOrder(OkBtn1, CancelBtn1);
  setTabOrder(CancelBtn1, HelpBtn1);
  edtPassword1->setFocus();
  connect(edtPassword1, &QLineEdit::returnPressed, OkBtn1, &QPushButton::click);
}

void TLoginFrm::BuildHeading(QWidget* panel) {
  Shape1 = new QFrame(panel);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameShape(QFrame::NoFrame);
  Shape1->setGeometry(0, 0, kClientSize.width(), kBandHeight);
  QPalette band = Shape1->palette();
  band.setColor(QPalette::Window, Qt::white);
  Shape1->setPalette(band);
  Shape1->setAutoFillBackground(true);

  Image2 = new QLabel(panel);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(10, 13, 39, 33);
  Image2->setAlignment(Qt::AlignCenter);
  Image2->setPixmap(KeyPicture());

  Label3 = new QLabel(AppTitle, panel);
  Label3->setObjectName(QStringLiteral("Label3"));
  QFont title = FormFont();
  title.setPixelSize(kTitlePixels);
  title.setBold(true);
  Label3->setFont(title);
  Label3->move(50, 22);
  Label3->adjustSize();

  Image1 = new QLabel(panel);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(kClientSize.width() - 106, 2, 106, 57);
  Image1->setPixmap(HeadingPicture());

  Bevel1 = new QFrame(panel);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(0, kBandHeight, kClientSize.width(), 2);
}

void TLoginFrm::BuildEntries(QWidget* panel) {
  Label5 = NewLabel(QStringLiteral("请输入您的用户名和密码:"), "Label5", panel, 93, 84);
  Label1 = NewLabel(QStringLiteral("用户名(&U)"), "Label1", panel, 29, 108);
  edtLoginId1 = new QComboBox(panel);
  edtLoginId1->setObjectName(QStringLiteral("edtLoginId1"));
  edtLoginId1->setEditable(true);
  // Typing picks nothing new into the list, and login ids compare exactly.
  edtLoginId1->setInsertPolicy(QComboBox::NoInsert);
  if (QCompleter* completer = edtLoginId1->completer())
    completer->setCaseSensitivity(Qt::CaseSensitive);
  edtLoginId1->setGeometry(93, 106, 200, kEditHeight);
  Label1->setBuddy(edtLoginId1);

  Label2 = NewLabel(QStringLiteral("密码(&P)"), "Label2", panel, 29, 143);
  edtPassword1 = new QLineEdit(panel);
  edtPassword1->setObjectName(QStringLiteral("edtPassword1"));
  ShowAsStars(edtPassword1);
  edtPassword1->setGeometry(93, 141, 200, kEditHeight);
  Label2->setBuddy(edtPassword1);
}

void TLoginFrm::FillLoginIds() {
  TOperatorSet operators;
  const QString ids = operators.JoinValues(operators.UserIdField(), QStringLiteral("\r\n"));
  if (!ids.isEmpty()) edtLoginId1->addItems(ids.split(QStringLiteral("\r\n")));
}

bool TLoginFrm::OkBtn1Click() {
  if (LogIn(operator_, edtLoginId1->currentText(), edtPassword1->text())) {
    TConfiger::WriteLastLoginId(gOperator->LoginId);
    return true;
  }
  edtPassword1->setFocus();
  edtPassword1->selectAll();
  return false;
}

bool RunLoginDialog() {
  TLoginFrm dialog;
  return dialog.exec() == QDialog::Accepted;
}

bool LoginStep(bool firstStart, const QStringList& arguments) {
  return RunLoginStep(firstStart, arguments, RunLoginDialog);
}
