// Every input the fuzzer found a fault with, replayed through the same path as the fuzzer takes it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz/FuzzBody.h"

TEST(FuzzRegressions, EveryFindingPassesThePhotoPath) {
  const QDir dir(VORLANE_FUZZ_REGRESSIONS);
  const QStringList names = dir.entryList(QDir::Files);
  EXPECT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
    const std::optional<std::string> fault = fuzz::prepareAndRender(file.readAll());
    EXPECT_FALSE(fault) << qPrintable(name) << ": " << fault.value_or("");
  }
}
