# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --build build --target package` makes vorlane_<version>_amd64.deb from
# the install rules, with Depends computed by dpkg-shlibdeps (dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlane)
set(CPACK_PACKAGE_VENDOR "Vorlane developers")
set(CPACK_PACKAGE_CONTACT "Vorlane developers <hello@vorlane.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo to pencil sketch, with the colour painted back")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Vorlane renders a photo as a pencil sketch in one of seven styles. Brush over\n"
  "the sketch with a finger or the mouse and the colour photo shows through.\n"
  "Undo and redo whole strokes, pan and zoom, then save the picture at the\n"
  "photo's own resolution or send it by mail.\n"
  "\n"
  "The package also holds vorlane-sketch, which renders photos or whole folders\n"
  "of photos as sketches from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_THREADS 0)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vorlane.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Share hands the picture to xdg-email; Qt's Wayland platform plugin lives apart
# from its X11 one; Qt's own dialogs and buttons (the file chooser, Yes and No)
# come translated only from Qt's translations package (the app's own texts
# are built in).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)

include(CPack)
