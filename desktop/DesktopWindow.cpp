// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "canvas/CanvasModel.h"
#include "canvas/PlateView.h"
#include "desktop/CanvasArea.h"
#include "desktop/StylePanel.h"
#include "document/DroppedPicture.h"
#include "document/PromptSchedule.h"
#include "document/SketchDocument.h"
#include "document/StyleThumbnails.h"
#include "platform/Desktop.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/ActivityIndicator.h"

namespace desktop {

namespace {

constexpr int kBusySide = 72;
constexpr QSize kMinimumSize{800, 600};

}  // namespace

QSettings DesktopWindow::windowSettings() {
  return QSettings(platform::UserDefaults::storageFile(), QSettings::IniFormat);
}

DesktopWindow::DesktopWindow(QWidget* parent)
    : QMainWindow(parent),
      document_(new document::SketchDocument(this)),
      schedule_(new document::PromptSchedule(document::PromptSchedule::Delivery::WhenFree, this)),
      model_(new canvas::CanvasModel(canvas::PlateRule::FitPicture, QRectF(0, 0, 1, 1), QRectF(), this)),
      thumbnails_(new document::StyleThumbnails(this)) {
  setWindowTitle(QStringLiteral("Vorlane"));
  setWindowIcon(QIcon(QStringLiteral(":/images/vorlane.png")));
  setMinimumSize(kMinimumSize);
  setAcceptDrops(true);
  // The desktop fits each photo to its own shape and reports saves in the
  // status bar.
  document_->setCanvas(model_, 0.0f);
  document_->setConfirmsSaves(false);
  document_->setPickRenderDelay(0);
  // The painting is a document here: kept through style and brush changes,
  // and kept on disk while it is worked on.
  document_->setKeepsPainting(sessionFolder());

  area_ = new CanvasArea(model_->plate(), this);
  area_->setAutoFillBackground(true);
  QPalette palette = area_->palette();
  palette.setColor(QPalette::Window, QColor(64, 64, 64));
  area_->setPalette(palette);
  // The canvas is there from the start, so its clip is always the real one; the
  // hint covers it until the first photo.
  plate_ = new canvas::PlateView(model_, canvas::PlateView::Mode::Interactive, area_);
  emptyHint_ = new QLabel(area_);
  emptyHint_->setObjectName(QStringLiteral("emptyHint"));
  emptyHint_->setAlignment(Qt::AlignCenter);
  emptyHint_->setWordWrap(true);
  emptyHint_->setText(
      tr("<p style='font-size:x-large'>Open a photo to begin.</p>"
         "<p>File &rsaquo; Open&hellip; (Ctrl+O), or drop a photo here.</p>"));
  QPalette hintPalette = emptyHint_->palette();
  hintPalette.setColor(QPalette::WindowText, QColor(230, 230, 230));
  hintPalette.setColor(QPalette::Window, palette.color(QPalette::Window));
  emptyHint_->setPalette(hintPalette);
  emptyHint_->setAutoFillBackground(true);
  busy_ = new platform::ActivityIndicator(area_);
  busy_->setObjectName(QStringLiteral("busyIndicator"));
  busy_->resize(kBusySide, kBusySide);
  busy_->setHidden(true);
  area_->setParts(plate_, emptyHint_, busy_);
  setCentralWidget(area_);

  buildActions();
  buildPrompts();
  buildStyleDock();
  buildMenus();
  buildToolBar();
  buildStatusBar();
  buildExportNote();
  qApp->installEventFilter(this);
}

DesktopWindow::~DesktopWindow() {
  qApp->removeEventFilter(this);
}

void DesktopWindow::start() {
  if (started_) return;
  started_ = true;
  document_->load();
  bind();
  bindShare();
  restoreBrush();
  watchCameras();

  QSettings settings = windowSettings();
  const QByteArray geometry = settings.value(QStringLiteral("desktop/geometry")).toByteArray();
  if (geometry.isEmpty() || !restoreGeometry(geometry)) {
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize size = (available.size() * 0.8).expandedTo(kMinimumSize).boundedTo(available.size());
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
  }
  restoreState(settings.value(QStringLiteral("desktop/windowState")).toByteArray());
  action(QStringLiteral("penPressure"))->setChecked(settings.value(kPenPressureKey, true).toBool());
  restoreViewSettings();

  schedule_->start();
  buildRecentMenu();
  updateActions();
  updateStatus();
  updateTitle();
  // Once the window is up: a painting left behind comes before anything else.
  QTimer::singleShot(0, this, &DesktopWindow::offerRecovery);
}

void DesktopWindow::buildStyleDock() {
  styles_ = new StylePanel(this);
  addDockWidget(Qt::RightDockWidgetArea, styles_);
  connect(styles_, &StylePanel::sketchChosen, this, [this](int row) { chooseStyle(true, row); });
  connect(styles_, &StylePanel::colourChosen, this, [this](int row) { chooseStyle(false, row); });
  connect(thumbnails_, &document::StyleThumbnails::thumbnailReady, styles_, &StylePanel::setThumbnail);
}

void DesktopWindow::showSelection() {
  styles_->showChoice(document_->currenttype(), document_->currentAtype());
}

void DesktopWindow::chooseStyle(bool sketch, int row) {
  // The lists show the document's choice (selectionChanged), never the click.
  if (row == (sketch ? document_->currenttype() : document_->currentAtype())) return;
  auto apply = [this, sketch, row] {
    if (sketch)
      document_->selectSketchStyle(row);
    else
      document_->selectPhotoAStyle(row);
    // At once: on the desktop no panel has to close first.
    document_->renderIfChanged(0);
  };
  // Nothing is lost by another style: the painting goes on over its pictures,
  // and undo brings the old style back.
  apply();
}

void DesktopWindow::showThumbnailsOfPhoto() {
  const QImage& photo = document_->orgimg();
  if (photo.isNull()) {
    thumbnails_->cancel();
    styles_->showBundled();
    return;
  }
  const qreal ratio = styles_->devicePixelRatioF();
  thumbnails_->render(photo, (QSizeF(StylePanel::kThumbnailBox) * ratio).toSize(),
                      document_->styleCount() - 1);
}

void DesktopWindow::buildStatusBar() {
  savedNote_ = new QWidget(this);
  savedNote_->setObjectName(QStringLiteral("savedNote"));
  auto* row = new QHBoxLayout(savedNote_);
  row->setContentsMargins(0, 0, 0, 0);
  savedText_ = new QLabel(savedNote_);
  auto* show = new QPushButton(tr("Show in Folder"), savedNote_);
  show->setObjectName(QStringLiteral("showInFolder"));
  connect(show, &QPushButton::clicked, this, &DesktopWindow::showSavedInFolder);
  row->addWidget(savedText_);
  row->addWidget(show);
  savedNote_->setHidden(true);
  statusBar()->addWidget(savedNote_);

  photoLabel_ = new QLabel(this);
  photoLabel_->setObjectName(QStringLiteral("photoLabel"));
  statusBar()->addPermanentWidget(photoLabel_);
  buildZoomBox();
  brushLabel_ = new QLabel(this);
  brushLabel_->setObjectName(QStringLiteral("brushLabel"));
  statusBar()->addPermanentWidget(brushLabel_);
}

void DesktopWindow::bind() {
  // The lists: a named row per style, the bundled sample's thumbnails until a
  // photo is open, the current choice selected.
  QStringList names;
  QList<QImage> bundled;
  for (int row = 0; row < document_->styleCount(); ++row) {
    names << platform::localizedString(QStringLiteral("StyleName%1").arg(row));
    bundled << platform::imageWithContentsOfFile(document_->sketchtypearray().at(row));
  }
  styles_->setRows(names, bundled);
  showSelection();
  connect(document_, &document::SketchDocument::selectionChanged, this, &DesktopWindow::showSelection);
  thumbnails_->setTextureName(document_->textureName());

  connect(document_, &document::SketchDocument::alertRequested, this,
          [this](const document::SourceAlertTexts& a) { showAlert(a.title, a.message, a.button); });
  connect(document_, &document::SketchDocument::busyChanged, this, &DesktopWindow::showBusy);
  connect(document_, &document::SketchDocument::photoPicked, this, [this] {
    if (openDialog_) openDialog_->close();
    savedNote_->setHidden(true);
    // The canvas first: the thumbnails render the photo in every style at its
    // working size, and wait for the pass so as not to compete with it.
    thumbnails_->cancel();
    thumbnailsWaiting_ = true;
    rememberRecent(document_->photoPath());
    updateStatus();
    updateTitle();
  });
  connect(document_, &document::SketchDocument::renderPassFinished, this, [this](bool ok) {
    if (ok) emptyHint_->setHidden(true);
    // A photo that could not be rendered was given up for the one before.
    if (thumbnailsWaiting_ || !ok) showThumbnailsOfPhoto();
    thumbnailsWaiting_ = false;
    updateActions();
    updateStatus();
    updateTitle();
  });
  connect(document_, &document::SketchDocument::modifiedChanged, this, &DesktopWindow::updateTitle);
  connect(document_, &document::SketchDocument::historyChanged, this, &DesktopWindow::updateActions);
  connect(document_, &document::SketchDocument::documentPathChanged, this, [this] {
    rememberRecent(document_->documentPath());
    updateTitle();
  });
  connect(document_, &document::SketchDocument::saveFinished, this,
          [this](bool ok, const QString& pathOrReason, quint64) {
            if (ok) showSaved(pathOrReason);
          });

  connect(model_->painting(), &canvas::Painting::historyChanged, this, &DesktopWindow::updateActions);
  connect(model_->painting(), &canvas::Painting::readyChanged, this, &DesktopWindow::updateActions);
  connect(model_->painting(), &canvas::Painting::brushModeChanged, this, &DesktopWindow::updateActions);
  connect(model_->plate(), &canvas::Plate::plateChanged, this, &DesktopWindow::updateStatus);
  connect(model_->painting(), &canvas::Painting::brushSizeChanged, this, &DesktopWindow::updateStatus);
  connect(model_, &canvas::CanvasModel::pointerHeldChanged, schedule_, &document::PromptSchedule::setHeld);

  // The schedule holds what falls due while the user is busy (a stroke, a
  // dialog, an answer under way) and brings it once the user is free, one at a time.
  bindPrompts();
  connect(schedule_, &document::PromptSchedule::openDue, this, &DesktopWindow::openFile);
}

void DesktopWindow::updateStatus() {
  const QImage& photo = model_->painting()->orgimgview()->image();
  if (document_->photoName().isEmpty() || photo.isNull()) {
    photoLabel_->setText(tr("No photo"));
    brushLabel_->clear();
  } else {
    photoLabel_->setText(//: The status bar's photo: %1 its name, %2 x %3 its size in pixels.
        tr("%1  %2 \u00d7 %3 px")
            .arg(document_->photoName(), QString::number(photo.width()), QString::number(photo.height())));
    brushLabel_->setText(tr("Brush %1 px").arg(qRound(model_->painting()->linesize())));
  }
  showZoom();
  brushValue_->setText(photo.isNull() ? QString()
                                      : tr("%1 px").arg(qRound(model_->painting()->linesize())));
  const int slider = qRound(model_->painting()->sliderValue() * 100.0f);
  if (brushSlider_->value() != slider) {
    const QSignalBlocker quiet(brushSlider_);
    brushSlider_->setValue(slider);
  }
}

void DesktopWindow::showBusy(bool busy) {
  // Input to the canvas waits while a photo is prepared or rendered.
  plate_->setEnabled(!busy);
  busy_->setHidden(!busy);
  busy_->raise();
  if (busy) {
    busy_->startAnimating();
    area_->setCursor(Qt::BusyCursor);
  } else {
    busy_->stopAnimating();
    area_->unsetCursor();
    plate_->setCursor(Qt::CrossCursor);
  }
  updateActions();
}

void DesktopWindow::showSaved(const QString& path) {
  savedPath_ = path;
  savedText_->setText(//: %1 is the saved file's path.
      tr("Saved %1").arg(QDir::toNativeSeparators(path)));
  savedNote_->setHidden(false);
}

void DesktopWindow::showAlert(const QString& title, const QString& message, const QString& button) {
  openAlert(new platform::AlertView(title, message, this, button));
}

void DesktopWindow::updateTitle() {
  const QString name = document_->documentPath().isEmpty() ? document_->photoName()
                                                           : QFileInfo(document_->documentPath()).fileName();
  // "[*]" is where Qt shows the modified mark.
  setWindowTitle(name.isEmpty() ? QStringLiteral("Vorlane") : name + QStringLiteral("[*] \u2014 Vorlane"));
  setWindowModified(document_->isModified());
}

void DesktopWindow::closeEvent(QCloseEvent* event) {
  if (question_ || schedule_->answering()) {
    // One question at a time: the open one is still to be answered, or its
    // answer is being carried out.
    event->ignore();
    if (question_) question_->raise();
    return;
  }
  if (document_->isModified() && !closeConfirmed_) {
    event->ignore();
    askToSave(tr("Save changes to the painting before quitting?"), [this] {
      closeConfirmed_ = true;
      close();
      closeConfirmed_ = false;
    });
    return;
  }
  QSettings settings = windowSettings();
  settings.setValue(QStringLiteral("desktop/geometry"), saveGeometry());
  settings.setValue(QStringLiteral("desktop/windowState"), saveState());
  settings.sync();
  // Closed on purpose: nothing is left to recover.
  document_->closeSession();
  QMainWindow::closeEvent(event);
}

bool DesktopWindow::takesDrop(const QMimeData* mime) const {
  return !schedule_->dialogOpen() && !schedule_->answering() && document::canTakeDrop(mime);
}

void DesktopWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (takesDrop(event->mimeData())) event->acceptProposedAction();
}

