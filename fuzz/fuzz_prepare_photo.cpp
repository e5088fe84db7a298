// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes through photo preparation and a sketch render.
#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzBody.h"
#include "platform/LibraryMessages.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_prepare_photo";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);  // Qt's image plugins load through it
  // Codec chatter stays out of the way; sanitizer reports do not go through it.
  platform::keepLibraryMessagesQuiet();
  return 0;
}

// VORLANE_FUZZ_REPEAT=N runs every input N times: Qt splits large conversions
// over its thread pool, and a fault that depends on how the threads meet shows
// only in some runs (fuzz/run.sh replays its corpus this way).
int repeats() {
  static const int n = std::clamp(qEnvironmentVariableIntValue("VORLANE_FUZZ_REPEAT"), 1, 1000);
  return n;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  for (int run = 0; run < repeats(); ++run) {
    if (const std::optional<std::string> fault = fuzz::prepareAndRender(bytes)) {
      std::fprintf(stderr, "photo path fault: %s\n", fault->c_str());
      std::abort();
    }
  }
  return 0;
}
