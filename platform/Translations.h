// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session's language: the application's own translations (compiled in
// under ":/i18n/") and Qt's (its dialogs' buttons and labels, from Qt's
// translations folder).
#include <QLocale>
#include <QString>
#include <QStringList>

namespace platform {

// The languages shipped besides English, as their .qm files are named.
QStringList shippedLanguages();

// The shipped language to show for a session whose languages, in the order the
// user prefers them, are uiLanguages ("de-DE", "de", ...). English is the
// source language: reaching an English entry (or "C") before any shipped one
// gives an empty result, and so does a list with no shipped language.
QString chooseLanguage(const QStringList& uiLanguages);

// Installs the translations of chooseLanguage(locale.uiLanguages()) on the
// application, which must exist, in place of those installed by an earlier
// call. Returns that language, empty for English.
// Qt's own file missing leaves Qt's texts in English and the rest translated.
QString installTranslations(const QLocale& locale = QLocale::system());

// The language installed by the last installTranslations(), empty for English.
QString installedLanguage();

}  // namespace platform
