#include "ui/config/DBConfigFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>

#include "core/base/MessageBox.h"
#include "core/config/Startup.h"
#include "ui/forms/FormFont.h"

namespace {

const QSize kClientSize(516, 368);
constexpr int kEditHeight = 21;

// The picture beside the notice: a database drum with a warning mark.
QPixmap DatabasePicture() {
  QPixmap pixmap(72, 72);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor body(0x4a, 0x7f, 0xc1);
  const QColor top(0x8d, 0xb6, 0xe6);
  p.setPen(QPen(QColor(0x2a, 0x4f, 0x80), 1.5));
  p.setBrush(body);
  p.drawRect(QRectF(8, 14, 44, 40));
  p.drawEllipse(QRectF(8, 46, 44, 16));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(8.75, 40, 42.5, 14));
  p.setPen(QPen(QColor(0x2a, 0x4f, 0x80), 1.5));
  p.setBrush(top);
  p.drawEllipse(QRectF(8, 6, 44, 16));
  p.setBrush(QColor(0xf2, 0xc1, 0x4e));
  p.drawPolygon(QPolygonF({{52, 38}, {68, 66}, {36, 66}}));
  p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(52, 47), QPointF(52, 56));
  p.drawPoint(QPointF(52, 61.5));
  return pixmap;
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
    : QDialog(parent), configer_(std::make_unique<TConfiger>()) {
  setObjectName(QStringLiteral("DBConfigFrm"));
  setWindowTitle(QStringLiteral("数据库连接"));
  setFont(FormFont());
  setFixedSize(kClientSize);
  BuildHeader();

  GroupBox1 = new QGroupBox(QStringLiteral("参数"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(24, 141, 441, 161);
  Notebook1 = new QStackedWidget(GroupBox1);
  Notebook1->setObjectName(QStringLiteral("Notebook1"));
  Notebook1->setGeometry(2, 16, 437, 143);
  BuildSqlServerPage();
  BuildEmbeddedPage();
  BuildDipPage();
  BuildPostgresPage();

  Button1 = new QPushButton(QStringLiteral("确定(&Y)"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(300, 320, 75, 25);
  Button1->setAutoDefault(false);
  Button2 = new QPushButton(QStringLiteral("取消"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(388, 320, 75, 25);
  Button2->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (Button1Click()) accept();
  });
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TDBConfigFrm::ComboBox1Change);
  connect(jetDefaultCheckBox1, &QCheckBox::clicked, this, &TDBConfigFrm::jetDefaultCheckBox1Click);
  connect(jetFileButton1, &QPushButton::clicked, this, &TDBConfigFrm::jetFileButton1Click);

  // Enter moves to the next control, as Tab does.
  for (QWidget* control : std::initializer_list<QWidget*>{
           ComboBox1,    mssqlServerEdit1, mssqlPortEdit1,      mssqlDbEdit1, mssqlUserEdit1,
           mssqlPwEdit1, CheckBox1,        jetDefaultCheckBox1, jetfileEdit1, jetFileButton1,
           jetUserEdit1, jetPwEdit1,       edtDipUrl1,          edtDipUser1,  pgServerEdit1,
           pgPortEdit1,  pgDbEdit1,        pgUserEdit1,         pgPwEdit1,    Button1,
           Button2})
    control->installEventFilter(this);

  const QWidget* centre = parent ? parent->window() : nullptr;
  if (centre) {
    move(centre->geometry().center() - rect().center());
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

TDBConfigFrm::~TDBConfigFrm() = default;

void TDBConfigFrm::BuildHeader() {
  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setPixmap(DatabasePicture());
  image->move(23, 22);
  image->adjustSize();
  const struct {
    const char* name;
    int left;
    int top;
    const char* text;
  } notices[] = {
      {"Label10", 136, 27, "注意，程序无法正常连接到指定的数据库。"},
      {"Label11", 136, 47, "1.单机版用户，请检查数据库文件是否存在或者已被破坏；"},
      {"Label12", 136, 67, "2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。"},
      {"Label13", 136, 88, "另外，请检查以下连接参数是否正确："},
      {"Label5", 42, 117, "提供者"},
  };
  for (const auto& notice : notices) {
    auto* label = new QLabel(QString::fromUtf8(notice.text), this);
    label->setObjectName(QLatin1String(notice.name));
    label->move(notice.left, notice.top);
    label->adjustSize();
  }
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setGeometry(95, 112, 295, 22);
  ComboBox1->addItems({QStringLiteral("Microsoft OLE DB Provider for Sql Server"),
                       QStringLiteral("SQLite 数据文件 (单机版)"),
                       QStringLiteral("Telvor Dip Provider for Sql Server"),
                       QStringLiteral("PostgreSQL 数据库服务器")});
}

QWidget* TDBConfigFrm::NewPage(const char* name) {
  auto* page = new QWidget(Notebook1);
  page->setObjectName(QLatin1String(name));
  Notebook1->addWidget(page);
  return page;
}

QLineEdit* TDBConfigFrm::NewEdit(QWidget* page, const QString& label, int labelLeft, int left,
                                 int top, int width) {
  if (!label.isEmpty()) {
    auto* caption = new QLabel(label, page);
    caption->move(labelLeft, top + 4);
    caption->adjustSize();
  }
  auto* edit = new QLineEdit(page);
  edit->setGeometry(left, top, width, kEditHeight);
  return edit;
}

void TDBConfigFrm::BuildSqlServerPage() {
  QWidget* page = NewPage("mssql");
  mssqlServerEdit1 = NewEdit(page, QStringLiteral("服务器"), 16, 69, 12, 172);
  mssqlPortEdit1 = NewEdit(page, QStringLiteral("端口"), 250, 280, 12, 60);
  mssqlPortEdit1->setText(QStringLiteral("1433"));
  mssqlDbEdit1 = NewEdit(page, QStringLiteral("数据库名"), 16, 69, 39, 311);
  mssqlUserEdit1 = NewEdit(page, QStringLiteral("登陆名"), 16, 69, 65, 311);
  mssqlPwEdit1 = NewEdit(page, QStringLiteral("密 码"), 16, 69, 93, 311);
  mssqlPwEdit1->setEchoMode(QLineEdit::Password);
  CheckBox1 = new QCheckBox(QStringLiteral("采用智能连接"), page);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->move(69, 120);
}

void TDBConfigFrm::BuildEmbeddedPage() {
  QWidget* page = NewPage("jet4");
  jetDefaultCheckBox1 = new QCheckBox(QStringLiteral("使用默认连接"), page);
  jetDefaultCheckBox1->setObjectName(QStringLiteral("jetDefaultCheckBox1"));
  jetDefaultCheckBox1->move(97, 14);
  jetfileEdit1 = NewEdit(page, QStringLiteral("数据库文件:"), 20, 96, 40, 249);
  jetFileButton1 = new QPushButton(QStringLiteral("..."), page);
  jetFileButton1->setObjectName(QStringLiteral("jetFileButton1"));
  jetFileButton1->setGeometry(349, 40, 24, kEditHeight);
  jetFileButton1->setAutoDefault(false);
  jetUserEdit1 = NewEdit(page, QStringLiteral("用户名:"), 20, 96, 75, 121);
  jetPwEdit1 = NewEdit(page, QStringLiteral("密码:"), 20, 96, 107, 121);
  jetPwEdit1->setEchoMode(QLineEdit::Password);
}

void TDBConfigFrm::BuildDipPage() {
  QWidget* page = NewPage("qddip");
  edtDipUrl1 = NewEdit(page, QStringLiteral("DIP地址"), 16, 72, 16, 296);
  edtDipUser1 = NewEdit(page, QStringLiteral("DIP用户"), 16, 72, 40, 296);
}

void TDBConfigFrm::BuildPostgresPage() {
  QWidget* page = NewPage("pgsql");
  pgServerEdit1 = NewEdit(page, QStringLiteral("服务器"), 16, 69, 12, 172);
  pgPortEdit1 = NewEdit(page, QStringLiteral("端口"), 250, 280, 12, 60);
  pgPortEdit1->setText(QStringLiteral("5432"));
  pgDbEdit1 = NewEdit(page, QStringLiteral("数据库名"), 16, 69, 39, 311);
  pgUserEdit1 = NewEdit(page, QStringLiteral("登陆名"), 16, 69, 65, 311);
  pgPwEdit1 = NewEdit(page, QStringLiteral("密 码"), 16, 69, 93, 311);
  pgPwEdit1->setEchoMode(QLineEdit::Password);
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

bool TDBConfigFrm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton*>(watched)) {
      focusNextChild();
      return true;
    }
    if (enter) {
      static_cast<QPushButton*>(watched)->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool TDBConfigFrm::CheckConnection() {
  TDBConfigFrm dialog;
  dialog.ShowRecord();
  return ::CheckConnection([&dialog] { return dialog.exec() == QDialog::Accepted; });
}
