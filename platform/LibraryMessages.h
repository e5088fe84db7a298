// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages from Qt and from the codec libraries beneath it. Some codecs (libpng
// above all) print their complaints straight to stderr; here they become log
// messages like any other, so one message handler decides what reaches a
// terminal.
#include <QString>
#include <QtGlobal>

namespace platform {

// While one lives, what this thread prints to stderr through the C library
// (libpng's and libtiff's own complaints) and the messages Qt's image plugins
// log on this thread are captured (up to 64 KB) and re-issued afterwards, one
// warning per line, in the logging category "vorlane.codec", each line after
// "SUBJECT: " when a subject (the photo's name) is given. Nests; safe on any
// number of threads at once: stderr is routed once, for good, through a stream
// that hands each thread's writes to that thread's capture, and passes the
// rest on to file descriptor 2 unchanged.
class CodecMessageCapture {
 public:
  explicit CodecMessageCapture(const QString& subject = QString());
  ~CodecMessageCapture();
  CodecMessageCapture(const CodecMessageCapture&) = delete;
  CodecMessageCapture& operator=(const CodecMessageCapture&) = delete;
  struct Captured;  // what has been captured so far

 private:
  Captured* captured_;
};

// For a program whose terminal output is part of its contract: installs a
// message handler that drops every message (Qt's, the codecs', the program's
// own log) unless QT_LOGGING_RULES names its category with "=true" or
// QT_LOGGING_CONF gives rules, and sends the sketch engine's diagnostics
// through it, one message each, in the category "vorlane.engine".
void keepLibraryMessagesQuiet();

// Sends the sketch engine's diagnostics ("Memory not allocated!", written to
// stderr with no line end by default) to the log instead, one message each, in
// the category "vorlane.engine".
void routeEngineDiagnosticsToLog();

// Whether a category is named by a rule that turns it on ("cat=true",
// "cat.warning=true", "qt.*=true", "*=true"), in the syntax of QT_LOGGING_RULES.
bool loggingRulesAskFor(const char* category, QtMsgType type, const QString& rules);

}  // namespace platform
