// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LibraryMessages.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "sketch/Diagnostics.h"

Q_LOGGING_CATEGORY(lcCodec, "vorlane.codec")
Q_LOGGING_CATEGORY(lcEngine, "vorlane.engine")

namespace platform {

struct CodecMessageCapture::Captured {
  static constexpr std::size_t kLimit = 64 * 1024;
  std::string text;
  FILE* stream = nullptr;
  FILE* previous = nullptr;
};

namespace {

ssize_t appendCaptured(void* cookie, const char* bytes, std::size_t n) {
  std::string& text = static_cast<CodecMessageCapture::Captured*>(cookie)->text;
  text.append(bytes, std::min(n, CodecMessageCapture::Captured::kLimit -
                                     std::min(text.size(), CodecMessageCapture::Captured::kLimit)));
  return ssize_t(n);
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

CodecMessageCapture::CodecMessageCapture() : captured_(new Captured) {
  static const cookie_io_functions_t kFunctions = {nullptr, &appendCaptured, nullptr, nullptr};
  captured_->stream = fopencookie(captured_, "w", kFunctions);
  if (!captured_->stream) return;
  std::setvbuf(captured_->stream, nullptr, _IONBF, 0);
  std::fflush(stderr);
  captured_->previous = stderr;
  stderr = captured_->stream;  // the C library's stderr is an assignable stream
}

CodecMessageCapture::~CodecMessageCapture() {
  if (captured_->stream) {
    stderr = captured_->previous;
    std::fclose(captured_->stream);
  }
  for (const QString& line : QString::fromLocal8Bit(captured_->text).split('\n', Qt::SkipEmptyParts))
    qCWarning(lcCodec, "%s", qPrintable(line));
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
