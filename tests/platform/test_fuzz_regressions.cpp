// SPDX-License-Identifier: GPL-3.0-or-later
// Every input the fuzzer found a fault with, replayed through the same path as the fuzzer takes it,
// within the fuzzer's memory limit (600 MB resident, this test process included).
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>

#include "fuzz/FuzzBody.h"

TEST(FuzzRegressions, EveryFindingPassesThePhotoPathWithinTheMemoryLimit) {
  const QDir dir(VORLANE_FUZZ_REGRESSIONS);
  const QStringList names = dir.entryList(QDir::Files);
  EXPECT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
    const std::optional<std::string> fault = fuzz::prepareAndRender(file.readAll());
    EXPECT_FALSE(fault) << qPrintable(name) << ": " << fault.value_or("");
  }
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer's shadow memory makes resident size meaningless
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  EXPECT_LT(usage.ru_maxrss, 600L * 1024) << "peak resident set " << usage.ru_maxrss << " KB";
#endif
}
