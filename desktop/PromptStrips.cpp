// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PromptStrips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/PromptSchedule.h"

namespace desktop {

namespace {

// A pale strip with dark text on every theme, a line under it.
QFrame* newStrip(const QString& name, QWidget* parent) {
  auto* strip = new QFrame(parent);
  strip->setObjectName(name);
  strip->setFocusPolicy(Qt::NoFocus);
  strip->setAutoFillBackground(true);
  strip->setFrameShape(QFrame::StyledPanel);
  QPalette palette = strip->palette();
  palette.setColor(QPalette::Window, QColor(255, 246, 214));
  palette.setColor(QPalette::WindowText, QColor(40, 36, 24));
  strip->setPalette(palette);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(10, 4, 6, 4);
  auto* text = new QLabel(strip);
  text->setObjectName(QStringLiteral("text"));
  text->setWordWrap(true);
  row->addWidget(text, 1);
  strip->setHidden(true);
  return strip;
}

// Buttons that a click answers and nothing else: no focus, so Return, Escape
// and Space stay with the canvas or the list that has the focus; no mnemonic,
// so no Alt key is taken from the menus.
QPushButton* addButton(QFrame* strip, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, strip);
  button->setObjectName(name);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoDefault(false);
  strip->layout()->addWidget(button);
  return button;
}

}  // namespace

PromptStrips::PromptStrips(document::PromptSchedule* schedule, QWidget* parent)
    : QWidget(parent), schedule_(schedule) {
  setObjectName(QStringLiteral("promptStrips"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  help_ = newStrip(QStringLiteral("helpStrip"), this);
  help_->findChild<QLabel*>()->setText(
      tr("New to Vorlane? The help shows how to paint, zoom and move the picture."));
  connect(addButton(help_, tr("Show Help"), QStringLiteral("showHelp")), &QPushButton::clicked,
          this, [this] {
            withdrawHelp();
            emit helpWanted();
          });
  connect(addButton(help_, tr("Dismiss"), QStringLiteral("dismissHelp")), &QPushButton::clicked,
          this, [this] {
            // Declined is as good as read: it is not offered again.
            schedule_->helpShown();
            withdrawHelp();
          });
  column->addWidget(help_);

  promo_ = newStrip(QStringLiteral("promoStrip"), this);
  promoText_ = promo_->findChild<QLabel*>();
  rate_ = addButton(promo_, tr("Rate It"), QStringLiteral("rateIt"));
  connect(rate_, &QPushButton::clicked, this, [this] {
    withdrawRate();
    schedule_->rateAnswered(1);
  });
  more_ = addButton(promo_, tr("More Apps\u2026"), QStringLiteral("moreApps"));
  connect(more_, &QPushButton::clicked, this, [this] {
    // The dialog answers the moment now.
    withdrawMore();
    emit moreAppsWanted();
  });
  connect(addButton(promo_, tr("Not Now"), QStringLiteral("notNow")), &QPushButton::clicked, this,
          [this] {
            const bool rate = rateOffered_, more = moreOffered_;
            if (rate) {
              withdrawRate();
              schedule_->rateAnswered(0);
            }
            if (more) schedule_->killmore();  // which withdraws its offer
          });
  column->addWidget(promo_);
  setFocusPolicy(Qt::NoFocus);
  // "Get it" or "Next time" in the more-apps dialog, or Not Now here.
  connect(schedule_, &document::PromptSchedule::moreDismissed, this, &PromptStrips::withdrawMore);
}

void PromptStrips::offerHelp() {
  helpOffered_ = true;
  showOffers();
}

void PromptStrips::offerRate() {
  // Asked once a run, as on the phone, whichever way it was answered.
  if (rateAnswered_) return;
  rateOffered_ = true;
  showOffers();
}

void PromptStrips::offerMore() {
  moreOffered_ = true;
  showOffers();
}

void PromptStrips::withdrawHelp() {
  helpOffered_ = false;
  showOffers();
}

void PromptStrips::withdrawRate() {
  rateAnswered_ = true;
  rateOffered_ = false;
  showOffers();
}

void PromptStrips::withdrawMore() {
  moreOffered_ = false;
  showOffers();
}

void PromptStrips::showOffers() {
  help_->setVisible(helpOffered_);
  if (rateOffered_ && moreOffered_)
    promoText_->setText(
        tr("Enjoying Vorlane? Rate it in your software centre, or have a look at more free apps "
           "for your pictures."));
  else if (rateOffered_)
    promoText_->setText(
        tr("Enjoying Vorlane? A rating in your software centre helps others find it."));
  else
    promoText_->setText(tr("Enjoying Vorlane? Have a look at more free apps for your pictures."));
  rate_->setVisible(rateOffered_);
  more_->setVisible(moreOffered_);
  promo_->setVisible(rateOffered_ || moreOffered_);
}

}  // namespace desktop
