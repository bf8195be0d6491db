#include "ui/counter/MainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/base/Command.h"
#include "core/base/Errors.h"
#include "core/base/MessageBox.h"
#include "core/base/Product.h"
#include "core/db/Database.h"
#include "core/domain/Consume.h"
#include "core/lists/Lists.h"
#include "core/operators/Operator.h"
#include "ui/app/Mall.h"
#include "ui/app/Project.h"
#include "ui/controls/QdEdit.h"
#include "ui/controls/QdLabel.h"
#include "ui/controls/QdPopupMenu.h"
#include "ui/forms/PubFrm.h"
#include "ui/grid/QdGridcx.h"
#include "ui/operators/LoginFrm.h"

namespace {

constexpr int kMemberGridKey = 1003;
constexpr int kLineGridKey = 1008;
constexpr int kBillGridKey = 1009;
constexpr int kPickGridKey = 1010;

// The columns a cashier needs come first while no layout is stored; fields a list lacks, or
// does not show, are passed over.
const QStringList kMemberColumns = {"CardNo",  "Name",  "Mobile",  "TypeName", "Balance",
                                    "Consume", "Score", "ValidIf", "Grade"};
const QStringList kBillColumns = {"Biztime", "Shldfund", "Payfund", "Retfund", "Point"};
const QStringList kLineColumns = {"CommNameCalc", "Price", "Qty", "Discount", "Fund"};
constexpr char kGreen[] = "#008000";

TqdLabel* ValueLabel(const char* colour) {
  auto* label = new TqdLabel;
  label->setMinimumWidth(120);
  if (colour) label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
  return label;
}

QPushButton* Button(const QString& caption, std::function<void()> click,
                    QWidget* parent = nullptr) {
  auto* button = new QPushButton(caption, parent);
  QObject::connect(button, &QPushButton::clicked, button, [click] { RunCommand(click); });
  return button;
}

QPushButton* Unavailable(const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setEnabled(false);
  return button;
}

}  // namespace

TmainFrm::TmainFrm(QWidget* parent)
    : TaFrm(parent),
      memberList_(std::make_unique<TMemberList>()),
      billLines_(std::make_unique<TConsumedlSet>()),
      billList_(std::make_unique<TConsumeList>()),
      pickList_(std::make_unique<TMemberList>()) {
  setObjectName(QStringLiteral("mainFrm"));
  setWindowTitle(QStringLiteral("%1 - %2").arg(AppTitle, AppVersion));
  setWindowFlags(Qt::Window);
  setWindowState(Qt::WindowMaximized);
  CreateActions();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(CreateMenu());
  layout->addWidget(CreateToolBar());
  auto* body = new QHBoxLayout;
  body->addWidget(CreateNavigation());
  Panels = new QStackedWidget;
  pnlConsume1 = CreateConsumePanel();
  pnlMemberList1 = CreateMemberPanel();
  Panels->addWidget(pnlConsume1);
  Panels->addWidget(pnlMemberList1);
  body->addWidget(Panels, 1);
  layout->addLayout(body, 1);
  CreatePickPanel();

  edtMemberPickKey1->clear();
  edtMemberKey2->clear();
  btnNull1Click();
  ShowConsumePanel();
}

TmainFrm::~TmainFrm() = default;

QAction* TmainFrm::NewAction(const QString& name, const QString& caption,
                             std::function<void()> command, int picture) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  if (picture >= 0 && gPubFrm) action->setIcon(gPubFrm->ImageList1.Icon(picture));
  if (command)
    connect(action, &QAction::triggered, this, [command] { RunCommand(command); });
  else
    action->setEnabled(false);  // its window has not been built yet
  actions_ << action;
  return action;
}

QAction* TmainFrm::Action(const QString& name) const {
  for (QAction* action : actions_)
    if (action->objectName() == name) return action;
  return nullptr;
}

