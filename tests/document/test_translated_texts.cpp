// SPDX-License-Identifier: GPL-3.0-or-later
// The document's and the platform's texts under a translation installed while
// the program runs: reasons kept in constants (made before any translator
// exists) follow it, and an alert's sentence is translated whole, with the
// picture's name and the translated reason put into it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QHash>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <memory>

#include "TestSupport.h"
#include "canvas/CanvasModel.h"
#include "document/DroppedPicture.h"
#include "document/PaintingFile.h"
#include "document/SaveShare.h"
#include "document/SketchDocument.h"
#include "platform/PhotoDecoder.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "tests/platform/test_photo_decoder_files.h"

namespace {

// A few texts in German, looked up by context and source as lupdate files them.
class GermanTexts : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override {
    static const QHash<QPair<QByteArray, QByteArray>, QString> table{
        {{"document", "not a Vorlane document"}, "kein Vorlane-Dokument"},
        {{"document", "The dropped picture"}, "Das abgelegte Bild"},
        {{"document", "Hello!"}, "Hallo!"},
        {{"platform", "the file is not a picture"}, "die Datei ist kein Bild"},
        {{"platform", "there is no picture"}, "es gibt kein Bild"},
        {{"document::SketchDocument", "Cannot Open Photo"}, "Foto nicht geöffnet"},
        {{"document::SketchDocument", "%1 could not be opened: %2."}, "%1 ließ sich nicht öffnen: %2."},
        {{"document::SketchDocument", "OK"}, "OK"},
    };
    return table.value({QByteArray(context), QByteArray(source)});
  }
  bool isEmpty() const override { return false; }
};

class TranslatedTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::setResourceRoot(QString());
    platform::UserDefaults::setStorageFile(dir_.filePath("settings.ini"));
    ASSERT_TRUE(photo_files::writeFile(notOurs_, "SQLite format 3"));
    ASSERT_TRUE(photo_files::writeFile(junk_, "neither a photo nor a painting"));
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(&german_);
    platform::UserDefaults::setStorageFile(QString());
  }
  QString paintingReason() const {
    QString reason;
    EXPECT_FALSE(document::readPaintingFile(notOurs_, &reason));
    return reason;
  }
  QString photoReason() const {
    QString reason;
    EXPECT_FALSE(platform::preparePhoto(junk_, &reason));
    return reason;
  }

  QTemporaryDir dir_{vorlane_test::testRoot() + "/translated-XXXXXX"};
  const QString notOurs_ = dir_.filePath("not-ours.vorlane");
  const QString junk_ = dir_.filePath("junk.png");
  GermanTexts german_;
};

}  // namespace

TEST_F(TranslatedTexts, ReasonsKeptInConstantsFollowTheTranslationInstalledAtTheTime) {
  EXPECT_EQ(paintingReason(), "not a Vorlane document");
  EXPECT_EQ(photoReason(), "the file is not a picture");
  QCoreApplication::installTranslator(&german_);
  EXPECT_EQ(paintingReason(), "kein Vorlane-Dokument");
  EXPECT_EQ(photoReason(), "die Datei ist kein Bild");
  QCoreApplication::removeTranslator(&german_);
  EXPECT_EQ(paintingReason(), "not a Vorlane document");
  EXPECT_EQ(photoReason(), "the file is not a picture");
}

TEST_F(TranslatedTexts, AnAlertIsOneTranslatedSentenceWithTheNameAndTheReasonInIt) {
  QCoreApplication::installTranslator(&german_);
  canvas::CanvasModel canvas(canvas::PlateRule::FitPicture, QRectF(0, 0, 800, 600), QRectF());
  document::SketchDocument doc;
  doc.load();
  doc.setCanvas(&canvas, 0.75f);
  QSignalSpy alerts(&doc, &document::SketchDocument::alertRequested);

  EXPECT_FALSE(doc.pickPhotoFile(junk_));
  // Dropped image data that is no picture: named as a drop without a file is.
  document::pickDropped(document::DroppedPicture{}, &doc);
  ASSERT_EQ(alerts.size(), 2);
  const auto file = alerts.at(0).at(0).value<document::SourceAlertTexts>();
  EXPECT_EQ(file.title, "Foto nicht geöffnet");
  EXPECT_EQ(file.message, "junk.png ließ sich nicht öffnen: die Datei ist kein Bild.");
  const auto dropped = alerts.at(1).at(0).value<document::SourceAlertTexts>();
  EXPECT_EQ(dropped.message, "Das abgelegte Bild ließ sich nicht öffnen: es gibt kein Bild.");

  // The mail link's subject and text are the greeting in the session's language.
  EXPECT_EQ(document::mailGreeting(), "Hallo!");
  EXPECT_TRUE(document::mailLink().toString().contains("&subject=@Hallo!&body=@Hallo!"));
}
