// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The constants of the main screen per layout profile. The controller's logic is
// written once; the phone and tablet controllers differ only in these numbers.
#include <QRectF>
#include <QString>

#include "document/SourceAlertTexts.h"

namespace screen {

using document::SourceAlertTexts;

struct MainScreenProfile {
  bool phone = true;
  // The size of every full-screen view: background, canvas, bkbtn.
  float screenWidth = 320;
  float screenHeight = 480;

  QRectF toptoolview;     // menu bar container, alpha 0.85
  QRectF menuBarPicture;  // inside the container
  float menuButtonSize = 50;
  float menuButtonTop = 2;
  float menuFirstLeft = 12;
  int menuTitleFont = 12;

  QRectF sketchPanelCollapsed, sketchPanelExpanded;
  QRectF photoAPanelCollapsed, photoAPanelExpanded;
  QRectF panelPicture;  // "listbk.jpg" inside a panel, as tall as the expanded panel
  QRectF listCollapsed, listExpanded;
  int letterFont = 60;
  float rowHeight = 65;

  // Width / height of the canvas's clipping frame: the shape a photo is fitted to.
  float canvasAspect = 0.0f;
  // The phone hides its canvas while a newly picked photo is being prepared.
  bool hideCanvasWhileBusy = true;

  SourceAlertTexts noCamera;
  SourceAlertTexts noLibrary;

  // Frame of menu button i (0..4) inside the menu bar.
  QRectF menuButtonFrame(int i) const {
    return QRectF(menuFirstLeft + i * (menuFirstLeft + menuButtonSize), menuButtonTop, menuButtonSize,
                  menuButtonSize);
  }
};

// screenheight is the phone's screen height in points (480 or 568).
MainScreenProfile phoneScreenProfile(float screenheight);
MainScreenProfile tabletScreenProfile();

}  // namespace screen
