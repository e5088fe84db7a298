// SPDX-License-Identifier: GPL-3.0-or-later
// The log: warnings always reach the terminal; diagnostic lines only when a logging rule asks for them.
#include <gtest/gtest.h>

#include <QLoggingCategory>

#include "platform/Log.h"

namespace {

struct Captured {
  static inline QStringList lines;
  static void handler(QtMsgType, const QMessageLogContext& context, const QString& message) {
    lines << QString::fromLatin1(context.category) + ": " + message;
  }
};

TEST(Log, DiagnosticsAreOffUntilARuleSwitchesThemOnWarningsAreAlwaysOn) {
  const QtMessageHandler previous = qInstallMessageHandler(&Captured::handler);
  const auto emitAll = [] {
    Captured::lines.clear();
    qCDebug(lcVorlaneDiag, "d");
    qCInfo(lcVorlaneDiag, "i");
    qCWarning(lcVorlaneDiag, "w");
    qCWarning(lcVorlane, "v");
    return Captured::lines;
  };
  const QString d = "vorlane.diagnostic: d", i = "vorlane.diagnostic: i", w = "vorlane.diagnostic: w",
                v = "vorlane: v";
  const std::pair<QString, QStringList> cases[] = {
      {"", {w, v}},
      {"vorlane.debug=true;vorlane.info=true", {w, v}},  // the parent's name does not reach it
      {"vorlane.diagnostic=true", {d, i, w, v}},
      {"vorlane.diagnostic.info=true", {i, w, v}},
      {"vorlane.*=true", {d, i, w, v}},
      {"vorlane.diagnostic=true\nvorlane.diagnostic.debug=false", {i, w, v}},
  };
  for (const auto& [rules, want] : cases) {
    QLoggingCategory::setFilterRules(rules);
    EXPECT_EQ(emitAll(), want) << rules.toStdString();
  }
  QLoggingCategory::setFilterRules(QString());
  qInstallMessageHandler(previous);
}

}  // namespace