void TmainFrm::CreateActions() {
  const bool memberEditor = HasMemberEditor();
  const bool billEditor = HasBillEditor();
  NewAction("MemberAddAction1", "添加",
            memberEditor ? std::function<void()>([this] { memberList_->AddRecord(); }) : nullptr,
            TPubFrm::kAdd);
  NewAction("MemberEditAction1", "修改",
            memberEditor ? std::function<void()>([this] { memberList_->EditRecord(); }) : nullptr,
            TPubFrm::kEdit);
  NewAction(
      "MemberDeleteAction1", "删除", [this] { memberList_->DeleteRecord(); }, TPubFrm::kDelete);
  NewAction("ComcataEditAction1", "商品类别", nullptr);
  NewAction("CommodityListAction1", "商品资料", nullptr);
  NewAction("GiftListAction1", "礼品资料", nullptr);
  NewAction("CardChargeAction1", "会卡充值", nullptr);
  NewAction("ConsumeAddAction1", "添加消费",
            billEditor ? std::function<void()>([this] {
              billList_->AddBill(currentMember_);
              RefreshMemberSummary();
            })
                       : nullptr);
  NewAction("ConsumeEditAction1", "修改消费",
            billEditor ? std::function<void()>([this] {
              billList_->EditBill();
              RefreshMemberSummary();
            })
                       : nullptr);
  NewAction("ConsumeDeleteAction1", "删除消费", [this] {
    if (!billList_->DeleteBill()) return;
    // Without a bill left there is no focused row to follow: drop the deleted bill's lines.
    if (billList_->DataSet()->IsEmpty()) billLines_->SetLines({});
    RefreshMemberSummary();
  });
  NewAction("HintListAction1", "提醒服务", nullptr);
}

QMenuBar* TmainFrm::CreateMenu() {
  auto* bar = new QMenuBar(this);
  auto item = [this](QMenu* menu, const QString& caption, std::function<void()> command) {
    QAction* action = menu->addAction(caption);
    if (command)
      connect(action, &QAction::triggered, this, [command] { RunCommand(command); });
    else
      action->setEnabled(false);
  };
  QMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
  item(file, "公司信息", [] { Tmall::EditCompany(); });
  item(file, "操作员及权限", nullptr);
  file->addSeparator();
  item(file, "选项设置", nullptr);
  file->addSeparator();
  item(file, "初始化数据...", nullptr);
  item(file, "备份与恢复", nullptr);
  file->addSeparator();
  item(file, "更改密码", [] { gOperator->ChangePassword(); });
  item(file, "重新登陆", [this] { Login(false); });
  file->addSeparator();
  item(file, "退出系统", [this] { close(); });

  QMenu* records = bar->addMenu(QStringLiteral("资料(&O)"));
  records->addAction(Action("ComcataEditAction1"));
  records->addAction(Action("CommodityListAction1"));
  records->addAction(Action("GiftListAction1"));
  records->addSeparator();
  records->addAction(Action("CardChargeAction1"));

  QMenu* tools = bar->addMenu(QStringLiteral("工具(&T)"));
  item(tools, "记事本", [] { TProject::RunNotepad(); });
  item(tools, "计算器", [] { TProject::RunCalculator(); });

  QMenu* help = bar->addMenu(QStringLiteral("帮助(&H)"));
  item(help, "帮助文件", [this] { ShowHelp(); });
  item(help, "常见问题", nullptr);
  item(help, "每日一贴", nullptr);
  help->addSeparator();
  item(help, "自述文件", [] { TProject::OpenReadme(); });
  item(help, "最新功能", [] { TProject::OpenWhatsNew(); });
  help->addSeparator();
  item(help, "泰沃官方网站", [] { TProject::OpenWebSite(); });
  item(help, "给泰沃发电子邮件...", [] { TProject::MailToSales(); });
  item(help, "在线反馈", nullptr);
  help->addSeparator();
  item(help, "关于...", nullptr);
  return bar;
}

