// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped languages: every .ts file complete and faithful to its source
// texts, each menu's keys unique, and every fixed frame's text fitting in every
// language, drawn as the widgets draw it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QXmlStreamReader>
#include <optional>

#include "app/Launch.h"
#include "desktop/ExportDialogs.h"
#include "canvas/VorlaneView.h"
#include "TestSupport.h"
#include "platform/DeviceProfile.h"
#include "platform/TextFit.h"
#include "platform/Translations.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/FittedLabel.h"
#include "platform/widgets/ShadowLabel.h"
#include "promo/UIGotoMoreView.h"
#include "screen/MainViewController.h"

namespace {

// The build's list (translations/CMakeLists.txt), in the order the resources list them.
const QStringList kLanguages = [] {
  QStringList languages = QString(VORLANE_LANGUAGES).split(',');
  languages.sort();
  return languages;
}();

// Switches the application to a language for one scope, back to English after.
struct InLanguage {
  explicit InLanguage(const QString& language) {
    EXPECT_EQ(platform::installTranslations(QLocale(language)), language);
  }
  ~InLanguage() { platform::installTranslations(QLocale::c()); }
};

struct Message {
  QString context, source, comment, type;
  QStringList translations;  // one, or a plural message's forms
};

std::vector<Message> readTs(const QString& path, QString* language) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<Message> messages;
  QString context;
  Message message;
  while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == u"TS") {
      *language = xml.attributes().value("language").toString();
    } else if (name == u"name") {
      context = xml.readElementText();
    } else if (name == u"message") {
      message = {context, {}, {}, {}, {}};
    } else if (name == u"source") {
      message.source = xml.readElementText();
    } else if (name == u"comment") {
      message.comment = xml.readElementText();
    } else if (name == u"translation") {
      message.type = xml.attributes().value("type").toString();
      QString text;
      while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation") && !xml.atEnd()) {
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == u"numerusform") message.translations << xml.readElementText();
      }
      if (message.translations.isEmpty()) message.translations << text;
      messages.push_back(message);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// What a translation must carry over from its source: the placeholders, the
// markup, the spaces at either end (units glued to a number, padded labels)
// and, where each line is a paragraph (the strings table's texts), the line
// breaks. The command line's help is wrapped afresh in each language.
QStringList shape(const QString& text, bool lines) {
  QStringList parts;
  static const QRegularExpression kept(R"(%\d+|%n|<[^>]+>)");
  for (const QRegularExpressionMatch& match : kept.globalMatch(text)) parts << match.captured();
  if (lines) parts << QString::number(text.count('\n'));
  parts.sort();
  parts << QString::number(text.startsWith(' ')) << QString::number(text.endsWith(' '));
  return parts;
}

// The mnemonic letter of a menu text ("&Datei" gives 'd', "ファイル(&F)" 'f'),
// or a null character when it has none; "&&" is a plain ampersand.
QChar mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// The widest line of text in terminal columns: CJK characters take two.
qsizetype columns(const QString& text) {
  qsizetype widest = 0;
  for (const QString& line : text.split('\n')) {
    qsizetype width = 0;
    for (const QChar c : line) width += (c.unicode() >= 0x1100 && c.unicode() < 0xFF61) || c.unicode() >= 0xFFE0 ? 2 : 1;
    widest = std::max(widest, width);
  }
  return widest;
}

int mnemonics(const QString& text) {
  // Entities such as "&rsaquo;" in rich text are no mnemonics.
  QString plain = text;
  plain.remove(QRegularExpression("&[a-z]+;"));
  return int(plain.count('&')) - 2 * int(plain.count("&&"));
}

