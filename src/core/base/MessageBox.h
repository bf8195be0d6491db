#pragma once

#include <QString>
#include <memory>

// Plain: no icon, the program's title as caption.
enum class TMsgKind { Information, Warning, Error, Confirmation, Plain };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TMsgResult { Ok, Cancel, Yes, No };

// Every message box of the program goes through the one instance installed here: the windows
// install on-screen boxes, tests a scripted one, and programs without windows one that writes to
// the error stream and answers OK.
class IMessageBox {
 public:
  virtual ~IMessageBox() = default;
  virtual TMsgResult Show(TMsgKind kind, const QString& text, TMsgButtons buttons) = 0;
};

// Installs the message box implementation; returns the previous one.
std::unique_ptr<IMessageBox> InstallMessageBox(std::unique_ptr<IMessageBox> box);
IMessageBox& MessageBox();

// Information box with one OK button; the text is framed by CR LF and a tab.
void ShowInfo(const QString& text);
// Warning box with OK and Cancel asking to delete the subject ("当前记录" when empty).
bool ConfirmDelete(const QString& subject = QString());

// Answers every box with OK (or Yes) and writes the text to the error stream.
class TConsoleMessageBox : public IMessageBox {
 public:
  TMsgResult Show(TMsgKind kind, const QString& text, TMsgButtons buttons) override;
};