QToolBar* TmainFrm::CreateToolBar() {
  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName(QStringLiteral("ToolBar1"));
  toolBar->setIconSize(QSize(32, 32));
  toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  const struct {
    const char* action;
    int picture;
  } buttons[] = {{"CommodityListAction1", TPubFrm::kToolCommodity},
                 {"GiftListAction1", TPubFrm::kToolGift},
                 {"CardChargeAction1", TPubFrm::kToolCharge},
                 {"HintListAction1", TPubFrm::kToolHint}};
  for (const auto& button : buttons) {
    QAction* action = Action(button.action);
    QToolButton* tool = new QToolButton(toolBar);
    tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tool->setIconSize(QSize(32, 32));
    tool->setText(action->text());
    tool->setIcon(TPubFrm::ToolbarPicture(button.picture));
    tool->setEnabled(action->isEnabled());
    connect(tool, &QToolButton::clicked, action, &QAction::trigger);
    toolBar->addWidget(tool);
  }
  toolBar->addSeparator();
  QAction* exit =
      toolBar->addAction(TPubFrm::ToolbarPicture(TPubFrm::kToolExit), QStringLiteral(" 退出系统 "));
  connect(exit, &QAction::triggered, this, &QWidget::close);
  return toolBar;
}

QWidget* TmainFrm::CreateNavigation() {
  auto* panel = new QWidget;
  panel->setFixedWidth(121);
  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(Button("会员消费", [this] { ShowConsumePanel(); }));
  layout->addWidget(Button("会员管理", [this] { ShowMemberPanel(); }));
  layout->addWidget(Unavailable("充值记录"));
  layout->addStretch();
  return panel;
}

QWidget* TmainFrm::CreateMemberSummary() {
  auto* summary = new QWidget;
  auto* grid = new QGridLayout(summary);
  txtCardNo1 = ValueLabel("red");
  txtMemberName1 = ValueLabel("red");
  txtCardtype1 = ValueLabel("blue");
  txtCardgrade1 = ValueLabel("blue");
  txtCardScore1 = ValueLabel("blue");
  txtBalance1 = ValueLabel("blue");
  txtConsume1 = ValueLabel("blue");
  txtStatus1 = ValueLabel("blue");
  txtCompany1 = ValueLabel(nullptr);
  txtDuty1 = ValueLabel(nullptr);
  txtMobile1 = ValueLabel(nullptr);
  txtBirthdate1 = ValueLabel(nullptr);
  txtLinkaddr1 = ValueLabel(nullptr);
  txtOtherNote1 = ValueLabel(nullptr);
  const std::pair<const char*, TqdLabel*> pairs[] = {
      {"会员卡号:", txtCardNo1},    {"会员姓名:", txtMemberName1}, {"会卡类型:", txtCardtype1},
      {"会员级别:", txtCardgrade1}, {"会员积分:", txtCardScore1},  {"卡内余额:", txtBalance1},
      {"累计消费:", txtConsume1},   {"会员状态:", txtStatus1},     {"工作单位:", txtCompany1},
      {"职务:", txtDuty1},          {"手机号码:", txtMobile1},     {"出生日期:", txtBirthdate1},
      {"联系地址:", txtLinkaddr1},  {"备注:", txtOtherNote1}};
  int index = 0;
  for (const auto& [caption, value] : pairs) {
    const int row = index / 4;
    const int column = (index % 4) * 2;
    grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, column, Qt::AlignRight);
    grid->addWidget(value, row, column + 1);
    ++index;
  }
  return summary;
}

