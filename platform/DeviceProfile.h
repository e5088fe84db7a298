// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Process-wide facts of the running layout profile.
#include <QString>

namespace platform {

// The phone profile's screen height in points (480 or 568), set once by the phone
// main screen when its view loads and read by the phone layout code.
float screenheight();
void setScreenheight(float height);

// The device model name that the running profile stands for: "iPad" for the
// tablet profile, "iPhone" for the phone profile.
QString deviceModel();
void setDeviceModel(const QString& model);

}  // namespace platform
