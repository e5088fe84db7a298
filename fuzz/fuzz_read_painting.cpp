// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a document file, read whole and for the preview.
#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/PaintingFuzzBody.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_read_painting";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);  // the preview's PNG reader loads through it
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  if (const std::optional<std::string> fault = fuzz::readPaintingBytes(bytes)) {
    std::fprintf(stderr, "document read fault: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