QWidget* TmainFrm::CreateConsumePanel() {
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("pnlConsume1"));
  auto* layout = new QVBoxLayout(panel);

  auto* top = new QWidget;
  top->setFixedHeight(193);
  auto* topLayout = new QVBoxLayout(top);
  auto* search = new QHBoxLayout;
  search->addWidget(new QLabel(QStringLiteral("关键字")));
  edtMemberPickKey1 = new TqdEdit;
  edtMemberPickKey1->setObjectName(QStringLiteral("edtMemberPickKey1"));
  edtMemberPickKey1->installEventFilter(this);
  search->addWidget(edtMemberPickKey1);
  search->addWidget(Button("查询", [this] { btnMemberSearch1Click(); }));
  search->addWidget(Button("浏览", [this] { btnBrowse1Click(); }));
  QPushButton* addMember = Unavailable("新增会员");
  search->addWidget(addMember);
  search->addWidget(Button("置空", [this] { btnNull1Click(); }));
  search->addStretch();
  topLayout->addLayout(search);
  topLayout->addWidget(CreateMemberSummary());
  layout->addWidget(top);

  auto* bar = new QWidget;
  bar->setObjectName(QStringLiteral("pnlConsumeBar1"));
  bar->setAttribute(Qt::WA_StyledBackground);
  bar->setStyleSheet(
      QStringLiteral(
          "#pnlConsumeBar1 { background: %1; } QLabel { color: white; font-size: 15px; }")
          .arg(QLatin1String(kGreen)));
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->addWidget(new QLabel(QStringLiteral("会员消费列表:")));
  barLayout->addStretch();
  barLayout->addWidget(new QLabel(QStringLiteral("会员消费商品清单:")));
  barLayout->addStretch();
  QPushButton* addBill = new QPushButton(QStringLiteral("添加消费"));
  QAction* addBillAction = Action("ConsumeAddAction1");
  addBill->setEnabled(addBillAction->isEnabled());
  connect(addBill, &QPushButton::clicked, addBillAction, &QAction::trigger);
  barLayout->addWidget(addBill);
  barLayout->addWidget(Unavailable("兑换礼品"));
  layout->addWidget(bar);

  auto* splitter = new QSplitter(Qt::Horizontal);
  auto* billPanel = new QWidget;
  billPanel->setObjectName(QStringLiteral("pnlConsumeGrid1"));
  auto* linePanel = new QWidget;
  linePanel->setObjectName(QStringLiteral("pnlConsumedlGrid1"));
  splitter->addWidget(billPanel);
  splitter->addWidget(linePanel);
  splitter->setSizes({392, 600});
  layout->addWidget(splitter, 1);

  // The bill lines, with the sum of their amounts.
  lineGrid_ = TqdGridcx::CreateWithLayout(this, kLineGridKey, billLines_->DataSet(), linePanel);
  lineGrid_->Columns().SetPreferredOrder(kLineColumns);
  lineGrid_->SetCellSelect(false);
  lineGrid_->AddFooterSum(billLines_->FieldByName("Fund"));

  // The member's bills: the focused bill shows its lines.
  billGrid_ = TqdGridcx::CreateWithLayout(this, kBillGridKey, billList_->DataSet(), billPanel);
  billGrid_->Columns().SetPreferredOrder(kBillColumns);
  billGrid_->SetCellSelect(false);
  billGrid_->AddFooterSum(billList_->FieldByName("Shldfund"));
  billGrid_->OnSelectChanged = [this](bool selected) { ShowBillLines(selected); };
  TqdPopupMenu* billMenu = billGrid_->PopupMenuQd();
  billMenu->AddSeparator(0);
  billMenu->AddActionItem(Action("ConsumeDeleteAction1"), 0);
  billMenu->AddActionItem(Action("ConsumeEditAction1"), 0);
  billMenu->AddActionItem(Action("ConsumeAddAction1"), 0);
  return panel;
}

QWidget* TmainFrm::CreateMemberPanel() {
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("pnlMemberList1"));
  auto* layout = new QVBoxLayout(panel);
  auto* top = new QWidget;
  top->setFixedHeight(57);
  auto* topLayout = new QHBoxLayout(top);
  topLayout->addWidget(new QLabel(QStringLiteral("关键字")));
  edtMemberKey2 = new TqdEdit;
  edtMemberKey2->setObjectName(QStringLiteral("edtMemberKey2"));
  edtMemberKey2->installEventFilter(this);
  topLayout->addWidget(edtMemberKey2);
  topLayout->addWidget(Button("查询", [this] { btnMemberFind1Click(); }));
  topLayout->addWidget(Unavailable("更多"));
  auto* tools = new QToolBar;
  tools->setIconSize(QSize(16, 16));
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tools->addAction(Action("MemberAddAction1"));
  tools->addAction(Action("MemberEditAction1"));
  tools->addAction(Action("MemberDeleteAction1"));
  topLayout->addWidget(tools);
  topLayout->addStretch();
  layout->addWidget(top);

  auto* gridPanel = new QWidget;
  layout->addWidget(gridPanel, 1);
  memberGrid_ =
      TqdGridcx::CreateWithLayout(this, kMemberGridKey, memberList_->DataSet(), gridPanel);
  memberGrid_->Columns().SetPreferredOrder(kMemberColumns);
  memberGrid_->SetCellSelect(false);
  memberGrid_->OnDblClick = [this](QObject*) { Action("MemberEditAction1")->trigger(); };
  memberGrid_->PopupMenuQd()->AddActionItem(Action("MemberAddAction1"));
  memberGrid_->SetColumnEditable(memberList_->FieldByName("ValidIf"), true);
  return panel;
}

