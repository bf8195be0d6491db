#include "ui/config/DBConfigFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/base/Command.h"
#include "core/base/MessageBox.h"
#include "core/config/Startup.h"
#include "ui/forms/FormLayout.h"
#include "ui/forms/PubFrm.h"

namespace {

const QSize kClientSize(516, 368);
constexpr QMargins kMargins(20, 16, 20, 14);
constexpr QMargins kPageMargins(8, 6, 8, 6);
constexpr int kPortWidth = 60;
constexpr int kShortWidth = 121;
const QSize kButtonSize(75, 25);

QPushButton* NewButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setFixedSize(kButtonSize);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

bool ReadPortText(const QString& text, int* port) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok || value < 1 || value > 65535) return false;
  *port = value;
  return true;
}

TDBConfigFrm::TDBConfigFrm(QWidget* parent)
    : TaFrm(parent), configer_(std::make_unique<TConfiger>()) {
  setObjectName(QStringLiteral("DBConfigFrm"));
  setWindowTitle(QStringLiteral("数据库连接"));
  setFixedSize(kClientSize);
  SetPlaceAtCursor(false);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(kMargins);
  column->setSpacing(TFormLayout::kRowSpacing);
  column->addLayout(BuildHeader());

  auto* body = new QWidget(this);
  TFormLayout form(body, QMargins());
  ComboBox1 = new QComboBox(body);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->addItems({QStringLiteral("Microsoft OLE DB Provider for Sql Server"),
                       QStringLiteral("SQLite 数据文件 (单机版)"),
                       QStringLiteral("Telvor Dip Provider for Sql Server"),
                       QStringLiteral("PostgreSQL 数据库服务器")});
  form.Row(QStringLiteral("提供者"), ComboBox1).Caption()->setObjectName(QStringLiteral("Label5"));
  TFormLayout parameters = form.Section(QStringLiteral("参数"), "GroupBox1");
  GroupBox1 = parameters.Box();
  Notebook1 = new QStackedWidget(GroupBox1);
  Notebook1->setObjectName(QStringLiteral("Notebook1"));
  parameters.Wide(Notebook1);
  BuildSqlServerPage();
  BuildEmbeddedPage();
  BuildDipPage();
  BuildPostgresPage();
  column->addWidget(body, 1);

  Button1 = NewButton(QStringLiteral("确定(&Y)"), "Button1", this);
  Button2 = NewButton(QStringLiteral("取消"), "Button2", this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  column->addLayout(buttons);
  SetDefaultButton(Button1);
  SetCancelButton(Button2);

  connect(Button1, &QPushButton::clicked, this, [this] {
    RunCommand([this] {
      if (Button1Click()) accept();
    });
  });
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TDBConfigFrm::ComboBox1Change);
  connect(jetDefaultCheckBox1, &QCheckBox::clicked, this, &TDBConfigFrm::jetDefaultCheckBox1Click);
  connect(jetFileButton1, &QPushButton::clicked, this, &TDBConfigFrm::jetFileButton1Click);

  const QWidget* centre = parent ? parent->window() : nullptr;
  if (centre) {
    move(centre->geometry().center() - rect().center());
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

TDBConfigFrm::~TDBConfigFrm() = default;

QLayout* TDBConfigFrm::BuildHeader() {
  auto* header = new QHBoxLayout;
  header->setSpacing(16);
  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setPixmap(TPubFrm::DatabaseWarningPicture());
  header->addWidget(image, 0, Qt::AlignTop);
  auto* notices = new QVBoxLayout;
  notices->setSpacing(6);
  const struct {
    const char* name;
    const char* text;
  } lines[] = {
      {"Label10", "注意，程序无法正常连接到指定的数据库。"},
      {"Label11", "1.单机版用户，请检查数据库文件是否存在或者已被破坏；"},
      {"Label12", "2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。"},
      {"Label13", "另外，请检查以下连接参数是否正确："},
  };
  for (const auto& line : lines) {
    auto* label = new QLabel(QString::fromUtf8(line.text), this);
    label->setObjectName(QLatin1String(line.name));
    notices->addWidget(label);
  }
  notices->addStretch();
  header->addLayout(notices, 1);
  return header;
}

QWidget* TDBConfigFrm::NewPage(const char* name) {
  auto* page = new QWidget(Notebook1);
  page->setObjectName(QLatin1String(name));
  Notebook1->addWidget(page);
  return page;
}

QLineEdit* TDBConfigFrm::NewEdit(QWidget* page, const char* name) {
  auto* edit = new QLineEdit(page);
  edit->setObjectName(QLatin1String(name));
  return edit;
}

void TDBConfigFrm::BuildSqlServerPage() {
  QWidget* page = NewPage("mssql");
  mssqlServerEdit1 = NewEdit(page, "mssqlServerEdit1");
  mssqlPortEdit1 = NewEdit(page, "mssqlPortEdit1");
  mssqlPortEdit1->setText(QStringLiteral("1433"));
  mssqlDbEdit1 = NewEdit(page, "mssqlDbEdit1");
  mssqlUserEdit1 = NewEdit(page, "mssqlUserEdit1");
  mssqlPwEdit1 = NewEdit(page, "mssqlPwEdit1");
  mssqlPwEdit1->setEchoMode(QLineEdit::Password);
  CheckBox1 = new QCheckBox(QStringLiteral("采用智能连接"), page);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  TFormLayout form(page, kPageMargins);
  form.Row(QStringLiteral("服务器"), mssqlServerEdit1)
      .Then(QStringLiteral("端口"), mssqlPortEdit1)
      .Width(kPortWidth);
  form.Row(QStringLiteral("数据库名"), mssqlDbEdit1);
  form.Row(QStringLiteral("登陆名"), mssqlUserEdit1);
  form.Row(QStringLiteral("密 码"), mssqlPwEdit1);
  form.Row(CheckBox1);
  form.Stretch();
}

void TDBConfigFrm::BuildEmbeddedPage() {
  QWidget* page = NewPage("jet4");
  jetDefaultCheckBox1 = new QCheckBox(QStringLiteral("使用默认连接"), page);
  jetDefaultCheckBox1->setObjectName(QStringLiteral("jetDefaultCheckBox1"));
  jetfileEdit1 = NewEdit(page, "jetfileEdit1");
  jetFileButton1 = new QPushButton(QStringLiteral("..."), page);
  jetFileButton1->setObjectName(QStringLiteral("jetFileButton1"));
  jetFileButton1->setAutoDefault(false);
  jetUserEdit1 = NewEdit(page, "jetUserEdit1");
  jetPwEdit1 = NewEdit(page, "jetPwEdit1");
  jetPwEdit1->setEchoMode(QLineEdit::Password);
  TFormLayout form(page, kPageMargins);
  form.Row(jetDefaultCheckBox1);
  form.Row(QStringLiteral("数据库文件:"), jetfileEdit1).Then(jetFileButton1).Width(28);
  form.Row(QStringLiteral("用户名:"), jetUserEdit1).Width(kShortWidth);
  form.Row(QStringLiteral("密码:"), jetPwEdit1).Width(kShortWidth);
  form.Stretch();
}

void TDBConfigFrm::BuildDipPage() {
  QWidget* page = NewPage("qddip");
  edtDipUrl1 = NewEdit(page, "edtDipUrl1");
  edtDipUser1 = NewEdit(page, "edtDipUser1");
  TFormLayout form(page, kPageMargins);
  form.Row(QStringLiteral("DIP地址"), edtDipUrl1);
  form.Row(QStringLiteral("DIP用户"), edtDipUser1);
  form.Stretch();
}

void TDBConfigFrm::BuildPostgresPage() {
  QWidget* page = NewPage("pgsql");
  pgServerEdit1 = NewEdit(page, "pgServerEdit1");
  pgPortEdit1 = NewEdit(page, "pgPortEdit1");
  pgPortEdit1->setText(QStringLiteral("5432"));
  pgDbEdit1 = NewEdit(page, "pgDbEdit1");
  pgUserEdit1 = NewEdit(page, "pgUserEdit1");
  pgPwEdit1 = NewEdit(page, "pgPwEdit1");
  pgPwEdit1->setEchoMode(QLineEdit::Password);
  TFormLayout form(page, kPageMargins);
  form.Row(QStringLiteral("服务器"), pgServerEdit1)
      .Then(QStringLiteral("端口"), pgPortEdit1)
      .Width(kPortWidth);
  form.Row(QStringLiteral("数据库名"), pgDbEdit1);
  form.Row(QStringLiteral("登陆名"), pgUserEdit1);
  form.Row(QStringLiteral("密 码"), pgPwEdit1);
  form.Stretch();
}

void TDBConfigFrm::ShowRecord() {
  const TConfiger& c = *configer_;
  mssqlServerEdit1->setText(c.mssqlServer);
  mssqlPortEdit1->setText(QString::number(c.mssqlPort));
  mssqlDbEdit1->setText(c.mssqlDb);
  mssqlUserEdit1->setText(c.mssqlUser);
  mssqlPwEdit1->setText(c.mssqlPw);
  CheckBox1->setChecked(false);
  jetfileEdit1->setText(c.jetfile);
  jetUserEdit1->setText(c.jetUser);
  jetPwEdit1->setText(c.jetPw);
  edtDipUrl1->setText(c.dipUrl);
  edtDipUser1->setText(c.dipUser);
  pgServerEdit1->setText(c.pgServer);
  pgPortEdit1->setText(QString::number(c.pgPort));
  pgDbEdit1->setText(c.pgDb);
  pgUserEdit1->setText(c.pgUser);
  pgPwEdit1->setText(c.pgPw);
  jetDefaultCheckBox1->setChecked(c.defaultCon);
  jetDefaultCheckBox1Click();
  // A kind the dialog does not know shows the first one.
  const int kind = c.providerIdx >= 0 && c.providerIdx < ComboBox1->count() ? c.providerIdx : 0;
  ComboBox1->setCurrentIndex(kind);
  ComboBox1Change(kind);
}

bool TDBConfigFrm::Button1Click() {
  TConfiger& c = *configer_;
  // The port of the chosen kind must be a port; the other kind keeps its stored port when its
  // text is none.
  int mssqlPort = c.mssqlPort;
  int pgPort = c.pgPort;
  const bool mssqlRead = ReadPortText(mssqlPortEdit1->text(), &mssqlPort);
  const bool pgRead = ReadPortText(pgPortEdit1->text(), &pgPort);
  QLineEdit* wrong = nullptr;
  if (ComboBox1->currentIndex() == kProviderSqlServer && !mssqlRead) wrong = mssqlPortEdit1;
  if (ComboBox1->currentIndex() == kProviderPostgres && !pgRead) wrong = pgPortEdit1;
  if (wrong) {
    ShowInfo(QStringLiteral("端口 \"%1\" 不是有效的端口号,请输入 1 到 65535 之间的数字.")
                 .arg(wrong->text()));
    wrong->setFocus();
    wrong->selectAll();
    return false;
  }
  c.mssqlServer = mssqlServerEdit1->text();
  c.mssqlPort = mssqlPort;
  c.mssqlDb = mssqlDbEdit1->text();
  c.mssqlUser = mssqlUserEdit1->text();
  c.mssqlPw = mssqlPwEdit1->text();
  c.SmartConnect = CheckBox1->isChecked();
  c.jetfile = jetfileEdit1->text();
  c.jetUser = jetUserEdit1->text();
  c.jetPw = jetPwEdit1->text();
  c.dipUrl = edtDipUrl1->text();
  c.dipUser = edtDipUser1->text();
  c.pgServer = pgServerEdit1->text();
  c.pgPort = pgPort;
  c.pgDb = pgDbEdit1->text();
  c.pgUser = pgUserEdit1->text();
  c.pgPw = pgPwEdit1->text();
  c.defaultCon = jetDefaultCheckBox1->isChecked();
  c.providerIdx = ComboBox1->currentIndex();
  c.Save();
  return true;
}

void TDBConfigFrm::ComboBox1Change(int index) {
  if (index >= 0 && index < Notebook1->count()) Notebook1->setCurrentIndex(index);
}

void TDBConfigFrm::jetDefaultCheckBox1Click() {
  const bool custom = !jetDefaultCheckBox1->isChecked();
  for (QWidget* control :
       std::initializer_list<QWidget*>{jetfileEdit1, jetFileButton1, jetUserEdit1, jetPwEdit1})
    control->setEnabled(custom);
  for (QLineEdit* edit : {jetfileEdit1, jetUserEdit1, jetPwEdit1}) {
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, palette().color(custom ? QPalette::Base : QPalette::Button));
    edit->setPalette(colours);
  }
}

void TDBConfigFrm::jetFileButton1Click() {
  const QString file =
      QFileDialog::getOpenFileName(this, QStringLiteral("选择SQLite数据文件"), jetfileEdit1->text(),
                                   QStringLiteral("SQLite 数据文件 (*.db);;所有文件 (*)"));
  if (!file.isEmpty()) jetfileEdit1->setText(file);
}

bool TDBConfigFrm::CheckConnection(TServerProbe* probe) {
  TDBConfigFrm dialog;
  dialog.ShowRecord();
  return ::CheckConnection(
      [&dialog] { return dialog.exec() == QDialog::Accepted; },
      [probe] { return probe ? ConnectConfiguredDatabase(*probe) : ConnectConfiguredDatabase(); });
}
