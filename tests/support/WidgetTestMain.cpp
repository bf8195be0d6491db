#include "TestDatabase.h"
#include "ui/app/Application.h"

int main(int argc, char** argv) {
  // Test discovery and runs outside ./test have no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication application(argc, argv);
  return RunAllTests(argc, argv);
}
