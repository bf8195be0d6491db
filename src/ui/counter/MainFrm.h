#pragma once

#include <memory>

#include "core/domain/Member.h"
#include "ui/forms/BaseForm.h"

class QAction;
class QFrame;
class QMenuBar;
class QPushButton;
class QStackedWidget;
class QToolBar;
class TConsumedlSet;
class TConsumeList;
class TMemberList;
class TqdEdit;
class TqdGridcx;
class TqdLabel;

// The operator's workbench: the consumption panel for serving a member at the counter, the
// member-management panel, the menus and toolbar that reach everything else.
class TmainFrm : public TaFrm {
  Q_OBJECT
 public:
  explicit TmainFrm(QWidget* parent = nullptr);
  ~TmainFrm() override;

  // The login step; at first start three program arguments may log in directly.
  bool Login(bool firstStart);
  // Shows the member in the summary, lists the card's bills and keeps it as the current member.
  void ShowMember(const RMember& member);
  // Shows the current member's card figures as stored now (after a bill was saved or deleted).
  void RefreshMemberSummary();
  void ShowPickPanel(bool visible);
  // Shows the lines of the focused bill.
  void ShowBillLines(bool selected);
  const RMember& CurrentMember() const { return currentMember_; }

  // The commands of the consumption and member panels.
  void btnMemberSearch1Click();
  void btnBrowse1Click();
  void btnNull1Click();
  void btnMemberPick1Click();
  void btnMemberFind1Click();
  void ShowConsumePanel();
  void ShowMemberPanel();

  // Controls and lists that the commands work on.
  TqdEdit* edtMemberPickKey1;
  TqdEdit* edtMemberKey2;
  QFrame* pnlMemberPick1;
  QStackedWidget* Panels;
  QWidget* pnlConsume1;
  QWidget* pnlMemberList1;
  TqdLabel* txtCardNo1;
  TqdLabel* txtMemberName1;
  TqdLabel* txtCardtype1;
  TqdLabel* txtCardgrade1;
  TqdLabel* txtCardScore1;
  TqdLabel* txtBalance1;
  TqdLabel* txtConsume1;
  TqdLabel* txtStatus1;
  TqdLabel* txtCompany1;
  TqdLabel* txtDuty1;
  TqdLabel* txtMobile1;
  TqdLabel* txtBirthdate1;
  TqdLabel* txtLinkaddr1;
  TqdLabel* txtOtherNote1;
  TMemberList* MemberList() const { return memberList_.get(); }
  TMemberList* PickList() const { return pickList_.get(); }
  TConsumeList* BillList() const { return billList_.get(); }
  TConsumedlSet* BillLines() const { return billLines_.get(); }
  TqdGridcx* PickGrid() const { return pickGrid_; }
  // Actions by name ("MemberAddAction1", ...).
  QAction* Action(const QString& name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  QMenuBar* CreateMenu();
  QToolBar* CreateToolBar();
  QWidget* CreateNavigation();
  QWidget* CreateConsumePanel();
  QWidget* CreateMemberSummary();
  QWidget* CreateMemberPanel();
  void CreatePickPanel();
  QAction* NewAction(const QString& name, const QString& caption, std::function<void()> command,
                     int picture = -1);
  void SelectKeyText(TqdEdit* edit);
  void ShowMemberSummary(const RMember& member);

  std::unique_ptr<TMemberList> memberList_;
  std::unique_ptr<TConsumedlSet> billLines_;
  std::unique_ptr<TConsumeList> billList_;
  std::unique_ptr<TMemberList> pickList_;
  TqdGridcx* memberGrid_ = nullptr;
  TqdGridcx* lineGrid_ = nullptr;
  TqdGridcx* billGrid_ = nullptr;
  TqdGridcx* pickGrid_ = nullptr;
  RMember currentMember_;
  QList<QAction*> actions_;
};
