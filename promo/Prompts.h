// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prompts' alerts, the same in every layout: built here once, shown by
// whichever view the schedule asks.
#include <QString>

namespace platform {
class AlertView;
class AlertViewDelegate;
}  // namespace platform

namespace promo {

// The rating prompt's alert tag: its answer goes to PromptSchedule::rateAnswered.
inline constexpr int kRateAlertTag = 2;

// "How to" with the strings table's help text under textKey.
platform::AlertView* newHelpAlert(platform::AlertViewDelegate* delegate, const QString& textKey);
// "Rate?" with "No" (index 0) and "Yes" (index 1), tagged kRateAlertTag.
platform::AlertView* newRateAlert(platform::AlertViewDelegate* delegate);

}  // namespace promo