void TmainFrm::CreatePickPanel() {
  pnlMemberPick1 = new QFrame(pnlConsume1);
  pnlMemberPick1->setObjectName(QStringLiteral("pnlMemberPick1"));
  pnlMemberPick1->setFrameShape(QFrame::Box);
  pnlMemberPick1->setStyleSheet(
      QStringLiteral("QFrame#pnlMemberPick1 { background: %1; }").arg(QLatin1String(kGreen)));
  pnlMemberPick1->resize(505, 272);
  auto* layout = new QVBoxLayout(pnlMemberPick1);
  auto* gridPanel = new QWidget;
  layout->addWidget(gridPanel, 1);
  pickGrid_ = TqdGridcx::CreateWithLayout(this, kPickGridKey, pickList_->DataSet(), gridPanel);
  pickGrid_->Columns().SetPreferredOrder(kMemberColumns);
  pickGrid_->SetCellSelect(false);
  pickGrid_->OnDblClick = [this](QObject*) { btnMemberPick1Click(); };
  pickGrid_->SetColumnEditable(pickList_->FieldByName("ValidIf"), true);
  pickGrid_->View()->installEventFilter(this);
  auto* strip = new QHBoxLayout;
  QPushButton* edit = Button("修改", [this] { pickList_->EditRecord(); });
  edit->setEnabled(HasMemberEditor());
  strip->addWidget(edit);
  strip->addStretch();
  strip->addWidget(Button("确定", [this] { btnMemberPick1Click(); }));
  strip->addWidget(Button("关闭", [this] { ShowPickPanel(false); }));
  layout->addLayout(strip);
  pnlMemberPick1->hide();
  // Esc closes the panel and leaves the operator in the key field for another search.
  AddPickPanel(pnlMemberPick1, [this] {
    ShowPickPanel(false);
    SelectKeyText(edtMemberPickKey1);
  });
}

// Commands ------------------------------------------------------------------------------------

bool TmainFrm::Login(bool firstStart) {
  return LoginStep(firstStart);
}

void TmainFrm::ShowMember(const RMember& member) {
  ShowMemberSummary(member);
  ShowPickPanel(false);
  billList_->Where().Clear();
  billList_->Where().FieldByName("MemberId")->SetValue(member.CardId);
  billList_->Search();
  if (billList_->DataSet()->IsEmpty()) billLines_->SetLines({});
}

void TmainFrm::RefreshMemberSummary() {
  RMember stored;
  if (currentMember_.MemberId > 0 && TMemberSet::LoadById(currentMember_.MemberId, stored))
    ShowMemberSummary(stored);
}

void TmainFrm::ShowMemberSummary(const RMember& member) {
  txtCardNo1->SetAsString(member.CardNo);
  txtMemberName1->SetAsString(member.Name);
  txtCardtype1->SetAsString(member.TypeName);
  txtCardgrade1->SetAsString(member.Grade);
  txtCardScore1->SetAsString(QString::number(member.Score));
  txtBalance1->SetAsString(member.Balance.ToString());
  txtConsume1->SetAsString(member.Consume.ToString());
  txtStatus1->SetAsString(ValidityName(member.ValidIf));
  txtCompany1->SetAsString(member.Company);
  txtDuty1->SetAsString(member.Duty);
  txtMobile1->SetAsString(member.Mobile);
  txtBirthdate1->SetAsDateTime(member.Birthdate ? QVariant(*member.Birthdate) : QVariant());
  txtLinkaddr1->SetAsString(member.Address);
  txtOtherNote1->SetAsString(member.Notes);
  currentMember_ = member;
}

