#pragma once
// The main screen: the only screen of the application. One class holds all of its
// behaviour (start-up, menu, style panels, photo acquisition, render pass, help
// and rating); the phone and tablet controllers only supply their constants.
#include <QFileDialog>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRectF>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <QWidget>
#include <memory>
#include <optional>

#include "platform/PhotoDecoder.h"
#include "platform/widgets/AlertView.h"
#include "platform/widgets/CameraCapture.h"
#include "screen/RenderBreakdown.h"
#include "screen/ScreenProfile.h"
#include "sketch/PixelBuffer.h"

class QListWidget;
class QThreadPool;
class QTimer;
class UIGotoMoreView;
class QShortcut;
class QGraphicsOpacityEffect;

class VorlaneView;
namespace platform {
class ActivityIndicator;
class PictureButton;
class ShadowLabel;
class UserDefaults;
}  // namespace platform

namespace screen {

class FireElementCell;
class StyleRenderer;
class StretchImageView;

class MainViewController : public QWidget, public platform::AlertViewDelegate {
  Q_OBJECT
 public:
  // List tags: which style list a callback is about.
  static constexpr int kSketchTypeTag = 1;
  static constexpr int kPhotoATypeTag = 2;
  // The rating prompt's alert tag.
  static constexpr int kRateAlertTag = 2;
  static constexpr int kHelpDelayMs = 500;
  static constexpr int kRateDelayMs = 90000;
  static constexpr int kRenderDelayMs = 500;

  ~MainViewController() override;

  // Runs the start-up sequence once. The view must already have its profile
  // size: the phone reads its screen height from it.
  void loadViewIfNeeded();
  bool isViewLoaded() const { return viewLoaded_; }

  const MainScreenProfile& profile() const { return profile_; }

  // --- Shared state -------------------------------------------------------
  int currenttype() const { return currenttype_; }
  int currentAtype() const { return currentAtype_; }
  bool imgchanged() const { return imgchanged_; }
  void setImgchanged(bool changed) { imgchanged_ = changed; }
  const QImage& orgimg() const { return orgimg_; }
  void setOrgimg(const QImage& image) { orgimg_ = image; }
  const sketch::GrayPlane& grayimgdata() const { return grayimgdata_; }
  int lastwidth() const { return lastwidth_; }
  int lastheight() const { return lastheight_; }
  int rate_kick() const { return rate_kick_; }
  int more_kick() const { return more_kick_; }
  int more_times() const { return more_times_; }
  const QVariantList& more_array() const { return more_array_; }
  const QVariantMap& appdata() const { return appdata_; }
  const QStringList& sketchbrusharray() const { return sketchbrusharray_; }
  const QStringList& sketchtypearray() const { return sketchtypearray_; }
  platform::UserDefaults* defaultsetting() const { return defaultsetting_; }
  // The name of the photo on the canvas (or waiting for its render).
  const QString& photoName() const { return photoName_; }

  // --- Views ----------------------------------------------------------------
  VorlaneView* workview() const { return workview_; }
  StretchImageView* backgroundView() const { return background_; }
  platform::ActivityIndicator* processindicator() const { return processindicator_; }
  platform::PictureButton* bkbtn() const { return bkbtn_; }
  QWidget* toptoolview() const { return toptoolview_; }
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
  platform::ShadowLabel* photoAtypetitle() const { return photoAtypetitle_; }
  platform::PictureButton* showphotoAtypeviewbtn() const { return showphotoAtypeviewbtn_; }
  bool showphotoAtypeview() const { return showphotoAtypeview_; }
  // The panels' frames as set (the widgets slide there).
  QRectF sketchtypebaseviewFrame() const { return sketchPanelFrame_; }
  QRectF photoAtypebaseviewFrame() const { return photoAPanelFrame_; }
  QFileDialog* albumDialog() const { return albumDialog_; }
  platform::CameraCapture* cameraView() const { return cameraView_; }
  QTimer* helpTimer() const { return helpTimer_; }
  QTimer* rateTimer() const { return rateTimer_; }

  // --- More-apps dialog -------------------------------------------------------
  static constexpr int kMoreFirstDelayS = 30;
  static constexpr int kMoreAgainDelayS = 300;
  // Schedules a showing after `seconds` when the counter allows and none is pending.
  void showmoredlgafter(int seconds);
  // Puts a new dialog on screen, over everything else of the main screen.
  void doshowmoredlg();
  // "Get it" ("kGotoMore"): object is the index of the entry shown.
  void gotomore(const QVariant& object);
  // "Next time" ("kKillMore").
  void killmore();
  // The dialog while it is on screen, else null.
  UIGotoMoreView* gotomoreview() const;
  // The pending showing's timer (single shot, interval in ms).
  QTimer* moreTimer() const { return moreTimer_; }

  // --- Style lists ------------------------------------------------------------
  int numberOfRowsInSection(int tag) const;
  float heightForRow(int tag, int row) const;
  // A configured cell for row `row` of the list with `tag` (its thumbnail read
  // afresh from the resources).
  FireElementCell* cellForRow(int tag, int row);
  void didSelectRow(int tag, int row);

  // The time spent in each stage of the last render pass.
  const RenderBreakdown& lastRenderBreakdown() const { return breakdown_; }

