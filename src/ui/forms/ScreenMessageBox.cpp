#include "ui/forms/ScreenMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/base/Product.h"

namespace {

QString CaptionOf(TMsgKind kind) {
  switch (kind) {
    case TMsgKind::Information:
      return QStringLiteral("信息");
    case TMsgKind::Warning:
      return QStringLiteral("警告");
    case TMsgKind::Error:
      return QStringLiteral("错误");
    case TMsgKind::Confirmation:
      return QStringLiteral("确认");
    case TMsgKind::Plain:
      return AppTitle;
  }
  return {};
}

QMessageBox::Icon IconOf(TMsgKind kind) {
  switch (kind) {
    case TMsgKind::Information:
      return QMessageBox::Information;
    case TMsgKind::Warning:
      return QMessageBox::Warning;
    case TMsgKind::Error:
      return QMessageBox::Critical;
    case TMsgKind::Confirmation:
      return QMessageBox::Question;
    case TMsgKind::Plain:
      return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QString TScreenMessageBox::DisplayText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(u'\r', u'\n');
  shown.replace(u'\t', QStringLiteral("    "));
  return shown;
}

TMsgResult TScreenMessageBox::Show(TMsgKind kind, const QString& text, TMsgButtons buttons) {
  QMessageBox box(IconOf(kind), CaptionOf(kind), DisplayText(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  const auto add = [&box](const QString& caption, QMessageBox::ButtonRole role) {
    return box.addButton(caption, role);
  };
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  switch (buttons) {
    case TMsgButtons::Ok:
      ok = add(QStringLiteral("确定"), QMessageBox::AcceptRole);
      box.setEscapeButton(ok);
      break;
    case TMsgButtons::OkCancel:
      ok = add(QStringLiteral("确定"), QMessageBox::AcceptRole);
      cancel = add(QStringLiteral("取消"), QMessageBox::RejectRole);
      box.setEscapeButton(cancel);
      break;
    case TMsgButtons::YesNo:
      yes = add(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
      no = add(QStringLiteral("否(&N)"), QMessageBox::NoRole);
      box.setEscapeButton(no);
      break;
    case TMsgButtons::YesNoCancel:
      yes = add(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
      no = add(QStringLiteral("否(&N)"), QMessageBox::NoRole);
      cancel = add(QStringLiteral("取消"), QMessageBox::RejectRole);
      box.setEscapeButton(cancel);
      break;
  }
  box.setDefaultButton(ok ? ok : yes);
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  if (clicked && clicked == ok) return TMsgResult::Ok;
  if (clicked && clicked == yes) return TMsgResult::Yes;
  if (clicked && clicked == no) return TMsgResult::No;
  if (buttons == TMsgButtons::Ok) return TMsgResult::Ok;
  return buttons == TMsgButtons::YesNo ? TMsgResult::No : TMsgResult::Cancel;
}
