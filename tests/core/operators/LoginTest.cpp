#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "PasswordEntries.h"
#include "TestDatabase.h"
#include "core/operators/Login.h"
#include "core/operators/Operator.h"
#include "core/operators/PasswordHash.h"

namespace {

TEST(SuperUserPasswordOfferTest, OnlyTheSuperUserWithoutPasswordIsOfferedOne) {
  const struct {
    const char* loginId;
    QString stored;
    bool offered;
  } cases[] = {
      {"sa", "", true},       {"sa", TPasswordHash::ForStorage("pw"), false},
      {"sa", "plain", false}, {"SA", "", false},
      {"clerk", "", false},   {"", "", false},
  };
  for (const auto& c : cases) {
    TOperator loggedIn;
    loggedIn.LoginId = c.loginId;
    loggedIn.Password = c.stored;
    EXPECT_EQ(ShouldOfferSuperUserPassword(loggedIn), c.offered)
        << c.loginId << " " << c.stored.toStdString();
  }
}

class LogInTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    previous_ = gOperator;
    gOperator = &loggedIn_;
  }
  void TearDown() override {
    gOperator = previous_;
    DatabaseTest::TearDown();
  }
  void AddRow(const QString& loginId, const QString& stored) {
    Db().Execute(
        "insert into operator(LoginId,[Password],Name,Rights) values "
        "(:LoginId,:Password,:LoginId,'')",
        {MakeParam("LoginId", loginId), MakeParam("Password", stored)});
  }
  QString StoredPassword(const QString& loginId) {
    return Scalar("select [Password] from operator where LoginId=:LoginId",
                  {MakeParam("LoginId", loginId)})
        .toString();
  }
  bool Try(const QString& loginId, const QString& password) {
    TOperator candidate;
    return LogIn(candidate, loginId, password);
  }

  TOperator loggedIn_;
  TOperator* previous_ = nullptr;
};

TEST_P(LogInTest, OlderStoredFormsCheckAndAreWrittenAgainOnceAsArgon2id) {
  const struct {
    const char* loginId;
    QString stored;
  } older[] = {
      {"plain", kEntryPassword},
      {"pbkdf2", kPbkdf2Entry},
      {"threepasses", kArgonThreePassesEntry},
  };
  for (const auto& c : older) AddRow(c.loginId, c.stored);
  for (const auto& c : older) {
    EXPECT_FALSE(Try(c.loginId, "geheim密码")) << c.loginId;
    EXPECT_EQ(StoredPassword(c.loginId), c.stored) << c.loginId;

    ASSERT_TRUE(Try(c.loginId, kEntryPassword)) << c.loginId;
    const QString rewritten = StoredPassword(c.loginId);
    EXPECT_TRUE(rewritten.startsWith(kCurrentArgonPrefix)) << rewritten.toStdString();
    EXPECT_EQ(gOperator->Password, rewritten);

    ASSERT_TRUE(Try(c.loginId, kEntryPassword)) << c.loginId;
    EXPECT_EQ(StoredPassword(c.loginId), rewritten) << c.loginId;
  }
}

TEST_P(LogInTest, EntryAskingForTooMuchWorkIsRefusedQuicklyAndKept) {
  const QString forged = QString(kArgonEntry).replace("t=2,", "t=100000,");
  AddRow("forged", forged);
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(Try("forged", kEntryPassword));
  EXPECT_FALSE(Try("forged", forged));
  EXPECT_LT(clock.elapsed(), 1000);  // verified, it would take hours
  EXPECT_EQ(StoredPassword("forged"), forged);
  EXPECT_EQ(gOperator->LoginId, "");
}

TEST_P(LogInTest, SuperUserWithoutPasswordIsOfferedOneUntilItIsSet) {
  ASSERT_TRUE(Try("sa", ""));
  EXPECT_TRUE(ShouldOfferSuperUserPassword(*gOperator));
  gOperator->SetPassword("Neu1");
  EXPECT_FALSE(ShouldOfferSuperUserPassword(*gOperator));
  EXPECT_FALSE(Try("sa", ""));
  ASSERT_TRUE(Try("sa", "Neu1"));
  EXPECT_FALSE(ShouldOfferSuperUserPassword(*gOperator));
}

INSTANTIATE_ON_BOTH_DATABASES(LogInTest);

}  // namespace