void DesktopWindow::dropEvent(QDropEvent* event) {
  if (!takesDrop(event->mimeData())) return;
  event->acceptProposedAction();
  const document::DroppedPicture dropped = document::droppedPicture(event->mimeData());
  // A picture that cannot be taken is refused without a question.
  if (!dropped.path.isEmpty()) {
    openFile(dropped.path);
  } else if (dropped.image.isNull()) {
    document::pickDropped(dropped, document_);
  } else {
    askToSave(tr("Save changes to the painting before opening the dropped picture?"),
              [this, dropped] { document::pickDropped(dropped, document_); });
  }
}

bool DesktopWindow::eventFilter(QObject* watched, QEvent* event) {
  // "Open with" on a running application.
  if (event->type() == QEvent::FileOpen && watched == qApp) {
    // A photo handed over while a dialog is up waits for it to close.
    schedule_->openWhenFree(static_cast<QFileOpenEvent*>(event)->file());
    return true;
  }
  // Compare while the backslash key is held, wherever the focus is in this window.
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backslash && key->modifiers() == Qt::NoModifier) {
      if (!key->isAutoRepeat()) setCompare(event->type() == QEvent::KeyPress);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void DesktopWindow::setCompare(bool compare) {
  plate_->setCompare(compare && model_->touchesActive());
}

}  // namespace desktop
