// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phone and tablet main screen: background, canvas, busy indicator, menu bar
// and the two style panels, a view over the document, the prompt schedule and
// the canvas model. The phone and tablet controllers only supply their constants.
#include <QFileDialog>
#include <QPointer>
#include <QRectF>
#include <QWidget>
#include <optional>

#include "platform/widgets/AlertView.h"
#include "platform/widgets/CameraCapture.h"
#include "screen/ScreenProfile.h"

class QListWidget;
namespace promo {
class UIGotoMoreView;
}

namespace canvas {
class VorlaneView;
}
namespace platform {
class ActivityIndicator;
class PictureButton;
class ShadowLabel;
}  // namespace platform

namespace document {
class PromptSchedule;
class SketchDocument;
}  // namespace document

namespace screen {

class FireElementCell;
// The views keep their names for the objects they view.
using document::PromptSchedule;
using document::SketchDocument;

class MainViewController : public QWidget, public platform::AlertViewDelegate {
  Q_OBJECT
 public:
  // List tags: which style list a callback is about.
  static constexpr int kSketchTypeTag = 1;
  static constexpr int kPhotoATypeTag = 2;

  ~MainViewController() override;

  // Runs the start-up sequence once. The view must already have its profile
  // size: the phone reads its screen height from it.
  void loadViewIfNeeded();
  bool isViewLoaded() const { return viewLoaded_; }

  const MainScreenProfile& profile() const { return profile_; }
  SketchDocument* document() const { return document_; }
  PromptSchedule* schedule() const { return schedule_; }

  // --- Views ----------------------------------------------------------------
  canvas::VorlaneView* workview() const { return workview_; }
  platform::ActivityIndicator* processindicator() const { return processindicator_; }
  platform::PictureButton* bkbtn() const { return bkbtn_; }
  platform::PictureButton* albumbtn() const { return menuButtons_[0]; }
  platform::PictureButton* camerabtn() const { return menuButtons_[1]; }
  platform::PictureButton* savebtn() const { return menuButtons_[2]; }
  platform::PictureButton* sharebtn() const { return menuButtons_[3]; }
  platform::PictureButton* helpbtn() const { return menuButtons_[4]; }
  platform::ShadowLabel* menuTitle(int i) const { return menuTitles_[i]; }
  QWidget* sketchtypebaseview() const { return sketchtypebaseview_; }
  QListWidget* sketchtypetableview() const { return sketchtypetableview_; }
  platform::ShadowLabel* sketchtypetitle() const { return sketchtypetitle_; }
  platform::PictureButton* showsketchtypeviewbtn() const { return showsketchtypeviewbtn_; }
  bool showsketchtypeview() const { return showsketchtypeview_; }
  QWidget* photoAtypebaseview() const { return photoAtypebaseview_; }
  QListWidget* photoAtypetableview() const { return photoAtypetableview_; }
  platform::PictureButton* showphotoAtypeviewbtn() const { return showphotoAtypeviewbtn_; }
  bool showphotoAtypeview() const { return showphotoAtypeview_; }
  // The panels' frames as set (the widgets slide there).
  QRectF sketchtypebaseviewFrame() const { return sketchPanelFrame_; }
  QRectF photoAtypebaseviewFrame() const { return photoAPanelFrame_; }
  QFileDialog* albumDialog() const { return albumDialog_; }
  platform::CameraCapture* cameraView() const { return cameraView_; }
  // The more-apps dialog while it is on screen, else null.
  promo::UIGotoMoreView* gotomoreview() const;

  // --- Style lists ------------------------------------------------------------
  int numberOfRowsInSection(int tag) const;
  float heightForRow(int tag, int row) const;
  // A configured cell for row `row` of the list with `tag` (its thumbnail read
  // afresh from the resources).
  FireElementCell* cellForRow(int tag, int row);
  void didSelectRow(int tag, int row);

  // True while an alert, an expanded panel or a dialog covers the canvas.
  bool canvasCovered() const;

  void alertViewDidDismissWithButtonIndex(platform::AlertView* alertView, int buttonIndex) override;

 public slots:
  // Menu commands.
  void albumbtnclicked();
  void camerabtnclicked();
  void savebtnclicked();
  void sharebtnclicked();
  void helpbtnclicked();

  // Panels.
  void bkbtnclicked();
  void showsketchtypeviewbtnclicked();
  void showphotoAtypeviewbtnclicked();

  // Prompts.
  void showratedialog();
  void doshowmoredlg();

 protected:
  MainViewController(QWidget* parent = nullptr);

  // The constants of the profile, asked for once the screen height is known.
  virtual MainScreenProfile makeProfile() const = 0;
  virtual canvas::VorlaneView* createCanvas(const QRectF& frame, QWidget* parent) const = 0;
  virtual FireElementCell* createCell() const = 0;
  // The phone takes its screen height from its view when the view loads.
  virtual bool readsScreenHeightFromView() const = 0;

  virtual void viewDidLoad();

  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // What the screen showed before a pick whose render is still pending.
  struct ShownBeforePick {
    bool canvasHidden = true;
    bool panelsShown = false;
  };

  void buildViews();
  void buildMenuBar();
  QWidget* buildPanel(int tag, const QRectF& collapsed, const QString& letter, QListWidget** list,
                      platform::ShadowLabel** title, platform::PictureButton** button);
  void bindDocument();
  void fillList(QListWidget* list, int tag);
  void installShortcuts();
  void scrollListToRow(QListWidget* list, int row);
  void setPanelExpanded(int tag, bool expanded);
  void slideTo(QWidget* widget, const QRectF& frame);
  void showBusy(bool busy);
  void showAlert(const SourceAlertTexts& texts);
  // Shows alert over the screen and tells the schedule until it is dismissed.
  void openAlert(platform::AlertView* alert);
  bool canvasActs() const;
  void closeMoreDialog();

  MainScreenProfile profile_;
  bool viewLoaded_ = false;
  SketchDocument* document_ = nullptr;
  PromptSchedule* schedule_ = nullptr;

  canvas::VorlaneView* workview_ = nullptr;
  platform::PictureButton* menuButtons_[5] = {};
  platform::ShadowLabel* menuTitles_[5] = {};
  QWidget* sketchtypebaseview_ = nullptr;
  QListWidget* sketchtypetableview_ = nullptr;
  bool showsketchtypeview_ = false;
  platform::ShadowLabel* sketchtypetitle_ = nullptr;
  platform::PictureButton* showsketchtypeviewbtn_ = nullptr;
  QWidget* photoAtypebaseview_ = nullptr;
  QListWidget* photoAtypetableview_ = nullptr;
  bool showphotoAtypeview_ = false;
  platform::ShadowLabel* photoAtypetitle_ = nullptr;
  platform::PictureButton* showphotoAtypeviewbtn_ = nullptr;
  platform::PictureButton* bkbtn_ = nullptr;
  QRectF sketchPanelFrame_;
  QRectF photoAPanelFrame_;
  platform::ActivityIndicator* processindicator_ = nullptr;
  std::optional<ShownBeforePick> shownBeforePick_;

  QPointer<QFileDialog> albumDialog_;
  QPointer<platform::CameraCapture> cameraView_;
  QPointer<promo::UIGotoMoreView> gotomoreview_;
};

}  // namespace screen
