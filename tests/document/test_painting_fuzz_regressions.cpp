// SPDX-License-Identifier: GPL-3.0-or-later
// Every document the fuzzer found a fault with, and the crafted ones kept beside
// them, replayed through the fuzzer's own path: "accepted-" files must be read,
// "refused-" ones refused, none may fault.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz/PaintingFuzzBody.h"

TEST(PaintingFuzzRegressions, EveryFileIsReadOrRefusedAsItsNameSays) {
  const QDir dir(VORLANE_PAINTING_FUZZ_REGRESSIONS);
  const QStringList names = dir.entryList(QDir::Files);
  EXPECT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
    const QByteArray bytes = file.readAll();
    const std::optional<std::string> fault = fuzz::readPaintingBytes(bytes);
    EXPECT_FALSE(fault) << qPrintable(name) << ": " << fault.value_or("");
    if (!name.startsWith("accepted-") && !name.startsWith("refused-")) continue;
    const QString copy = QDir::temp().filePath("vorlane-regression-" + name);
    QFile::remove(copy);
    ASSERT_TRUE(file.copy(copy));
    EXPECT_EQ(document::readPaintingFile(copy).has_value(), name.startsWith("accepted-")) << qPrintable(name);
    QFile::remove(copy);
  }
}
