// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry point: a Qt application on the offscreen platform, with settings,
// data and picture folders pointed at a temporary directory so that no test ever
// touches the user's own files.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

#ifdef VORLANE_TEST_GUI_ONLY
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

#include "TestSupport.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  const QString root = home.path();
  for (const char* sub : {"config", "data", "cache", "Pictures", "runtime"}) QDir(root).mkpath(sub);
  qputenv("HOME", root.toUtf8());
  qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
  qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
  qputenv("XDG_CACHE_HOME", (root + "/cache").toUtf8());
  qputenv("XDG_PICTURES_DIR", (root + "/Pictures").toUtf8());
  qputenv("XDG_RUNTIME_DIR", (root + "/runtime").toUtf8());
  QFile::setPermissions(root + "/runtime",
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

  testing::InitGoogleTest(&argc, argv);
  TestApplication app(argc, argv);
  TestApplication::setOrganizationName("Vorlane");
  TestApplication::setApplicationName("vorlane-tests");
  vorlane_test::setTestRoot(root);
  return RUN_ALL_TESTS();
}