  // True while an alert, an expanded panel or a dialog covers the canvas.
  bool canvasCovered() const;

  void alertViewDidDismissWithButtonIndex(platform::AlertView* alertView, int buttonIndex) override;

 public slots:
  // Menu commands.
  void albumbtnclicked();
  void camerabtnclicked();
  virtual void savebtnclicked();
  virtual void sharebtnclicked();
  void helpbtnclicked();

  // Panels.
  void bkbtnclicked();
  void showsketchtypeviewbtnclicked();
  void showphotoAtypeviewbtnclicked();

  // Help and rating.
  void showratedialog();
  void gotorate();

  // The render pass: brings the canvas up to date with the prepared photo and
  // the selected style numbers.
  void dosketch();

  // The one way a photo file comes in (file dialog, command line, file manager,
  // drops): decodes and prepares it, fits it to the canvas and schedules the
  // render. A file that cannot be opened shows an alert and changes nothing.
  bool pickPhotoFile(const QString& path);
  // A picture that arrives decoded (camera, dropped image data).
  bool pickImage(const QImage& image, const QString& name);
  // The picker closed without a photo: nothing changes.
  void imagePickerControllerDidCancel();

 signals:
  // Emitted at the end of every render pass; ok is false when the pass kept the
  // previous pictures because rendering failed.
  void renderPassFinished(bool ok);
  // Emitted when a save has ended and its alert is up: ok with the new file's
  // path, or not ok with the reason shown.
  void saveFinished(bool ok, const QString& pathOrReason);
  // Emitted when a share has handed the picture on: with the attachment's path
  // when a mail program was started, with an empty path when the mail link opened.
  void shareHandedOn(const QString& attachmentPath);

 protected:
  MainViewController(QWidget* parent = nullptr);

  // The constants of the profile, asked for once the screen height is known.
  virtual MainScreenProfile makeProfile() const = 0;
  virtual VorlaneView* createCanvas(const QRectF& frame, QWidget* parent) const = 0;
  virtual FireElementCell* createCell() const = 0;
  // The phone takes its screen height from its view when the view loads.
  virtual bool readsScreenHeightFromView() const = 0;

  virtual void viewDidLoad();

  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // What the canvas showed before a pick whose render is still pending.
  struct PendingPick {
    QImage orgimg;
    QString photoName;
    float offsetratio_x = 0;
    float offsetratio_y = 0;
    bool bigwidth = true;
    float linesize = 0;
    bool imgchanged = true;
    bool canvasHidden = true;
    bool panelsShown = false;
  };

  void buildViews();
  void buildMenuBar();
  QWidget* buildPanel(int tag, const QRectF& collapsed, const QString& letter, QListWidget** list,
                      platform::ShadowLabel** title, platform::PictureButton** button);
  void fillList(QListWidget* list, int tag);
  void installShortcuts();
  void scrollListToRow(QListWidget* list, int row);
  void setPanelExpanded(int tag, bool expanded);
  void slideTo(QWidget* widget, const QRectF& frame);
  int clampStyle(int style) const;

  void applyPickedPhoto(platform::PreparedPhoto photo, const QString& name);
  void showOpenFailure(const QString& name, const QString& reason);
  void renderFailed(const QString& detail);
  void showSourceAlert(const SourceAlertTexts& texts);
  bool canvasActs() const;
  void stepSlider(float delta);

  MainScreenProfile profile_;
  bool viewLoaded_ = false;

  QVariantMap appdata_;
  QStringList sketchbrusharray_;
  QStringList sketchtypearray_;
  platform::UserDefaults* defaultsetting_ = nullptr;

  VorlaneView* workview_ = nullptr;
  StretchImageView* background_ = nullptr;
  QWidget* toptoolview_ = nullptr;
  QGraphicsOpacityEffect* toptoolOpacity_ = nullptr;
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

  int currenttype_ = 0;
  int currentAtype_ = 0;
  sketch::GrayPlane grayimgdata_;
  int lastwidth_ = 0;
  int lastheight_ = 0;
  bool imgchanged_ = true;
  QImage orgimg_;
  platform::ActivityIndicator* processindicator_ = nullptr;
  int more_times_ = 0;
  int more_kick_ = 0;
  QVariantList more_array_;
  int rate_kick_ = 0;

  QString photoName_;
  // What the canvas showed before a pick whose render is still pending, so that
  // a photo that cannot be rendered leaves the previous one in place.
  std::optional<PendingPick> pendingPick_;
  std::unique_ptr<StyleRenderer> renderer_;
  RenderBreakdown breakdown_;

  QPointer<QFileDialog> albumDialog_;
  QPointer<platform::CameraCapture> cameraView_;
  QTimer* helpTimer_ = nullptr;
  QTimer* rateTimer_ = nullptr;
  QList<QShortcut*> shortcuts_;

  // Save and share: the picture is written off the main thread, one job at a time.
  bool finalPictureOrAlert(QImage* picture);
  void shareByMailLink();
  QThreadPool* saveThreads_ = nullptr;

  // More-apps dialog.
  void closeMoreDialog();
  QPointer<UIGotoMoreView> gotomoreview_;
  QTimer* moreTimer_ = nullptr;
};

}  // namespace screen
