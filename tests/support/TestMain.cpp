#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "app/Product.h"
#include "config/Formats.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  SetProductGlobals();
  InstallProcessFormats();
  InstallMessageBox(std::make_unique<TScriptedMessageBox>());
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(NewPostgresCleanup());
  return RUN_ALL_TESTS();
}
