#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "FormKeys.h"
#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/app/Units.h"
#include "core/config/Configer.h"
#include "core/config/Startup.h"
#include "core/db/Database.h"
#include "ui/config/DBConfigFrm.h"

namespace {

class ConnectionDialogTest : public testing::Test {
 protected:
  void WriteConfig(const QByteArray& text) {
    QFile file(home.File("cfg.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QByteArray ConfigBytes() {
    QFile file(home.File("cfg.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // An embedded data file that cannot be opened: the check fails until the dialog fixes it.
  void ConfigureMissingDataFile() {
    TConfiger configer;
    configer.providerIdx = kProviderEmbedded;
    configer.defaultCon = false;
    configer.jetfile = home.File("no/such/folder/shop.db");
    configer.Save();
  }

  TScratchHome home;
  TMessageScript messages;
  TUnits units;
};

TEST_F(ConnectionDialogTest, WorkingConfigurationShowsNoDialog) {
  int shown = 0;
  EXPECT_TRUE(CheckConnection([&] { return ++shown, false; }));
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(gDatabase->Connected());
}

TEST_F(ConnectionDialogTest, CancelEndsTheCheckAfterTheFailureWasShown) {
  ConfigureMissingDataFile();
  int shown = 0;
  EXPECT_FALSE(CheckConnection([&] { return ++shown, false; }));
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(gDatabase->Connected());
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_TRUE(messages->LastText().contains("连接时失败"));
}

TEST_F(ConnectionDialogTest, OkSavesAndRetriesWithTheSavedValues) {
  ConfigureMissingDataFile();
  TDBConfigFrm dialog;
  dialog.ShowRecord();
  EXPECT_EQ(dialog.ComboBox1->currentIndex(), kProviderEmbedded);
  EXPECT_EQ(dialog.Notebook1->currentWidget()->objectName(), "jet4");
  EXPECT_TRUE(dialog.jetfileEdit1->isEnabled());

  // First confirmation keeps the broken file, the second switches to the default data file.
  int shown = 0;
  const bool connected = CheckConnection([&] {
    if (++shown == 2) {
      dialog.jetDefaultCheckBox1->click();
      EXPECT_FALSE(dialog.jetfileEdit1->isEnabled());
    }
    return dialog.Button1Click();
  });
  EXPECT_TRUE(connected);
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(messages->Boxes.size(), 2);  // one failure box per failed attempt
  EXPECT_EQ(gDatabase->GetDataSource(), home.File("harmoz.db"));
  TConfiger saved;
  EXPECT_TRUE(saved.defaultCon);
  EXPECT_EQ(saved.jetfile, home.File("no/such/folder/shop.db"));
}

TEST_F(ConnectionDialogTest, PostgresPageConnectsToTheServer) {
  const QString server = PostgresTestConnectionString();
  if (server.isEmpty()) GTEST_SKIP() << "HARMOZ_TEST_PG is not set";
  ConfigureMissingDataFile();
  TDBConfigFrm dialog;
  dialog.ShowRecord();
  dialog.ComboBox1->setCurrentIndex(kProviderPostgres);
  EXPECT_EQ(dialog.Notebook1->currentWidget()->objectName(), "pgsql");
  dialog.pgServerEdit1->setText(ConnectionStringProperty(server, "Data Source"));
  dialog.pgPortEdit1->setText(ConnectionStringProperty(server, "Port"));
  dialog.pgDbEdit1->setText(ConnectionStringProperty(server, "Initial Catalog"));
  dialog.pgUserEdit1->setText(ConnectionStringProperty(server, "User ID"));
  dialog.pgPwEdit1->setText(ConnectionStringProperty(server, "Password"));
  EXPECT_TRUE(CheckConnection([&] { return dialog.Button1Click(); }));
  EXPECT_EQ(gDatabase->Kind(), TDatabaseKind::PostgreSQL);

  TConfiger saved;
  EXPECT_EQ(saved.providerIdx, kProviderPostgres);
  EXPECT_EQ(QString::number(saved.pgPort), ConnectionStringProperty(server, "Port"));
  gDatabase->SetConnected(false);
}

TEST_F(ConnectionDialogTest, PortThatIsNoNumberIsRefusedAndNothingIsSaved) {
  ConfigureMissingDataFile();
  const QByteArray before = ConfigBytes();
  TDBConfigFrm dialog;
  dialog.ShowRecord();
  dialog.ComboBox1->setCurrentIndex(kProviderPostgres);
  for (const char* port : {"abc", "5432x", "0", "70000", ""}) {
    dialog.pgPortEdit1->setText(port);
    EXPECT_FALSE(dialog.Button1Click()) << port;
    EXPECT_EQ(
        messages->LastText(),
        QString("\r\n端口 \"%1\" 不是有效的端口号,请输入 1 到 65535 之间的数字.\t").arg(port));
  }
  EXPECT_EQ(ConfigBytes(), before);

  // The kind not chosen keeps its stored port when its text is no port.
  dialog.pgPortEdit1->setText("5433");
  dialog.mssqlPortEdit1->setText("14 33");
  EXPECT_TRUE(dialog.Button1Click());
  TConfiger saved;
  EXPECT_EQ(saved.pgPort, 5433);
  EXPECT_EQ(saved.mssqlPort, 1433);
  EXPECT_EQ(saved.providerIdx, kProviderPostgres);
}

TEST_F(ConnectionDialogTest, DialogShowsTheStoredKindAndStartsWithoutSmartConnection) {
  WriteConfig("[db]\r\nproviderIdx=7\r\ndefaultCon=1\r\nmssqlServer=db-host\r\n");
  TDBConfigFrm dialog;
  dialog.CheckBox1->setChecked(true);
  dialog.ShowRecord();
  EXPECT_EQ(dialog.ComboBox1->currentIndex(), 0);
  EXPECT_EQ(dialog.Notebook1->currentWidget()->objectName(), "mssql");
  EXPECT_FALSE(dialog.CheckBox1->isChecked());
  EXPECT_EQ(dialog.mssqlServerEdit1->text(), "db-host");
  EXPECT_EQ(dialog.mssqlPortEdit1->text(), "1433");
  EXPECT_EQ(dialog.mssqlPwEdit1->echoMode(), QLineEdit::Password);
  EXPECT_FALSE(dialog.jetfileEdit1->isEnabled());
  EXPECT_EQ(dialog.ComboBox1->itemText(kProviderEmbedded), "SQLite 数据文件 (单机版)");
}

TEST_F(ConnectionDialogTest, EnterWalksTheShownPageAndTheLastFieldConfirms) {
  const struct {
    int kind;
    bool defaultFile;
    QList<QWidget*> (*fields)(TDBConfigFrm&);
  } pages[] = {
      {kProviderSqlServer, false,
       [](TDBConfigFrm& d) -> QList<QWidget*> {
         return {d.ComboBox1,      d.mssqlServerEdit1, d.mssqlPortEdit1, d.mssqlDbEdit1,
                 d.mssqlUserEdit1, d.mssqlPwEdit1,     d.CheckBox1};
       }},
      // The "..." button between the file and the user is passed over.
      {kProviderEmbedded, false,
       [](TDBConfigFrm& d) -> QList<QWidget*> {
         return {d.ComboBox1, d.jetDefaultCheckBox1, d.jetfileEdit1, d.jetUserEdit1, d.jetPwEdit1};
       }},
      // The disabled file fields are passed over too.
      {kProviderEmbedded, true,
       [](TDBConfigFrm& d) -> QList<QWidget*> {
         return {d.ComboBox1, d.jetDefaultCheckBox1};
       }},
      {kProviderPostgres, false,
       [](TDBConfigFrm& d) -> QList<QWidget*> {
         return {d.ComboBox1, d.pgServerEdit1, d.pgPortEdit1,
                 d.pgDbEdit1, d.pgUserEdit1,   d.pgPwEdit1};
       }},
  };
  for (const auto& page : pages) {
    SCOPED_TRACE(page.kind);
    TConfiger configer;
    configer.providerIdx = page.kind;
    configer.defaultCon = page.defaultFile;
    configer.Save();
    TDBConfigFrm dialog;
    dialog.ShowRecord();
    OpenActive(dialog);
    const QList<QWidget*> fields = page.fields(dialog);
    ExpectEnterWalks(fields);
    QTest::keyClick(fields.last(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  EXPECT_TRUE(messages->Boxes.isEmpty());
}

TEST_F(ConnectionDialogTest, EscapeCancelsWhereverTheFocusIs) {
  ConfigureMissingDataFile();
  TDBConfigFrm dialog;
  dialog.ShowRecord();
  for (QWidget* focused : std::initializer_list<QWidget*>{dialog.ComboBox1, dialog.jetfileEdit1,
                                                          dialog.jetDefaultCheckBox1}) {
    OpenActive(dialog);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible()) << NameOf(focused);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  TConfiger saved;
  EXPECT_FALSE(saved.defaultCon);
}

}  // namespace
