// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's prompts, help and alerts. The help, rating and
// more-apps moments come as strips above the canvas (PromptStrips), never as
// dialogs over the work; the Help menu opens the rating and more-apps dialogs
// when the user asks for them, and the help in a window of its own beside the
// canvas. Alerts are wide enough for a sentence to a line or two.
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "canvas/PlateView.h"
#include "desktop/DesktopWindow.h"
#include "desktop/PromptStrips.h"
#include "desktop/ShowInFolder.h"
#include "document/PromptSchedule.h"
#include "platform/Resources.h"
#include "promo/Prompts.h"
#include "promo/UIGotoMoreView.h"

namespace desktop {

namespace {

// The more-apps dialog keeps the phone's layout, which fits the smallest window.
constexpr QSize kMoreDialogSize{320, 480};
// QMessageBox is as narrow as its title: a one-line title made a sentence of
// message wrap to three or four lines.
constexpr int kAlertMinimumWidth = 360;
constexpr int kHelpWindowWidth = 560;
// Between the help window and the canvas's corner.
constexpr int kHelpWindowInset = 16;

// The help text's paragraphs, each "Term: ..." line with its term in bold.
QString helpHtml(const QString& text) {
  QString html;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (line.isEmpty()) continue;
    const qsizetype colon = line.indexOf(QStringLiteral(": "));
    html += colon > 0 && colon < 24
                ? QStringLiteral("<p><b>%1</b>%2</p>")
                      .arg(line.left(colon + 1).toHtmlEscaped(), line.mid(colon + 1).toHtmlEscaped())
                : QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
  }
  return html;
}

// A window of its own, not modal: the help can stay open beside the work. As
// tall as its text, in the canvas's top right-hand corner, so that the middle
// of the picture stays in view.
QDialog* newHelpWindow(QWidget* parent, const QRect& canvas) {
  auto* window = new QDialog(parent);
  window->setObjectName(QStringLiteral("helpWindow"));
  window->setWindowTitle(DesktopWindow::tr("Vorlane Help"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(window);
  auto* text = new QTextBrowser(window);
  text->setHtml(helpHtml(platform::localizedString(QStringLiteral("HelpTextDesktop"))));
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
  QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
  layout->addWidget(buttons);
  // Measured on a copy: the browser lays its own document out again as it is resized.
  const QMargins margins = layout->contentsMargins();
  const std::unique_ptr<QTextDocument> measure(text->document()->clone());
  measure->setTextWidth(kHelpWindowWidth - margins.left() - margins.right() - 2 * text->frameWidth());
  const int chrome = margins.top() + margins.bottom() + layout->spacing() + buttons->sizeHint().height() +
                     2 * text->frameWidth() + text->fontMetrics().height() / 2;
  window->resize(kHelpWindowWidth, std::min(int(std::ceil(measure->size().height())) + chrome,
                                            canvas.height() - 2 * kHelpWindowInset));
  window->move(canvas.right() - kHelpWindowWidth - kHelpWindowInset, canvas.top() + kHelpWindowInset);
  return window;
}

}  // namespace

void DesktopWindow::buildPrompts() {
  connect(makeAction("rate", tr("&Rate Vorlane..."), tr("Rate Vorlane in your software centre"), "", {}),
          &QAction::triggered, this, [this] { openAlert(promo::newRateAlert(this)); });
  connect(makeAction("moreApps", tr("&More Apps..."), tr("Other free apps for pictures that you may like"), "", {}),
          &QAction::triggered, this, &DesktopWindow::showMoreDialog);
  // The strips sit above the canvas, not over it: nothing of the picture is
  // hidden, and the canvas keeps its zoom and centre as they come and go.
  prompts_ = new PromptStrips(schedule_, this);
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(prompts_);
  layout->addWidget(takeCentralWidget(), 1);
  setCentralWidget(column);
}

void DesktopWindow::bindPrompts() {
  // The schedule holds a moment while a stroke or a dialog is under way and
  // brings it once the user is free; the strip then waits for an answer.
  connect(schedule_, &document::PromptSchedule::helpDue, prompts_, &PromptStrips::offerHelp);
  connect(schedule_, &document::PromptSchedule::rateDue, prompts_, &PromptStrips::offerRate);
  connect(schedule_, &document::PromptSchedule::moreDue, prompts_, &PromptStrips::offerMore);
  connect(schedule_, &document::PromptSchedule::moreDismissed, this, &DesktopWindow::closeMoreDialog);
  connect(prompts_, &PromptStrips::helpWanted, this, &DesktopWindow::showHelp);
  connect(prompts_, &PromptStrips::moreAppsWanted, this, &DesktopWindow::showMoreDialog);
}

void DesktopWindow::showHelp() {
  schedule_->helpShown();
  prompts_->withdrawHelp();
  if (!helpWindow_)
    helpWindow_ = newHelpWindow(this, QRect(plate_->mapToGlobal(QPoint(0, 0)), plate_->size()));
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
}

void DesktopWindow::openAlert(platform::AlertView* alert) {
  alert->setMinimumWidth(kAlertMinimumWidth);
  alert->show(this);
  schedule_->holdWhileOpen(alert->messageBox());
}

void DesktopWindow::alertViewDidDismissWithButtonIndex(platform::AlertView* alertView, int buttonIndex) {
  if (!alertView) return;
  shareAlertAnswered(alertView, buttonIndex);
  if (alertView->tag() != promo::kRateAlertTag) return;
  // Answered from the menu: the strip's offer has had its answer too.
  schedule_->rateAnswered(buttonIndex);
  prompts_->withdrawRate();
}

void DesktopWindow::showMoreDialog() {
  closeMoreDialog();
  prompts_->withdrawMore();
  auto* dialog = new QDialog(this);
  dialog->setWindowTitle(tr("More Apps"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setFixedSize(kMoreDialogSize);
  auto* view = new promo::UIGotoMoreView(QRectF(QPointF(0, 0), QSizeF(kMoreDialogSize)), dialog);
  // Asked for after every entry has had its turns: from the first entry again
  // rather than an empty page.
  if (view->moreidx() < 0 || view->moreidx() >= view->more_array().size()) view->moremorebtnclicked();
  view->show();
  // Closing the window counts as "Next time", as the dialog's own button does.
  connect(dialog, &QDialog::rejected, schedule_, &document::PromptSchedule::killmore);
  dialog->setWindowModality(Qt::WindowModal);
  moreDialog_ = dialog;
  schedule_->holdWhileOpen(dialog);
  dialog->open();
}

void DesktopWindow::closeMoreDialog() {
  if (!moreDialog_) return;
  QDialog* dialog = moreDialog_;
  moreDialog_ = nullptr;
  // The dialog's own buttons lead here: it goes once their handlers return.
  disconnect(dialog, &QDialog::rejected, schedule_, nullptr);
  schedule_->dialogClosed(dialog);
  dialog->hide();
  dialog->deleteLater();
}

void DesktopWindow::showSavedInFolder() {
  const QString folder = QDir::toNativeSeparators(QFileInfo(savedPath_).absolutePath());
  showInFolder(savedPath_, this, [this, folder](bool shown) {
    if (!shown)
      statusBar()->showMessage(tr("No file manager could show the folder %1").arg(folder), 10000);
  });
}

}  // namespace desktop
