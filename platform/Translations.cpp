// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
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
QString& installed() {
  static QString language;
  return language;
}
}  // namespace

QString installedLanguage() {
  return installed();
}

QString installTranslations(const QLocale& locale) {
  auto* app = QCoreApplication::instance();
  if (!app) return {};
  installed().clear();
  // The ones installed before give way: a second call switches the language.
  static QPointer<QTranslator> own, qt;
  for (QPointer<QTranslator>* installed : {&own, &qt}) {
    if (*installed) QCoreApplication::removeTranslator(*installed);
    delete installed->data();
  }
  const QString language = chooseLanguage(locale.uiLanguages());
  if (language.isEmpty()) return {};
  own = new QTranslator(app);
  if (!own->load(QStringLiteral(":/i18n/vorlane_") + language)) {
    delete own.data();
    return {};
  }
  QCoreApplication::installTranslator(own);
  qt = new QTranslator(app);
  if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  else
    delete qt.data();
  installed() = language;
  return language;
}

}  // namespace platform
