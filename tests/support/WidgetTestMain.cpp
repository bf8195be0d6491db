#include <gtest/gtest.h>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "app/Application.h"
#include "app/Product.h"
#include "config/Formats.h"

int main(int argc, char** argv) {
  // Test discovery and runs outside ./test have no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication application(argc, argv);
  SetProductGlobals();
  InstallProcessFormats();
  InstallMessageBox(std::make_unique<TScriptedMessageBox>());
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(NewPostgresCleanup());
  return RUN_ALL_TESTS();
}
