// Window tests run offscreen with one QApplication for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Veltrix R8 Control 32"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
