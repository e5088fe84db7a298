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

QString installTranslations(const QLocale& locale) {
  const QString language = chooseLanguage(locale.uiLanguages());
  auto* app = QCoreApplication::instance();
  if (language.isEmpty() || !app) return {};
  auto* own = new QTranslator(app);
  if (!own->load(QStringLiteral(":/i18n/vorlane_") + language)) {
    delete own;
    return {};
  }
  QCoreApplication::installTranslator(own);
  auto* qt = new QTranslator(app);
  if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  else
    delete qt;
  return language;
}

}  // namespace platform
