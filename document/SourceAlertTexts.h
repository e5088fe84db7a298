// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The alert shown when a picture source is missing: one button, no delegate.
// The document asks for it; each layout shows it its own way.
#include <QString>

namespace document {

struct SourceAlertTexts {
  QString title;
  QString message;
  QString button;
};

}  // namespace document
