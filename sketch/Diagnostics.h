// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the engine's failure messages ("Memory not allocated!", ...) go. By
// default they are written to stderr as they are, with no line end; a program
// that keeps its own terminal output tidy routes them elsewhere.
namespace sketch {

using DiagnosticSink = void (*)(const char* message);

// Installs sink (nullptr: the default) and returns the one it replaces.
DiagnosticSink setDiagnosticSink(DiagnosticSink sink);

// Hands message to the current sink.
void reportDiagnostic(const char* message);

}  // namespace sketch