TEST(TsFiles, EveryLanguageIsShippedCompleteAndKeepsItsSourcesShape) {
  EXPECT_EQ(platform::shippedLanguages(), kLanguages);
  const QStringList files = QDir(VORLANE_TS_DIR).entryList({"*.ts"}, QDir::Files, QDir::Name);
  ASSERT_EQ(files.size(), kLanguages.size());
  for (const QString& name : files) {
    QString language;
    const std::vector<Message> messages = readTs(QString(VORLANE_TS_DIR) + "/" + name, &language);
    EXPECT_EQ("vorlane_" + language + ".ts", name);
    ASSERT_GT(messages.size(), 150u) << name.toStdString();
    for (const Message& m : messages) {
      SCOPED_TRACE(testing::Message() << name.toStdString() << " [" << m.context.toStdString() << "] "
                                      << m.source.left(60).toStdString());
      // Not unfinished, obsolete or vanished: translated, and still in the code.
      EXPECT_EQ(m.type, "");
      for (const QString& translation : m.translations) {
        EXPECT_FALSE(translation.trimmed().isEmpty());
        const bool paragraphs = m.context == "Localizable";
        EXPECT_EQ(shape(translation, paragraphs), shape(m.source, paragraphs));
        // The terminal's 80 columns: no help line grows past the source's widest or 60.
        if (m.context == "vorlane-sketch" || m.context == "vorlane") {
          EXPECT_LE(columns(translation), std::max<qsizetype>(60, columns(m.source)));
        }
        EXPECT_EQ(mnemonics(translation), mnemonics(m.source));
      }
    }
  }
}

TEST(Languages, QtsOwnButtonsFollowTheLanguage) {
  // Qt's own texts come from Debian's qtbase translations.
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  const QString english = box.button(QDialogButtonBox::Cancel)->text();
  InLanguage german("de");
  QDialogButtonBox translated(QDialogButtonBox::Cancel);
  EXPECT_EQ(translated.button(QDialogButtonBox::Cancel)->text(), "Abbrechen") << english.toStdString();
}

// A new desktop window in English and in each shipped language, in turn.
void forEachDesktopLanguage(const std::function<void(const QString&, desktop::DesktopWindow*)>& check) {
  QTemporaryDir home;
  platform::UserDefaults::setStorageFile(home.filePath("settings.ini"));
  for (const QString& language : QStringList{"en"} + kLanguages) {
    SCOPED_TRACE(language.toStdString());
    std::optional<InLanguage> chosen;
    if (language != "en") chosen.emplace(language);
    const app::Launched launched = app::launch(app::ChosenProfile{app::Profile::Desktop, 0});
    check(language, launched.desktop.get());
  }
  platform::UserDefaults::setStorageFile(QString());
}

// Every menu of the desktop window, in every language: a key of its own for
// each title in the bar and for each command in a menu.
TEST(Languages, EachDesktopMenuAndExportDialogHasUniqueKeys) {
  forEachDesktopLanguage([](const QString& language, desktop::DesktopWindow* window) {
    QMenuBar* bar = window->menuBar();
    QList<QChar> titles;
    for (QAction* menuAction : bar->actions()) {
      const QChar key = mnemonic(menuAction->text());
      EXPECT_FALSE(key.isNull()) << menuAction->text().toStdString();
      EXPECT_FALSE(titles.contains(key)) << menuAction->text().toStdString();
      titles << key;
      QList<QChar> keys;
      for (QAction* command : menuAction->menu()->actions()) {
        if (command->isSeparator()) continue;
        const QChar own = mnemonic(command->text());
        EXPECT_FALSE(own.isNull()) << command->text().toStdString();
        EXPECT_FALSE(keys.contains(own)) << menuAction->text().toStdString() << " > "
                                         << command->text().toStdString();
        keys << own;
      }
    }
    if (language == "de") {
      EXPECT_EQ(bar->actions().value(0)->text(), "&Datei");
    }
    // The export dialogs' fields and buttons, each dialog a keyboard of its own.
    desktop::ExportPictureDialog picture(nullptr, QSize(1280, 960), QSize(4032, 3024), true, 0, 92);
    desktop::TimelapseDialog film(nullptr, QSize(1280, 960), QSize(4032, 3024), true, 10, 1080);
    for (const QDialog* dialog : {static_cast<const QDialog*>(&picture), static_cast<const QDialog*>(&film)}) {
      QList<QChar> keys;
      QStringList texts;
      for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) texts << button->text();
      for (const QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
      for (const QString& text : texts) {
        const QChar key = mnemonic(text);
        if (key.isNull()) continue;
        EXPECT_FALSE(keys.contains(key)) << text.toStdString();
        keys << key;
      }
      EXPECT_GE(keys.size(), 2);
    }
  });
}

