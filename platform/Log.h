#pragma once
// The application's diagnostic log: the stand-in for the platform log.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcVorlane)
