// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop layout: a resizable main window with menus, a toolbar, a style
// dock and a status bar around a canvas that fills it. It is one more view of
// the same document, prompt schedule and canvas model as the phone and tablet
// screens; every command goes to them.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

#include "document/Timelapse.h"
#include "platform/widgets/AlertView.h"

class QAction;
class QActionGroup;
class QDialog;
class QFileDialog;
class QLabel;
class QMenu;
class QMessageBox;
class QMimeData;
class QProgressBar;
class QSettings;
class QSlider;
class QToolBar;
class QToolButton;

namespace canvas {
class CanvasModel;
class PlateView;
}  // namespace canvas
namespace platform {
class ActivityIndicator;
class CameraCapture;
}  // namespace platform
namespace document {
class PromptSchedule;
class SketchDocument;
class StyleThumbnails;
}  // namespace document

namespace desktop {

class CanvasArea;
class PromptStrips;
class StylePanel;
class ZoomBox;

class DesktopWindow : public QMainWindow, public platform::AlertViewDelegate {
  Q_OBJECT
 public:
  explicit DesktopWindow(QWidget* parent = nullptr);
  ~DesktopWindow() override;

  // Reads the settings and lists, restores the window's geometry (or takes
  // about 80 % of the available screen, centred, on the first start), and
  // starts the prompt schedule. Once, before the window is shown.
  void start();

  document::SketchDocument* document() const { return document_; }

  void alertViewDidDismissWithButtonIndex(platform::AlertView* alertView, int buttonIndex) override;

 public slots:
  void openPhoto();
  void takePhoto();
  // Save: the painting as its document (asking for a name the first time);
  // Save As: under a new name. Export writes the picture as PNG or JPEG,
  // Export Again repeats it to the same file without asking.
  void saveDocument();
  void saveDocumentAs(const std::function<void(quint64)>& started);
  void exportPicture();
  void exportAgain();
  // Opens a photo file handed to the application (a drop, Open Recent, "Open
  // with"), after asking about unsaved changes.
  void openFile(const QString& path);
  void showHelp();
  void showAbout();
  void setCompare(bool compare);
  // Edit > Copy: the picture, as Save to Pictures writes it, on the clipboard.
  void copyPicture();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window's geometry, dock layout, folders and recent photos live beside
  // the other settings.
  static QSettings windowSettings();
  static inline const QString kPenPressureKey = QStringLiteral("desktop/penPressure");
  static inline const QString kScrollBarsKey = QStringLiteral("desktop/scrollBars");
  // A folder remembered under key while it can still be read; else fallback.
  static QString rememberedFolder(const QString& key, const QString& fallback);
  QAction* makeAction(const QString& name, const QString& text, const QString& tip, const QString& icon,
                      const QList<QKeySequence>& keys);
  // The menus' and toolbar's actions by name ("open", "save", "undo", ...).
  QAction* action(const QString& name) const;
  void buildActions();
  void buildMenus();
  void buildToolBar();
  void buildStyleDock();
  void buildRecentMenu();
  void buildStatusBar();
  // The view of the picture (DesktopWindow_View.cpp): zoom in percent of actual
  // pixels, Zoom In and Out by round steps, the zoom box, the scroll bars'
  // setting and a toolbar that fits the window.
  double percentOf(double zoomFactor) const;
  std::optional<double> zoomPercent() const;
  void zoomToPercent(double percent);
  void stepZoom(int direction);
  void buildViewActions();
  void restoreViewSettings();
  void buildZoomBox();
  void showZoom();
  void fitToolBar(QToolBar* bar);
  void bind();
  void updateActions();
  void updateStatus();
  void showBusy(bool busy);
  void showSaved(const QString& path);
  void showAlert(const QString& title, const QString& message, const QString& button);
  void showSelection();
  void chooseStyle(bool sketch, int row);
  void showThumbnailsOfPhoto();
  // The photos of Open Recent, the latest first.
  QStringList recentPhotos() const;
  void rememberRecent(const QString& path);
  void setRecentPhotos(const QStringList& paths);
  void updateTitle();
  // Runs goOn at once while the painting is unchanged; otherwise asks the
  // question ("Save changes to the painting before ...?") and runs it after Save
  // (once the painting is saved) or Discard. Cancel, or a failed save that the user has
  // been shown, changes nothing.
  void askToSave(const QString& question, const std::function<void()>& goOn);
  // The Save answer: saves the document (asking for a name if it has none) and
  // goes on once that save is written and the painting has not changed since.
  void saveThen(const QString& question, const std::function<void()>& goOn);
  void waitForSave(quint64 ticket, const QString& question, const std::function<void()>& goOn);
  void askExportOptions(const QString& path);
  void exportTo(const QString& path, int quality, int longer);
  void exportTimelapse();
  void showExportProgress(quint64 ticket, const QString& name);
  void buildExportNote();
  // At start: paintings that a Vorlane left behind without closing them.
  void offerRecovery();
  static QString sessionFolder();
  // Prompts, help and alerts (DesktopWindow_Prompts.cpp): the Help menu's
  // Rate and More Apps, the prompts' strips above the canvas, their bindings.
  void buildPrompts();
  void bindPrompts();
  // Shows alert over the window; the prompts wait until it is dismissed.
  void openAlert(platform::AlertView* alert);
  // Share by Mail attaches the picture or offers Save to Pictures instead.
  void bindShare();
  void offerSaveInstead();
  void shareAlertAnswered(platform::AlertView* alert, int buttonIndex);
  // The brush of the last launch, kept as it changes; Take Photo only with a camera.
  void restoreBrush();
  void watchCameras();
  void showMoreDialog();
  void closeMoreDialog();
  void showSavedInFolder();
  // Not while a dialog is up or an answer's save is written.
  bool takesDrop(const QMimeData* mime) const;

