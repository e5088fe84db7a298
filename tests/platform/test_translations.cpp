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

// Each call takes the place of the one before; English and Portugal's
// Portuguese leave the source texts.
TEST(Translations, InstallingSwitchesTheLanguageTheTextsAreShownIn) {
  for (const auto& [locale, installed, file] : std::initializer_list<std::tuple<QLocale, QString, QString>>{
           {QLocale(QLocale::German, QLocale::Germany), "de", "&Datei"},
           {QLocale(QLocale::Portuguese, QLocale::Brazil), "pt_BR", "&Arquivo"},
           {QLocale(QLocale::German, QLocale::Austria), "de", "&Datei"},
           {QLocale(QLocale::Portuguese, QLocale::Portugal), "", "&File"},
           {QLocale(QLocale::English, QLocale::UnitedStates), "", "&File"},
           {QLocale::c(), "", "&File"}}) {
    SCOPED_TRACE(locale.name().toStdString());
    EXPECT_EQ(platform::installTranslations(locale), installed);
    EXPECT_EQ(platform::installedLanguage(), installed);
    EXPECT_EQ(QCoreApplication::translate("desktop::DesktopWindow", "&File"), file);
  }
}

}  // namespace
