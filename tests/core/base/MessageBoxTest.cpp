#include <gtest/gtest.h>

#include "ScriptedMessageBox.h"
#include "core/base/Gbk.h"
#include "core/base/Scramble.h"
#include "core/db/DataSet.h"

namespace {

TEST(MessageBoxTest, FramesTextsAsTheProgramShowsThem) {
  TMessageScript messages;
  ShowInfo("会卡充值成功!");
  EXPECT_EQ(messages->LastText(), "\r\n会卡充值成功!\t");
  EXPECT_EQ(messages->Boxes.last().Kind, TMsgKind::Information);

  messages->Answers = {TMsgResult::Cancel, TMsgResult::Ok};
  EXPECT_FALSE(ConfirmDelete(""));
  EXPECT_EQ(messages->LastText(), "\r您确定要删除 当前记录 吗?\t\t");
  EXPECT_TRUE(ConfirmDelete("所选中的数据"));
  EXPECT_EQ(messages->LastText(), "\r您确定要删除 所选中的数据 吗?\t\t");
  EXPECT_EQ(messages->Boxes.last().Buttons, TMsgButtons::OkCancel);
}

TEST(MessageBoxTest, DataSetMustBeOpen) {
  TMessageScript messages;
  TDataSet set;
  set.AddField(TFieldType::Integer, "Id");
  EXPECT_FALSE(CheckDataSetOpen(&set));
  EXPECT_EQ(messages->LastText(), "\r\n\r\n系统提示：请先打开数据集再操作.\t");
  set.CreateDataSet();
  EXPECT_TRUE(CheckDataSetOpen(&set));
  EXPECT_EQ(messages->Boxes.size(), 1);
}

TEST(ScrambleTest, MasksEachBytePositionWithTheKey) {
  // Masks for bytes 1..10: key letters l,u,m,t,r,e,e,y,o,p modulo 10.
  const QByteArray zeros(11, '\0');
  EXPECT_EQ(ScrambleText(zeros), QByteArray("\x08\x07\x09\x06\x04\x01\x01\x01\x01\x02\x08", 11));
  EXPECT_EQ(ScrambleText(""), "");
  EXPECT_EQ(ScrambleText("A"), QByteArray(1, 'A' ^ 8));
  for (const QString& text :
       {QString("sa"), QString("密码Pass 1"), QString("(!\"#$%&')"), QString(40, u'x')}) {
    const QByteArray bytes = ToGbk(text);
    const QByteArray scrambled = ScrambleText(bytes);
    EXPECT_EQ(scrambled.size(), bytes.size());
    EXPECT_EQ(ScrambleText(scrambled), bytes);
    for (qsizetype i = 0; i < bytes.size(); ++i) EXPECT_EQ(scrambled[i] & 0xF0, bytes[i] & 0xF0);
  }
  EXPECT_EQ(GbkLength("会员张三ABC12"), 13);
}

}  // namespace
