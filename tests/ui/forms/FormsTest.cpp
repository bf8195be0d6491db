#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include "ScriptedMessageBox.h"
#include "SilentPort.h"
#include "TestDatabase.h"
#include "core/base/Errors.h"
#include "core/base/Product.h"
#include "core/config/Configer.h"
#include "core/db/ServerProbe.h"
#include "ui/app/Project.h"
#include "ui/app/SplashFrm.h"
#include "ui/forms/DialogForms.h"
#include "ui/forms/PubFrm.h"
#include "ui/forms/Shell.h"
#include "ui/forms/WinForm.h"

namespace {

// Records the launches instead of starting anything.
class TRecordingLauncher : public ILauncher {
 public:
  void OpenUrl(const QUrl& url) override { Urls << url; }
  void StartProgram(const QString& program, const QStringList&) override { Programs << program; }
  QList<QUrl> Urls;
  QStringList Programs;
};

class TLaunches {
 public:
  TLaunches() {
    auto recording = std::make_unique<TRecordingLauncher>();
    launcher_ = recording.get();
    previous_ = TShell::InstallLauncher(std::move(recording));
  }
  ~TLaunches() { TShell::InstallLauncher(std::move(previous_)); }
  TRecordingLauncher* operator->() { return launcher_; }

 private:
  TRecordingLauncher* launcher_;
  std::unique_ptr<ILauncher> previous_;
};

void ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// A dialog whose OK handling the test decides.
class TTestDlgFrm : public TADlgFrm {
 public:
  TTestDlgFrm() {
    setObjectName("MemberEditFrm");
    Edit = new QLineEdit(ClientPanel());
  }
  bool OkBtn1Click() override {
    ++OkCalls;
    if (Outcome == "abort") Abort();
    return Outcome == "close";
  }
  QLineEdit* Edit;
  QString Outcome = "close";
  int OkCalls = 0;
};

TEST(FormsTest, F1AndTheHelpButtonOpenTheFormsHelpPage) {
  TLaunches launches;
  TTestDlgFrm dialog;
  ShowActive(&dialog);
  dialog.Edit->setFocus();
  QTest::keyClick(dialog.Edit, Qt::Key_F1);
  ASSERT_EQ(launches->Urls.size(), 1);
  EXPECT_TRUE(launches->Urls[0].isLocalFile());
  EXPECT_TRUE(launches->Urls[0].toLocalFile().endsWith("/help/MemberEdit.html"));

  dialog.setObjectName("CompanyInfoFrm");  // no page of its own
  QTest::mouseClick(dialog.HelpBtn1, Qt::LeftButton);
  ASSERT_EQ(launches->Urls.size(), 2);
  EXPECT_TRUE(launches->Urls[1].toLocalFile().endsWith("/help/main.html"));
  EXPECT_TRUE(dialog.isVisible());
}

TEST(FormsTest, DialogBandClosesWithItsResults) {
  TMessageScript messages;
  TTestDlgFrm dialog;
  EXPECT_EQ(dialog.OkBtn1->text(), "确定(&O)");
  EXPECT_EQ(dialog.CancelBtn1->text(), "取消");
  EXPECT_EQ(dialog.HelpBtn1->text(), "帮助");

  // A refused or silently aborted OK keeps the dialog open without a message.
  dialog.open();
  for (const char* outcome : {"keep", "abort"}) {
    dialog.Outcome = outcome;
    QTest::mouseClick(dialog.OkBtn1, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible()) << outcome;
  }
  EXPECT_TRUE(messages->Boxes.isEmpty());
  dialog.Outcome = "close";
  QTest::mouseClick(dialog.OkBtn1, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.OkCalls, 3);

  dialog.open();
  QTest::keyClick(dialog.Edit, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);

  TAInfoDlgFrm info;
  EXPECT_EQ(info.CloseBtn1->text(), "关闭");
  info.open();
  QTest::keyClick(&info, Qt::Key_Escape);
  EXPECT_FALSE(info.isVisible());
}

TEST(FormsTest, PlainFormIgnoresEscapeAndEnterPressesNoDefaultButton) {
  TaFrm form;
  auto* edit = new QLineEdit(&form);
  auto* button = new QPushButton("确定", &form);
  QSignalSpy clicks(button, &QPushButton::clicked);
  ShowActive(&form);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(clicks.count(), 0);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
}

TEST(FormsTest, EnterPassesButtonsOverAndEscapeCancelsAModalFormWithoutCancelButton) {
  TaFrm form;
  auto* first = new QLineEdit(&form);
  auto* browse = new QPushButton("...", &form);
  auto* second = new QLineEdit(&form);
  auto* ok = new QPushButton("确定", &form);
  QSignalSpy browsed(browse, &QPushButton::clicked);
  QSignalSpy confirmed(ok, &QPushButton::clicked);
  form.SetDefaultButton(ok);
  form.open();
  first->setFocus();
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_EQ(form.focusWidget(), second);
  ok->setEnabled(false);
  QTest::keyClick(second, Qt::Key_Return);
  EXPECT_EQ(confirmed.count(), 0);
  ok->setEnabled(true);
  QTest::keyClick(second, Qt::Key_Return);
  EXPECT_EQ(confirmed.count(), 1);
  EXPECT_EQ(browsed.count(), 0);
  QTest::keyClick(second, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(FormsTest, ClosedListWindowIsDestroyed) {
  QPointer<TWinFrm> window = new TWinFrm;
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  window->show();
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

TEST(FormsTest, SharedImageListHoldsItsPictures) {
  TPubFrm pub;
  ASSERT_EQ(pub.ImageList1.Count(), TPubFrm::kImageCount);
  for (int i = 0; i < pub.ImageList1.Count(); ++i) {
    const QImage image = pub.ImageList1.Pixmap(i).toImage();
    EXPECT_EQ(image.size(), QSize(16, 16)) << i;
    bool painted = false;
    for (int y = 0; y < 16 && !painted; ++y)
      for (int x = 0; x < 16 && !painted; ++x) painted = qAlpha(image.pixel(x, y)) > 0;
    EXPECT_TRUE(painted) << i;
  }
}

TEST(FormsTest, SplashHintReplacesTheTextOrAppendsADot) {
  TSplashFrm splash;
  EXPECT_EQ(splash.Label1->text(), "正在创建数据连接...");
  splash.ShowHint("正在创建公共对象,请稍候...");
  splash.ShowHint("");
  EXPECT_EQ(splash.Label1->text(), "正在创建公共对象,请稍候....");
  splash.ShowHint("正在创建主程序,请稍候...");
  EXPECT_EQ(splash.Label1->text(), "正在创建主程序,请稍候...");
}

TEST(FormsTest, SplashShowsTheShippedPicture) {
  TSplashFrm splash;
  ASSERT_TRUE(splash.HasPicture());
  EXPECT_EQ(splash.Image1->pixmap().size(), QSize(386, 271));
  EXPECT_TRUE(splash.Image1->geometry().contains(splash.Label1->geometry()));
}

TEST(FormsTest, SplashOffersCancelWhileTheServerIsAwaited) {
  TSilentPort silent;
  ASSERT_NE(silent.Port(), 0);
  TSplashFrm splash;
  TServerProbe probe(30000);
  splash.WatchProbe(&probe);
  splash.show();
  EXPECT_FALSE(splash.btnCancel1->isVisible());
  bool offered = false;
  QTimer::singleShot(100, &splash, [&] {
    offered = splash.btnCancel1->isVisible();
    QTest::mouseClick(splash.btnCancel1, Qt::LeftButton);
  });
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(probe.Probe({"127.0.0.1", silent.Port()}), TProbeResult::Cancelled);
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_TRUE(offered);
  EXPECT_EQ(splash.btnCancel1->text(), "取消");
  EXPECT_FALSE(splash.btnCancel1->isVisible());
}

TEST(FormsTest, ProjectLaunchesShippedFilesAndConfigurableAddresses) {
  TScratchHome home;
  TLaunches launches;
  TProject::OpenReadme();
  TProject::OpenWhatsNew();
  ASSERT_EQ(launches->Urls.size(), 2);
  EXPECT_TRUE(launches->Urls[0].toLocalFile().endsWith("/readme.txt"));
  EXPECT_TRUE(launches->Urls[1].toLocalFile().endsWith("/whatsnew.txt"));

  TConfiger::OpenConfigFile()->WriteString("Maker", "WebSite", "https://shop.example.org/");
  TConfiger::OpenConfigFile()->WriteString("Maker", "SalesMail", "buy@shop.example.org");
  TProject::OpenWebSite();
  TProject::MailToSales();
  ASSERT_EQ(launches->Urls.size(), 4);
  EXPECT_EQ(launches->Urls[2], QUrl("https://shop.example.org/"));
  const QUrl mail = launches->Urls[3];
  EXPECT_EQ(mail.scheme(), "mailto");
  EXPECT_EQ(mail.path(), "buy@shop.example.org");
  EXPECT_EQ(QUrlQuery(mail).queryItemValue("subject", QUrl::FullyDecoded), AppTitle + " 购买咨询");
}

}  // namespace
