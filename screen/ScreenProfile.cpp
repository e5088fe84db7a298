// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/ScreenProfile.h"

#include <QCoreApplication>

namespace screen {

MainScreenProfile phoneScreenProfile(float screenheight) {
  const float hs = screenheight;
  MainScreenProfile p;
  p.phone = true;
  p.screenWidth = 320;
  p.screenHeight = hs;
  p.toptoolview = QRectF(0, 0, 320, 55);
  p.menuBarPicture = QRectF(0, 0, 320, 54);
  p.menuButtonSize = 50;
  p.menuButtonTop = 2;
  p.menuFirstLeft = 12;
  p.menuTitleFont = 12;
  p.sketchPanelCollapsed = QRectF(270, hs - 65, 50, 65);
  p.sketchPanelExpanded = QRectF(270, hs - 390, 50, 390);
  p.photoAPanelCollapsed = QRectF(0, hs - 65, 50, 65);
  p.photoAPanelExpanded = QRectF(0, hs - 390, 50, 390);
  p.panelPicture = QRectF(0, 0, 50, 390);
  p.listCollapsed = QRectF(0, 0, 50, 65);
  p.listExpanded = QRectF(0, 0, 50, 390);
  p.letterFont = 60;
  p.rowHeight = 65;
  p.canvasAspect = 280.0f / (hs - 55.0f - 50.0f);
  p.hideCanvasWhileBusy = true;
  p.noCamera = {QCoreApplication::translate("screen", "No Camera!"),
                QCoreApplication::translate("screen", "There is no Camera on this Device. You can load photo from your album."),
                QCoreApplication::translate("screen", "OK")};
  p.noLibrary = {QCoreApplication::translate("screen", "Error accessing photo library"),
                 QCoreApplication::translate("screen", "Device does not support a photo library"), QCoreApplication::translate("screen", "Drat!")};
  return p;
}

MainScreenProfile tabletScreenProfile() {
  MainScreenProfile p;
  p.phone = false;
  p.screenWidth = 768;
  p.screenHeight = 1024;
  p.toptoolview = QRectF(0, 0, 768, 110);
  p.menuBarPicture = QRectF(0, 0, 768, 110);
  p.menuButtonSize = 100;
  p.menuButtonTop = 5;
  p.menuFirstLeft = 45;
  p.menuTitleFont = 24;
  p.sketchPanelCollapsed = QRectF(628, 844, 140, 180);
  p.sketchPanelExpanded = QRectF(628, 124, 140, 900);
  p.photoAPanelCollapsed = QRectF(0, 844, 140, 180);
  p.photoAPanelExpanded = QRectF(0, 124, 140, 900);
  p.panelPicture = QRectF(0, 0, 140, 900);
  p.listCollapsed = QRectF(0, 0, 140, 180);
  p.listExpanded = QRectF(0, 0, 140, 900);
  p.letterFont = 60;
  p.rowHeight = 180;
  p.canvasAspect = 648.0f / 848.0f;
  p.hideCanvasWhileBusy = false;
  p.noCamera = {QString(), QCoreApplication::translate("screen", "Error accessing photo library!"), QCoreApplication::translate("screen", "Close")};
  p.noLibrary = p.noCamera;
  return p;
}

}  // namespace screen
