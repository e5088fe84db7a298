#include "app/Launch.h"

#include "app/UniversalTestAppDelegate_iPad.h"
#include "app/UniversalTestAppDelegate_iPhone.h"
#include "platform/DeviceProfile.h"

namespace app {

std::unique_ptr<UniversalTestAppDelegate> launch(const ChosenProfile& profile) {
  std::unique_ptr<UniversalTestAppDelegate> delegate;
  if (profile.profile == Profile::Tablet) {
    platform::setDeviceModel(QStringLiteral("iPad"));
    delegate = std::make_unique<UniversalTestAppDelegate_iPad>();
  } else {
    platform::setDeviceModel(QStringLiteral("iPhone"));
    delegate = std::make_unique<UniversalTestAppDelegate_iPhone>(profile.screenHeight);
  }
  delegate->applicationDidFinishLaunchingWithOptions({});
  return delegate;
}

}  // namespace app
