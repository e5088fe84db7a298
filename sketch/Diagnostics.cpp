// SPDX-License-Identifier: GPL-3.0-or-later
#include "sketch/Diagnostics.h"

#include <atomic>
#include <cstdio>

namespace sketch {
namespace {

void writeToStderr(const char* message) {
  std::fputs(message, stderr);
  std::fflush(stderr);
}

std::atomic<DiagnosticSink> currentSink{&writeToStderr};

}  // namespace

DiagnosticSink setDiagnosticSink(DiagnosticSink sink) {
  return currentSink.exchange(sink ? sink : &writeToStderr);
}

void reportDiagnostic(const char* message) {
  currentSink.load()(message);
}

}  // namespace sketch
