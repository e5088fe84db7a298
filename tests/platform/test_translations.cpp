// SPDX-License-Identifier: GPL-3.0-or-later
// The session's language: the shipped translations, and the choice among them
// from the languages the user prefers, English (the source) included.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "platform/Translations.h"

namespace {

TEST(Translations, TheFirstPreferredLanguageShippedIsChosenUnlessEnglishComesFirst) {
  for (const auto& [preferred, chosen] : std::initializer_list<std::pair<QStringList, QString>>{
           {{"de-DE", "de"}, "de"},
           {{"en-US", "en", "de"}, ""},  // English, the source language, first
           {{"C"}, ""},
           {{"pt-PT", "pt"}, ""},  // Brazilian Portuguese is not Portugal's
           {{"pt-BR"}, "pt_BR"},
           {{"fr-CA", "fr"}, "fr"},
           {{"xx", "ja-JP"}, "ja"},
           {{}, ""}})
    EXPECT_EQ(platform::chooseLanguage(preferred), chosen) << preferred.join(' ').toStdString();
}

TEST(Translations, InstallingLoadsTheChosenLanguagesFile) {
  for (const auto& [locale, installed] : std::initializer_list<std::pair<QLocale, QString>>{
           {QLocale(QLocale::German, QLocale::Germany), "de"},
           {QLocale(QLocale::Portuguese, QLocale::Brazil), "pt_BR"},
           {QLocale(QLocale::Portuguese, QLocale::Portugal), ""},
           {QLocale(QLocale::English, QLocale::UnitedStates), ""},
           {QLocale::c(), ""}}) {
    EXPECT_EQ(platform::installTranslations(locale), installed) << locale.name().toStdString();
    // Installed on the application, and nothing when English is chosen.
    const QList<QTranslator*> translators = qApp->findChildren<QTranslator*>();
    EXPECT_EQ(translators.isEmpty(), installed.isEmpty()) << locale.name().toStdString();
    for (QTranslator* translator : translators) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }
}

}  // namespace
