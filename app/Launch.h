#pragma once
// Bringing the application up: the delegate of the chosen profile, its window
// shown with the main screen, and the first photo opened.
#include <memory>

#include "app/LaunchOptions.h"
#include "app/UniversalTestAppDelegate.h"

namespace app {

// Creates the delegate of the profile, finishes the launch (window shown with
// the controller as root) and returns it.
std::unique_ptr<UniversalTestAppDelegate> launch(const ChosenProfile& profile);

// The photo opened at start when none is given.
inline constexpr const char* kSamplePhoto = ":/sample/astronaut.png";

}  // namespace app
