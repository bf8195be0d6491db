#include <QCoreApplication>

#include "TestDatabase.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  return RunAllTests(argc, argv);
}
