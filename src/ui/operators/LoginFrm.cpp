#include "ui/operators/LoginFrm.h"

#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/Product.h"
#include "core/config/Configer.h"
#include "core/operators/Login.h"
#include "core/operators/OperatorSet.h"
#include "ui/forms/FormFont.h"
#include "ui/forms/FormLayout.h"
#include "ui/forms/PasswordEdit.h"
#include "ui/forms/PubFrm.h"
#include "ui/operators/SuperUserPasswordFrm.h"

namespace {

const QSize kClientSize(351, 226);
constexpr int kBandHeight = 60;
constexpr int kTitlePixels = 16;
// The entries line up under the note, with room to their right.
constexpr QMargins kEntryMargins(29, 12, 58, 8);

}  // namespace

TLoginFrm::TLoginFrm(QWidget* parent) : TADlgFrm(parent) {
  setObjectName(QStringLiteral("LoginFrm"));
  setWindowTitle(QStringLiteral("登陆"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(kClientSize);
  auto* column = new QVBoxLayout(ClientPanel());
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(BuildHeading());
  column->addWidget(BuildEntries(), 1);
  FillLoginIds();
  const QString lastLoginId = TConfiger::ReadLastLoginId();
  edtLoginId1->setEditText(lastLoginId.isEmpty() ? QString::fromLatin1(kSuperUserId) : lastLoginId);

  // Tab and Enter go down the form: the login id, then the password, where Enter logs in. The
  // login id is usually the last one used, so the password takes the focus first.
  setTabOrder(edtLoginId1, edtPassword1);
  setTabOrder(edtPassword1, OkBtn1);
  setTabOrder(OkBtn1, CancelBtn1);
  setTabOrder(CancelBtn1, HelpBtn1);
  edtPassword1->setFocus();
}

QWidget* TLoginFrm::BuildHeading() {
  auto* heading = new QWidget(ClientPanel());
  heading->setFixedHeight(kBandHeight + 2);
  Shape1 = new QFrame(heading);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameShape(QFrame::NoFrame);
  Shape1->setGeometry(0, 0, kClientSize.width(), kBandHeight);
  QPalette band = Shape1->palette();
  band.setColor(QPalette::Window, Qt::white);
  Shape1->setPalette(band);
  Shape1->setAutoFillBackground(true);

  Image2 = new QLabel(heading);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(10, 13, 39, 33);
  Image2->setAlignment(Qt::AlignCenter);
  Image2->setPixmap(TPubFrm::KeyPicture());

  Image1 = new QLabel(heading);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(kClientSize.width() - 106, 2, 106, 57);
  Image1->setPixmap(TPubFrm::CounterPicture());

  Label3 = new QLabel(AppTitle, heading);
  Label3->setObjectName(QStringLiteral("Label3"));
  QFont title = FormFont();
  title.setPixelSize(kTitlePixels);
  title.setBold(true);
  Label3->setFont(title);
  Label3->move(50, 22);
  Label3->adjustSize();

  Bevel1 = new QFrame(heading);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(0, kBandHeight, kClientSize.width(), 2);
  return heading;
}

QWidget* TLoginFrm::BuildEntries() {
  auto* entries = new QWidget(ClientPanel());
  Label5 = new QLabel(QStringLiteral("请输入您的用户名和密码:"), entries);
  Label5->setObjectName(QStringLiteral("Label5"));
  edtLoginId1 = new QComboBox(entries);
  edtLoginId1->setObjectName(QStringLiteral("edtLoginId1"));
  edtLoginId1->setEditable(true);
  // Typing picks nothing new into the list, and login ids compare exactly.
  edtLoginId1->setInsertPolicy(QComboBox::NoInsert);
  if (QCompleter* completer = edtLoginId1->completer())
    completer->setCaseSensitivity(Qt::CaseSensitive);
  edtPassword1 = new QLineEdit(entries);
  edtPassword1->setObjectName(QStringLiteral("edtPassword1"));
  ShowAsStars(edtPassword1);

  TFormLayout form(entries, kEntryMargins);
  form.Row(Label5);
  Label1 = form.Row(QStringLiteral("用户名(&U)"), edtLoginId1).Caption();
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = form.Row(QStringLiteral("密码(&P)"), edtPassword1).Caption();
  Label2->setObjectName(QStringLiteral("Label2"));
  form.Stretch();
  return entries;
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
  if (!RunLoginStep(firstStart, arguments, RunLoginDialog)) return false;
  OfferSuperUserPassword();
  return true;
}
