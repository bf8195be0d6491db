#include <gtest/gtest.h>

#include <functional>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/config/Company.h"
#include "core/config/CompanyEditor.h"
#include "core/db/RecordSet.h"

namespace {

TEST(CompanyNameTest, NameNeedsMoreThanSevenGbkBytes) {
  const struct {
    const char* name;
    bool hasName;
  } cases[] = {{"", false},        {"和谐科", false}, {"和谐科技", true}, {"ABCDEFG", false},
               {"ABCDEFGH", true}, {"和谐AB", false}, {"和谐ABCD", true}};
  for (const auto& c : cases) {
    TCompany company;
    company.CompanyName = c.name;
    EXPECT_EQ(company.HasName(), c.hasName) << c.name;
  }
}

// Plays the company dialog: each show records what it was given and runs the next step; with no
// step left the dialog is cancelled.
struct TEditorScript {
  using TStep = std::function<bool(RCompanyInfo&)>;
  QList<TStep> Steps;
  QList<RCompanyInfo> Shown;
  QList<bool> CreatedReadOnly;
};

class TScriptedCompanyEditor : public ICompanyEditor {
 public:
  explicit TScriptedCompanyEditor(TEditorScript& script) : script_(script) {}
  bool Execute(RCompanyInfo& values) override {
    script_.Shown << values;
    return !script_.Steps.isEmpty() && script_.Steps.takeFirst()(values);
  }

 private:
  TEditorScript& script_;
};

class CompanyTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    previous_ = InstallCompanyEditor([this](bool readOnly) {
      script_.CreatedReadOnly << readOnly;
      return std::make_unique<TScriptedCompanyEditor>(script_);
    });
  }
  void TearDown() override {
    InstallCompanyEditor(previous_);
    DatabaseTest::TearDown();
  }

  // A database trigger that makes every update of the company row fail.
  void RefuseCompanyUpdates(bool refuse) {
    if (OnPostgres()) {
      if (refuse) {
        Db().Execute(
            "create or replace function refuse_company() returns trigger language plpgsql as "
            "$$begin raise exception '拒绝修改公司信息'; end$$");
        Db().Execute(
            "create trigger refuse_company before update on Company for each row execute "
            "function refuse_company()");
      } else {
        Db().Execute("drop trigger refuse_company on Company");
      }
      return;
    }
    if (refuse)
      Db().Execute(
          "create trigger refuse_company before update on Company begin select raise(abort, "
          "'拒绝修改公司信息'); end");
    else
      Db().Execute("drop trigger refuse_company");
  }

  QString StoredName() { return Scalar("select CompanyName from Company where Id=0").toString(); }

  TEditorScript script_;
  TCompanyEditorFactory previous_;
};

TEST_P(CompanyTest, EmptyTableLoadsZeroAndFirstSaveInsertsIdZero) {
  TCompany company;
  company.CompanyName = "留下的";
  company.Load();
  EXPECT_EQ(company.Id, 0);
  EXPECT_EQ(company.CompanyName, "");
  EXPECT_FALSE(company.Exists());

  company.CompanyName = "和谐科技";
  company.Profile = "简介\r\n第二行";
  company.Save();
  company.Tel = "010-1234";
  company.Save();
  EXPECT_EQ(Scalar("select count(*) from Company").toInt(), 1);

  TCompany loaded;
  loaded.Load();
  EXPECT_EQ(loaded.Id, 0);
  EXPECT_EQ(loaded.CompanyName, "和谐科技");
  EXPECT_EQ(loaded.Tel, "010-1234");
  EXPECT_EQ(loaded.Profile, "简介\r\n第二行");
  EXPECT_FALSE(loaded.Updated);
}

TEST_P(CompanyTest, FailedSaveIsShownAndTheDialogReopensWithWhatWasTyped) {
  TMessageScript messages;
  Db().Execute("insert into Company(Id, CompanyName, Manager) values (0, '旧公司', '张三')");
  TCompany company;
  company.Load();
  RefuseCompanyUpdates(true);
  script_.Steps << [](RCompanyInfo& values) {
    values.CompanyName = "新公司名称";
    values.Lawman = "李四";
    return true;
  } << [&](RCompanyInfo&) {
    EXPECT_EQ(company.CompanyName, "旧公司");  // the typed values were discarded by reloading
    RefuseCompanyUpdates(false);
    return true;
  };
  company.Edit(false);

  ASSERT_EQ(script_.Shown.size(), 2);
  EXPECT_EQ(script_.Shown[0].CompanyName, "旧公司");
  EXPECT_EQ(script_.Shown[0].Lawman, "张三");
  EXPECT_EQ(script_.Shown[1].CompanyName, "新公司名称");
  EXPECT_EQ(script_.Shown[1].Lawman, "李四");
  EXPECT_EQ(script_.CreatedReadOnly, QList<bool>{false});
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_TRUE(messages->LastText().contains("拒绝修改公司信息"));
  EXPECT_EQ(StoredName(), "新公司名称");
  EXPECT_EQ(company.Manager, "李四");
}

TEST_P(CompanyTest, ReadOnlyAndCancelledEditsStoreNothing) {
  Db().Execute("insert into Company(Id, CompanyName) values (0, '旧公司')");
  TCompany company;
  company.Load();
  auto typeAndConfirm = [](RCompanyInfo& values) {
    values.CompanyName = "改过的";
    return true;
  };
  script_.Steps << typeAndConfirm;
  company.Edit(true);
  script_.Steps << [](RCompanyInfo& values) {
    values.CompanyName = "改过的";
    return false;
  };
  company.Edit(false);

  EXPECT_EQ(script_.CreatedReadOnly, (QList<bool>{true, false}));
  EXPECT_EQ(script_.Shown.size(), 2);
  EXPECT_EQ(company.CompanyName, "旧公司");
  EXPECT_EQ(StoredName(), "旧公司");
}

INSTANTIATE_ON_BOTH_DATABASES(CompanyTest);

}  // namespace
