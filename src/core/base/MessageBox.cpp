#include "core/base/MessageBox.h"

#include <cstdio>

namespace {
std::unique_ptr<IMessageBox>& InstalledBox() {
  static std::unique_ptr<IMessageBox> box = std::make_unique<TConsoleMessageBox>();
  return box;
}
}  // namespace

std::unique_ptr<IMessageBox> InstallMessageBox(std::unique_ptr<IMessageBox> box) {
  if (!box) box = std::make_unique<TConsoleMessageBox>();
  std::swap(InstalledBox(), box);
  return box;
}

IMessageBox& MessageBox() {
  return *InstalledBox();
}

void ShowInfo(const QString& text) {
  MessageBox().Show(TMsgKind::Information, QStringLiteral("\r\n") + text + QLatin1Char('\t'),
                    TMsgButtons::Ok);
}

bool ConfirmDelete(const QString& subject) {
  const QString what = subject.isEmpty() ? QStringLiteral("当前记录") : subject;
  const QString text = QStringLiteral("\r您确定要删除 %1 吗?\t\t").arg(what);
  return MessageBox().Show(TMsgKind::Warning, text, TMsgButtons::OkCancel) == TMsgResult::Ok;
}

TMsgResult TConsoleMessageBox::Show(TMsgKind, const QString& text, TMsgButtons buttons) {
  std::fprintf(stderr, "%s\n", text.trimmed().toLocal8Bit().constData());
  return buttons == TMsgButtons::YesNo || buttons == TMsgButtons::YesNoCancel ? TMsgResult::Yes
                                                                              : TMsgResult::Ok;
}
