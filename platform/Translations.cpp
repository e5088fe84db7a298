// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

QStringList shippedLanguages() {
  QStringList languages;
  for (const QString& name : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("vorlane_*.qm")}))
    languages << name.mid(8, name.size() - 11);
  return languages;
}

QString chooseLanguage(const QStringList& uiLanguages) {
  const QStringList shipped = shippedLanguages();
  for (QString language : uiLanguages) {
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString base = language.section(QLatin1Char('_'), 0, 0);
    if (base == QLatin1String("en") || base == QLatin1String("C") || base == QLatin1String("c")) return {};
    // "de_AT" takes German; "pt_PT" does not take Brazilian Portuguese.
    if (shipped.contains(language)) return language;
    if (shipped.contains(base)) return base;
  }
  return {};
}

namespace {

// The translators live as long as the process, beside whichever application
// object there is: vorlane-sketch reads its arguments under one and renders
// under another, and loads each file once.
struct Installed {
  QString language;  // installed now; empty for English
  QString loaded;    // what the translators hold
  QTranslator own, qt;
  bool qtLoaded = false;
};

Installed& installed() {
  static Installed* state = new Installed;
  return *state;
}

}  // namespace

QString installedLanguage() {
  return installed().language;
}

QString installTranslations(const QLocale& locale) {
  if (!QCoreApplication::instance()) return {};
  Installed& state = installed();
  // The ones installed before give way: a second call switches the language.
  QCoreApplication::removeTranslator(&state.own);
  QCoreApplication::removeTranslator(&state.qt);
  state.language.clear();
  const QString language = chooseLanguage(locale.uiLanguages());
  if (language.isEmpty()) return {};
  if (state.loaded != language) {
    state.loaded.clear();
    if (!state.own.load(QStringLiteral(":/i18n/vorlane_") + language)) return {};
    state.qtLoaded =
        state.qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    state.loaded = language;
  }
  QCoreApplication::installTranslator(&state.own);
  if (state.qtLoaded) QCoreApplication::installTranslator(&state.qt);
  state.language = language;
  return language;
}

}  // namespace platform
