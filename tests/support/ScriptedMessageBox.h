#pragma once

#include <QList>
#include <QString>

#include "core/base/MessageBox.h"

// Records every box the code under test shows and answers with the results queued by the test
// (OK, or Yes for yes/no boxes, once the queue is empty).
class TScriptedMessageBox : public IMessageBox {
 public:
  struct Shown {
    TMsgKind Kind;
    QString Text;
    TMsgButtons Buttons;
  };

  TMsgResult Show(TMsgKind kind, const QString& text, TMsgButtons buttons) override;

  QList<Shown> Boxes;
  QList<TMsgResult> Answers;

  QStringList Texts() const;
  QString LastText() const { return Boxes.isEmpty() ? QString() : Boxes.last().Text; }
};

// Installs a fresh scripted box for the life of the object and gives the previous one back.
class TMessageScript {
 public:
  TMessageScript();
  ~TMessageScript();
  TScriptedMessageBox& operator*() { return *box_; }
  TScriptedMessageBox* operator->() { return box_; }

 private:
  TScriptedMessageBox* box_;
  std::unique_ptr<IMessageBox> previous_;
};
