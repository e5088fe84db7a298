// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LibraryMessages.h"

#include <unistd.h>

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

#include "sketch/Diagnostics.h"

Q_LOGGING_CATEGORY(lcCodec, "vorlane.codec")
Q_LOGGING_CATEGORY(lcEngine, "vorlane.engine")

namespace platform {

struct CodecMessageCapture::Captured {
  static constexpr std::size_t kLimit = 64 * 1024;
  std::string text;
  QString subject;
  Captured* outer = nullptr;  // the capture this one nests in, on the same thread
};

namespace {

using Captured = CodecMessageCapture::Captured;

// The innermost capture of each thread; none outside a capture.
thread_local Captured* threadCapture = nullptr;

void append(Captured& captured, const char* bytes, std::size_t n) {
  captured.text.append(bytes,
                       std::min(n, Captured::kLimit - std::min(captured.text.size(), Captured::kLimit)));
}

// stderr's writes: to the writing thread's capture, or on to the terminal. The
// stream is unbuffered, so every write reaches here on the thread that made it.
ssize_t routeWrite(void*, const char* bytes, std::size_t n) {
  if (Captured* captured = threadCapture) {
    append(*captured, bytes, n);
    return ssize_t(n);
  }
  std::size_t done = 0;
  while (done < n) {
    const ssize_t written = ::write(STDERR_FILENO, bytes + done, n - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return done > 0 ? ssize_t(done) : -1;
    done += std::size_t(written);
  }
  return ssize_t(n);
}

QtMessageHandler handlerBeforeCapture = nullptr;

// Qt's image plugins log what their codecs say (libpng's warnings, libjpeg's
// messages) in the default category or Qt's own: on a capturing thread those
// belong to the photo being read. Everything else goes on as before, with the
// capture set aside so that a handler printing to stderr reaches the terminal.
void captureHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const char* category = context.category ? context.category : "default";
  Captured* captured = threadCapture;
  if (captured && type != QtFatalMsg &&
      (std::strcmp(category, "default") == 0 || std::strncmp(category, "qt.", 3) == 0)) {
    const QByteArray line = message.toLocal8Bit() + '\n';
    append(*captured, line.constData(), std::size_t(line.size()));
    return;
  }
  threadCapture = nullptr;
  handlerBeforeCapture(type, context, message);
  threadCapture = captured;
}

// Once for the process, whichever thread comes first. The C library's stderr is
// an assignable stream; the old one is never closed, so a thread that read the
// pointer just before still writes somewhere valid.
void routeOnce() {
  static std::once_flag routed;
  std::call_once(routed, [] {
    static const cookie_io_functions_t kFunctions = {nullptr, &routeWrite, nullptr, nullptr};
    if (FILE* stream = fopencookie(nullptr, "w", kFunctions)) {
      std::setvbuf(stream, nullptr, _IONBF, 0);
      std::fflush(stderr);
      stderr = stream;
    }
    handlerBeforeCapture = qInstallMessageHandler(captureHandler);
  });
}

QtMessageHandler previousHandler = nullptr;
QString rulesText;
bool confGiven = false;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg && !confGiven && !loggingRulesAskFor(context.category, type, rulesText)) return;
  if (previousHandler) {
    previousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    std::fflush(stderr);
  }
}

void engineToLog(const char* message) {
  qCWarning(lcEngine, "%s", message);
}

bool patternMatches(const QString& pattern, const QString& name) {
  const bool head = pattern.startsWith('*'), tail = pattern.endsWith('*') && pattern.size() > 1;
  const QString core = pattern.mid(head ? 1 : 0, pattern.size() - (head ? 1 : 0) - (tail ? 1 : 0));
  if (head && tail) return name.contains(core);
  if (head) return name.endsWith(core);
  if (tail) return name.startsWith(core);
  return name == core;
}

}  // namespace

CodecMessageCapture::CodecMessageCapture(const QString& subject) : captured_(new Captured) {
  routeOnce();
  captured_->subject = subject;
  captured_->outer = threadCapture;
  threadCapture = captured_;
}

CodecMessageCapture::~CodecMessageCapture() {
  threadCapture = captured_->outer;
  const QString prefix = captured_->subject.isEmpty() ? QString() : captured_->subject + QStringLiteral(": ");
  for (const QString& line : QString::fromLocal8Bit(captured_->text).split('\n', Qt::SkipEmptyParts))
    qCWarning(lcCodec, "%s", qPrintable(prefix + line));
  delete captured_;
}

void keepLibraryMessagesQuiet() {
  rulesText = qEnvironmentVariable("QT_LOGGING_RULES");
  confGiven = !qEnvironmentVariableIsEmpty("QT_LOGGING_CONF");
  previousHandler = qInstallMessageHandler(quietHandler);
  routeEngineDiagnosticsToLog();
}

void routeEngineDiagnosticsToLog() {
  sketch::setDiagnosticSink(engineToLog);
}

bool loggingRulesAskFor(const char* category, QtMsgType type, const QString& rules) {
  static const char* const kTypes[] = {"debug", "warning", "critical", "fatal", "info"};
  const QString name = QString::fromLatin1(category ? category : "default");
  const QString typeName = QString::fromLatin1(kTypes[std::size_t(type) < 5 ? type : 0]);
  bool asked = false;  // the last matching rule wins, as in Qt's own filter
  for (QString rule : rules.split(QRegularExpression(QStringLiteral("[;\n]")), Qt::SkipEmptyParts)) {
    rule = rule.trimmed();
    const qsizetype eq = rule.indexOf('=');
    if (eq <= 0) continue;
    QString pattern = rule.left(eq).trimmed();
    const QString value = rule.mid(eq + 1).trimmed();
    if (value != "true" && value != "false") continue;
    for (const char* t : kTypes)
      if (pattern.endsWith(QLatin1Char('.') + QLatin1String(t))) {
        if (QLatin1String(t) != typeName)
          pattern.clear();
        else
          pattern.chop(qsizetype(std::strlen(t)) + 1);
        break;
      }
    if (!pattern.isEmpty() && patternMatches(pattern, name)) asked = value == "true";
  }
  return asked;
}

}  // namespace platform
