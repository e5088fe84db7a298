// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/MenuText.h"

#include <QRegularExpression>

namespace desktop {

QString plainMenuText(QString text) {
  static const QRegularExpression bracketedKey(QStringLiteral(R"(\s*\(&[^&]\))"));
  text.remove(bracketedKey);
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  for (const QString& dots : {QStringLiteral("..."), QStringLiteral("\u2026")})
    if (text.endsWith(dots)) text.chop(dots.size());
  return text.trimmed();
}

}  // namespace desktop
