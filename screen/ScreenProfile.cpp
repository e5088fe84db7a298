// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/ScreenProfile.h"

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
  p.noCamera = {"No Camera!", "There is no Camera on this Device. You can load photo from your album.", "OK"};
  p.noLibrary = {"Error accessing photo library", "Device does not support a photo library", "Drat!"};
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
  p.noCamera = {QString(), "Error accessing photo library!", "Close"};
  p.noLibrary = {QString(), "Error accessing photo library!", "Close"};
  return p;
}

}  // namespace screen
