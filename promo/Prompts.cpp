// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/Prompts.h"

#include <QCoreApplication>

#include "platform/Resources.h"
#include "platform/widgets/AlertView.h"

namespace promo {

platform::AlertView* newHelpAlert(platform::AlertViewDelegate* delegate, const QString& textKey) {
  return new platform::AlertView(QCoreApplication::translate("promo", "How to"), platform::localizedString(textKey), delegate,
                                 QCoreApplication::translate("promo", "OK"));
}

platform::AlertView* newRateAlert(platform::AlertViewDelegate* delegate) {
  auto* alert = new platform::AlertView(
      QCoreApplication::translate("promo", "Rate?"),
      QCoreApplication::translate("promo", "Could you give us a rate and some suggestions to improve this App?"),
      delegate, QCoreApplication::translate("promo", "No"));
  alert->addButtonWithTitle(QCoreApplication::translate("promo", "Yes"));
  alert->setTag(kRateAlertTag);
  return alert;
}

}  // namespace promo
