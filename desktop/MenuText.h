// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace desktop {

// A menu or label text as words alone, for a toolbar button or an accessible
// name: without its key mark ("&", or "(&F)" as Japanese writes it) and without
// the dots of a command that asks first ("..." or "…"). Qt's own stripping
// drops only "&" and "...".
QString plainMenuText(QString text);

}  // namespace desktop
