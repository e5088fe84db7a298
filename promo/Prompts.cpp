// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/Prompts.h"

#include "platform/Resources.h"
#include "platform/widgets/AlertView.h"

namespace promo {

platform::AlertView* newHelpAlert(platform::AlertViewDelegate* delegate, const QString& textKey) {
  return new platform::AlertView(QStringLiteral("How to"), platform::localizedString(textKey), delegate,
                                 QStringLiteral("OK"));
}

platform::AlertView* newRateAlert(platform::AlertViewDelegate* delegate) {
  auto* alert = new platform::AlertView(
      QStringLiteral("Rate?"),
      QStringLiteral("Could you give us a rate and some suggestions to improve this App?"), delegate,
      QStringLiteral("No"));
  alert->addButtonWithTitle(QStringLiteral("Yes"));
  alert->setTag(kRateAlertTag);
  return alert;
}

}  // namespace promo