// Text drawn at size into the label's frame: within its width, no ink outside.
bool fits(const QFont& labelFont, const QString& text, QSize frame, Qt::Alignment alignment, int size) {
  QFont font = labelFont;
  font.setPixelSize(size);
  const qreal inset = platform::textInset(font, text, alignment);
  return QFontMetricsF(font).horizontalAdvance(text) + std::abs(inset) <= frame.width() &&
         vorlane_test::drawTextUnclipped(font, text, frame, alignment, inset).outsideAlpha == 0;
}

// The phone's and tablet's fixed frames: the menu titles, the brush label and
// the more-apps dialog's buttons fit in every language at the size each is
// drawn, and no text shrinks below half the size asked for.
TEST(Languages, PhoneAndTabletLabelsFitTheirFrames) {
  QTemporaryDir home;
  platform::UserDefaults::setStorageFile(home.filePath("settings.ini"));
  for (const char* key : {"helphint", "rated"}) platform::UserDefaults::standardUserDefaults().setBoolForKey(true, key);
  for (const QString& language : kLanguages) {
    InLanguage chosen(language);
    for (const auto& [profile, height, model] :
         {std::tuple{app::Profile::Phone, 480, "iPhone"}, {app::Profile::Tablet, 1024, "iPad"}}) {
      SCOPED_TRACE(testing::Message() << language.toStdString() << " " << model);
      struct Shown {
        QString text;
        QFont font;
        QSize frame;
        Qt::Alignment alignment;
        int asked, drawn;
      };
      std::vector<Shown> shown;
      const app::Launched launched = app::launch(app::ChosenProfile{profile, height});
      auto* controller = launched.window()->findChild<screen::MainViewController*>();
      ASSERT_NE(controller, nullptr);
      for (int i = 0; i < 5; ++i) {
        const platform::ShadowLabel* title = controller->menuTitle(i);
        QFont font = title->font();
        shown.push_back({title->text(), font, title->size(), title->alignment(), title->fontPixelSize(),
                         title->drawnPixelSize()});
      }
      auto* brush = qobject_cast<platform::FittedLabel*>(controller->workview()->brushsizelabel());
      ASSERT_NE(brush, nullptr);
      shown.push_back({brush->text(), brush->font(), brush->size(), brush->alignment(), brush->font().pixelSize(),
                       brush->drawnPixelSize()});
      platform::setDeviceModel(model);
      promo::UIGotoMoreView more(QRectF(0, 0, profile == app::Profile::Phone ? 320 : 768, height));
      for (const platform::FittedLabel* label : {more.getlabel(), more.morelabel(), more.laterlabel()})
        shown.push_back({label->text(), label->font(), label->size(), label->alignment(), label->font().pixelSize(),
                         label->drawnPixelSize()});
      for (const Shown& s : shown) {
        SCOPED_TRACE(s.text.toStdString());
        EXPECT_TRUE(fits(s.font, s.text, s.frame, s.alignment, s.drawn));
        // Frames are as low as the English words: a word with both an accent and a
        // descender ("Pinselgröße") is drawn smaller, but never below half.
        EXPECT_GE(s.drawn * 2, s.asked) << s.drawn << " of " << s.asked;
      }
      EXPECT_NE(controller->menuTitle(0)->text(), "Load");
    }
  }
  platform::UserDefaults::setStorageFile(QString());
}

// The desktop's toolbar shows its words beside the icons in the first window
// on a 1920 x 1080 screen (1536 x 864), in every language, as it does in
// English: no button is cut short and none falls into the overflow menu.
TEST(Languages, DesktopToolbarKeepsEveryWordInAFirstWindow) {
  forEachDesktopLanguage([](const QString&, desktop::DesktopWindow* window) {
    window->resize(1536, 864);
    QApplication::processEvents();
    auto* bar = window->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    for (QAction* action : bar->actions()) {
      auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
      if (!button) continue;
      SCOPED_TRACE(action->iconText().toStdString());
      EXPECT_TRUE(button->isVisible());
      EXPECT_GE(button->width(), button->sizeHint().width());
    }
    auto* overflow = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
    EXPECT_TRUE(!overflow || !overflow->isVisible());
  });
}

}  // namespace
