// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Log.h"

Q_LOGGING_CATEGORY(lcVorlane, "vorlane")
// Messages below warning are off until a logging rule enables them.
Q_LOGGING_CATEGORY(lcVorlaneDiag, "vorlane.diagnostic", QtWarningMsg)