  document::SketchDocument* document_ = nullptr;
  document::PromptSchedule* schedule_ = nullptr;
  canvas::CanvasModel* model_ = nullptr;
  CanvasArea* area_ = nullptr;
  canvas::PlateView* plate_ = nullptr;
  platform::ActivityIndicator* busy_ = nullptr;
  QLabel* emptyHint_ = nullptr;
  QSlider* brushSlider_ = nullptr;
  QLabel* brushValue_ = nullptr;
  QToolButton* compareButton_ = nullptr;
  QActionGroup* brushModes_ = nullptr;
  StylePanel* styles_ = nullptr;
  document::StyleThumbnails* thumbnails_ = nullptr;
  bool thumbnailsWaiting_ = false;  // for the render pass of a new photo
  QMenu* recentMenu_ = nullptr;
  QPointer<QMessageBox> question_;
  bool closeConfirmed_ = false;
  QLabel* photoLabel_ = nullptr;
  QLabel* zoomLabel_ = nullptr;
  ZoomBox* zoomBox_ = nullptr;
  QLabel* brushLabel_ = nullptr;
  QWidget* savedNote_ = nullptr;
  QLabel* savedText_ = nullptr;
  QString savedPath_;
  QPointer<QFileDialog> openDialog_;
  QPointer<QFileDialog> saveAsDialog_;
  QPointer<QFileDialog> exportDialog_;
  QString lastExport_;
  int lastExportQuality_ = 92;
  int lastExportSize_ = -1;  // the working size
  document::TimelapseOptions lastTimelapse_;
  QWidget* exportNote_ = nullptr;
  QLabel* exportText_ = nullptr;
  QProgressBar* exportBar_ = nullptr;
  QPointer<platform::CameraCapture> camera_;
  QPointer<QDialog> moreDialog_;
  PromptStrips* prompts_ = nullptr;
  QPointer<QDialog> helpWindow_;
  bool started_ = false;
};

}  // namespace desktop
