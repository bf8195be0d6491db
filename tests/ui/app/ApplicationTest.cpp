#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <functional>
#include <stdexcept>

#include "ScriptedMessageBox.h"
#include "core/base/Errors.h"
#include "ui/forms/ScreenMessageBox.h"

namespace {

// An object whose event handling fails the way the test asks.
class TFailingObject : public QObject {
 public:
  explicit TFailingObject(std::function<void()> fail) : fail_(std::move(fail)) {}
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) fail_();
    return QObject::event(event);
  }

 private:
  std::function<void()> fail_;
};

void Dispatch(std::function<void()> fail) {
  TFailingObject object(std::move(fail));
  QEvent event(QEvent::User);
  QCoreApplication::sendEvent(&object, &event);
}

TEST(ApplicationTest, EventDispatchSwallowsTheSilentAbortAndShowsEveryOtherError) {
  TMessageScript messages;
  Dispatch([] { Abort(); });
  EXPECT_TRUE(messages->Boxes.isEmpty());

  Dispatch([] { throw EError("\r\n卡号不能为空."); });
  Dispatch([] { throw std::runtime_error("disk full"); });
  Dispatch([] { throw 42; });
  ASSERT_EQ(messages->Boxes.size(), 3);
  for (const auto& box : messages->Boxes) {
    EXPECT_EQ(box.Kind, TMsgKind::Error);
    EXPECT_EQ(box.Buttons, TMsgButtons::Ok);
  }
  EXPECT_EQ(messages->Boxes[0].Text, "\r\n卡号不能为空.");
  EXPECT_EQ(messages->Boxes[1].Text, "disk full");
  EXPECT_FALSE(messages->Boxes[2].Text.isEmpty());
}

TEST(ApplicationTest, ScreenBoxShowsLineBreaksAndRoomForTabs) {
  EXPECT_EQ(TScreenMessageBox::DisplayText("\r\n列样式保存成功.\t"), "\n列样式保存成功.    ");
  EXPECT_EQ(TScreenMessageBox::DisplayText("\r您确定要删除 当前记录 吗?\t\t"),
            "\n您确定要删除 当前记录 吗?        ");
}

}  // namespace
