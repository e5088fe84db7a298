// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The version and licence that --version and the About dialog state. The version
// comes from the build (CMake's project version, in the generated header).
#include <QtGlobal>

#include "vorlane_version.h"

namespace platform {

inline constexpr const char* kVersion = VORLANE_VERSION;

// The lines that follow "<program> <version>" in --version, in English: both
// programs show them through QCoreApplication::translate("vorlane", ...).
//: The lines --version prints after the program's name and version. Keep the
//: licence's name (GPL-3.0-or-later) and the address as they are.
inline constexpr const char* kLicenceNote = QT_TRANSLATE_NOOP(
    "vorlane",
    "Copyright (C) 2026 Vorlane developers.\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n");

}  // namespace platform
