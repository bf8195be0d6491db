#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

// Shows the form as a modal dialog without blocking, active, as the operator sees it.
inline void OpenActive(QDialog& form) {
  form.open();
  form.activateWindow();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

inline std::string NameOf(const QWidget* widget) {
  return widget ? widget->objectName().toStdString() : std::string("(none)");
}

// Presses Enter in each field of the list but the last and expects the focus on the next one.
inline void ExpectEnterWalks(const QList<QWidget*>& fields) {
  ASSERT_FALSE(fields.isEmpty());
  fields.first()->setFocus();
  for (qsizetype i = 0; i + 1 < fields.size(); ++i) {
    ASSERT_EQ(QApplication::focusWidget(), fields[i]) << NameOf(QApplication::focusWidget());
    QTest::keyClick(fields[i], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), fields[i + 1])
        << "after " << NameOf(fields[i]) << " focus is on " << NameOf(QApplication::focusWidget());
  }
}