void TmainFrm::ShowPickPanel(bool visible) {
  const QPoint keyField = edtMemberPickKey1->mapTo(pnlConsume1, QPoint(0, 0));
  pnlMemberPick1->move(50, keyField.y() + edtMemberPickKey1->height() + 3);
  pnlMemberPick1->setVisible(visible);
  if (visible) {
    pnlMemberPick1->raise();
    pickGrid_->View()->setFocus();
  }
}

void TmainFrm::ShowBillLines(bool selected) {
  if (!selected || billList_->DataSet()->IsEmpty()) return;
  RConsume bill;
  if (TConsumeSet::LoadById(billList_->FieldByName("Id")->AsInteger(), bill))
    billLines_->SetLines(bill.Lines);
}

void TmainFrm::SelectKeyText(TqdEdit* edit) {
  edit->selectAll();
  edit->setFocus();
}

void TmainFrm::btnMemberSearch1Click() {
  pickList_->Where().Clear();
  pickList_->Where().FieldByName("Keyword")->SetValue(edtMemberPickKey1->text());
  const int found = pickList_->Search();
  if (found == 0) {
    ShowInfo(QStringLiteral("没有找到相关会员记录, 请重新输入关键字后查询!"));
    SelectKeyText(edtMemberPickKey1);
  } else if (found == 1) {
    btnMemberPick1Click();
  } else {
    ShowPickPanel(true);
  }
}

void TmainFrm::btnBrowse1Click() {
  pickList_->Where().Clear();
  pickList_->Search();
  ShowPickPanel(true);
}

void TmainFrm::btnNull1Click() {
  ShowMember(NewMember());
}

void TmainFrm::btnMemberPick1Click() {
  if (!pickList_->DataSet()->Active() || pickList_->DataSet()->IsEmpty()) return;
  ShowMember(pickList_->AsData());
}

void TmainFrm::btnMemberFind1Click() {
  memberList_->Where().Clear();
  memberList_->Where().FieldByName("Keyword")->SetValue(edtMemberKey2->text());
  memberList_->Search();
}

void TmainFrm::ShowConsumePanel() {
  Panels->setCurrentWidget(pnlConsume1);
}

void TmainFrm::ShowMemberPanel() {
  if (!memberList_->DataSet()->Active()) memberList_->Search();
  Panels->setCurrentWidget(pnlMemberList1);
}

bool TmainFrm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return TaFrm::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return TaFrm::eventFilter(watched, event);
  // Enter runs the field's search (or picks in the pick grid) and goes no further.
  if (watched == edtMemberPickKey1) {
    RunCommand([this] { btnMemberSearch1Click(); });
    return true;
  }
  if (watched == edtMemberKey2) {
    RunCommand([this] { btnMemberFind1Click(); });
    return true;
  }
  if (watched == pickGrid_->View()) {
    RunCommand([this] {
      btnMemberPick1Click();
      SelectKeyText(edtMemberPickKey1);
    });
    return true;
  }
  return TaFrm::eventFilter(watched, event);
}

void TmainFrm::closeEvent(QCloseEvent* event) {
  TaFrm::closeEvent(event);
  if (!event->isAccepted()) return;
  hide();
  // A failing chore is reported by itself and never keeps the window open.
  for (const auto& chore : {std::function<void()>([] {
                              if (gMall) gMall->PromptFeedback(false);
                            }),
                            std::function<void()>([] { Tmall::AutoBackup(); })}) {
    try {
      chore();
    } catch (const EAbort&) {
    } catch (const EError& error) {
      ShowInfo(error.Message());
    }
  }
  if (gDatabase) gDatabase->SetConnected(false);
}
