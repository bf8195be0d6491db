#include "core/base/Command.h"

#include "core/base/Errors.h"
#include "core/base/MessageBox.h"

QString ErrorReason(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    return {};
  } catch (const EError& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
  } catch (...) {
    return QStringLiteral("未知错误.");
  }
}

void ShowError(std::exception_ptr error) {
  const QString reason = ErrorReason(error);
  if (reason.isEmpty()) return;
  MessageBox().Show(TMsgKind::Error, reason, TMsgButtons::Ok);
}

bool RunCommand(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (...) {
    ShowError(std::current_exception());
    return false;
  }
}

QString NothingSavedText(const QString& reason) {
  return QStringLiteral("\r\n保存失败,没有保存任何数据.\r\n原因: %1\t").arg(reason.trimmed());
}

QString RecordGoneReason() {
  return QStringLiteral("记录已被删除或修改, 请刷新后重试.");
}

bool RunSave(const std::function<bool()>& save) {
  QString reason;
  try {
    if (save()) return true;
    reason = RecordGoneReason();
  } catch (...) {
    reason = ErrorReason(std::current_exception());
    if (reason.isEmpty()) return false;  // the silent abort: the save said why already
  }
  MessageBox().Show(TMsgKind::Error, NothingSavedText(reason), TMsgButtons::Ok);
  return false;
}
