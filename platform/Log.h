// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's log: the stand-in for the platform log.
#include <QLoggingCategory>

// Warnings and errors the user or a bug report needs ("vorlane").
Q_DECLARE_LOGGING_CATEGORY(lcVorlane)

// Developer diagnostics ("vorlane.diagnostic"): debug and info lines are off by
// default so a normal run keeps the terminal quiet; switch them on with
// QT_LOGGING_RULES="vorlane.diagnostic=true".
Q_DECLARE_LOGGING_CATEGORY(lcVorlaneDiag)
