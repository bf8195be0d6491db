#include <gtest/gtest.h>

#include "TestDatabase.h"
#include "core/config/KeyValue.h"
#include "core/config/PickLists.h"
#include "core/db/RecordSet.h"

namespace {

class KeyValueTest : public DatabaseTest {};

TEST_P(KeyValueTest, NeverStoredFlagReadsFalseAndInsertsItsRowOnce) {
  TKeyValue2 values;
  EXPECT_FALSE(values.DailyTipPrompt());
  EXPECT_FALSE(values.DailyTipPrompt());
  EXPECT_EQ(Scalar("select count(*) from keyvalue").toInt(), 1);
  EXPECT_EQ(Scalar("select KeyId from keyvalue").toInt(), TKeyValue2::DailyTipPromptKey);
}

TEST_P(KeyValueTest, FlagWriteOverwritesTheWholeRowAndLastsIntoTheNextRun) {
  ASSERT_TRUE(TKeyValue2::UpsertValues(TKeyValue2::FeedbackPromptKey, "旧文本", 7, 2.5, false));
  {
    TKeyValue2 values;
    values.SetFeedbackPrompt(true);
    EXPECT_TRUE(values.FeedbackPrompt());
  }
  TKeyValue2 nextRun;
  EXPECT_TRUE(nextRun.FeedbackPrompt());
  TRecordSet stored;
  stored.OpenSql("select Vstr, Vint, Vfloat, Vbool from keyvalue where KeyId=0");
  ASSERT_EQ(stored.DataSet()->RecordCount(), 1);
  EXPECT_EQ(stored.FieldByName("Vstr")->AsString(), "");
  EXPECT_EQ(stored.FieldByName("Vint")->AsInteger(), 0);
  EXPECT_EQ(stored.FieldByName("Vfloat")->AsFloat(), 0.0);
  EXPECT_TRUE(stored.FieldByName("Vbool")->AsBoolean());
}

// Storing a key other than the current row's changes that key's cached row only.
TEST_P(KeyValueTest, StoredValuesReachTheKeysOwnCachedRow) {
  TKeyValue2 values;
  values.EnsureKey(TKeyValue2::FeedbackPromptKey);
  values.EnsureKey(TKeyValue2::DailyTipPromptKey);
  ASSERT_TRUE(values.StoreValues(TKeyValue2::FeedbackPromptKey, "甲", 3, 1.5, true));
  ASSERT_TRUE(values.StoreValues(5, "乙", 4, 0.5, true));
  EXPECT_FALSE(values.DailyTipPrompt());
  values.EnsureKey(TKeyValue2::FeedbackPromptKey);
  EXPECT_EQ(values.FieldByName("Vstr")->AsString(), "甲");
  EXPECT_TRUE(values.FieldByName("Vbool")->AsBoolean());
  values.EnsureKey(5);
  EXPECT_EQ(values.FieldByName("Vint")->AsInteger(), 4);
  EXPECT_EQ(values.DataSet()->RecordCount(), 3);
  EXPECT_EQ(Scalar("select count(*) from keyvalue").toInt(), 3);
}

class PickListTest : public DatabaseTest {
 protected:
  QString Keys() {
    TRecordSet keys;
    keys.OpenSql("select [Key] from options order by [Key]");
    return keys.JoinValues(keys.DataSet()->Field(0), ",");
  }
};

TEST_P(PickListTest, CountGrowsTheTableAndNeverShrinksIt) {
  TPickListSet lists;
  EXPECT_EQ(lists.Count(), 0);
  lists.SetCount(3);
  EXPECT_EQ(lists.Count(), 3);
  EXPECT_EQ(Keys(), "1,2,3");
  EXPECT_EQ(Scalar("select count(*) from options where List is null").toInt(), 3);
  lists.SetCount(2);
  EXPECT_EQ(lists.Count(), 3);
  EXPECT_EQ(Keys(), "1,2,3");
}

TEST_P(PickListTest, NewRowsFollowTheHighestKey) {
  Db().Execute("insert into options([Key], Label) values (5, '甲')");
  Db().Execute("insert into options([Key], Label) values (9, '乙')");
  TPickListSet lists;
  lists.SetCount(4);
  EXPECT_EQ(lists.Count(), 4);
  EXPECT_EQ(Keys(), "5,9,10,11");
}

INSTANTIATE_ON_BOTH_DATABASES(KeyValueTest);
INSTANTIATE_ON_BOTH_DATABASES(PickListTest);

}  // namespace
