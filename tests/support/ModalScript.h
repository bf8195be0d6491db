#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QList>
#include <QTimer>
#include <functional>
#include <stdexcept>

// Plays the operator at a modal dialog: while a modal dialog is up, each timer tick runs the next
// step on it. A dialog still up when the steps have run out (or after ten seconds) is cancelled
// and the test fails, so that a wrong refusal cannot hang the run.
class TModalScript {
 public:
  using TStep = std::function<void(QDialog& dialog)>;

  explicit TModalScript(QList<TStep> steps) : steps_(std::move(steps)), deadline_(10000) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(5);
  }

  bool Done() const { return steps_.isEmpty(); }

 private:
  void Tick() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (steps_.isEmpty() || deadline_.hasExpired()) {
      ADD_FAILURE() << "dialog still open: " << dialog->windowTitle().toStdString();
      dialog->reject();
      return;
    }
    steps_.takeFirst()(*dialog);
  }

  QList<TStep> steps_;
  QDeadlineTimer deadline_;
  QTimer timer_;
};

// The form a step works on.
template <class TForm>
TForm& Form(QDialog& dialog) {
  auto* form = qobject_cast<TForm*>(&dialog);
  if (!form) throw std::logic_error("another dialog is up");
  return *form;
}
