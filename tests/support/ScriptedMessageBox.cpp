#include "ScriptedMessageBox.h"

TMsgResult TScriptedMessageBox::Show(TMsgKind kind, const QString& text, TMsgButtons buttons) {
  Boxes << Shown{kind, text, buttons};
  if (!Answers.isEmpty()) return Answers.takeFirst();
  return buttons == TMsgButtons::YesNo || buttons == TMsgButtons::YesNoCancel ? TMsgResult::Yes
                                                                              : TMsgResult::Ok;
}

QStringList TScriptedMessageBox::Texts() const {
  QStringList texts;
  for (const Shown& shown : Boxes) texts << shown.Text;
  return texts;
}

TMessageScript::TMessageScript() {
  auto box = std::make_unique<TScriptedMessageBox>();
  box_ = box.get();
  previous_ = InstallMessageBox(std::move(box));
}

TMessageScript::~TMessageScript() {
  InstallMessageBox(std::move(previous_));
}
