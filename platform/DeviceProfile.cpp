// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceProfile.h"

namespace platform {
namespace {
float g_screenheight = 480.0f;
QString g_deviceModel = QStringLiteral("iPhone");
}  // namespace

float screenheight() { return g_screenheight; }
void setScreenheight(float height) { g_screenheight = height; }
QString deviceModel() { return g_deviceModel; }
void setDeviceModel(const QString& model) { g_deviceModel = model; }

}  // namespace platform
