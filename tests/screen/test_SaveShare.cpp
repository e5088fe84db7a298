// SPDX-License-Identifier: GPL-3.0-or-later
// Save and Share: the painting at photo size, written before the user is told, faults reported.
#include <sys/resource.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <csignal>

#include "ScreenFixture.h"
#include "canvas/PlateView.h"
#include "document/SaveShare.h"
#include "platform/Paths.h"

namespace {

mode_t modeOf(const QString& path) {
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777 : 01000;
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// A stand-in program on the path that writes down its arguments or fails.
QString fakeProgram(const QString& path, const QByteArray& script) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size()) return {};
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return QFileInfo(path).path();
}

}  // namespace

class SaveShareTest : public ScreenTest {
 protected:
  static QString album() {
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vorlane";
  }
  void SetUp() override { ScreenTest::SetUp(), QFile::remove(album()), QDir(album()).removeRecursively(); }
  void TearDown() override { qputenv("PATH", path_), QFile::remove(album()), ScreenTest::TearDown(); }
  canvas::VorlaneView* view() { return controller_->workview(); }
  // A mouse stroke between two picture pixels of the plate.
  void stroke(QPointF from, QPointF to) {
    const QSizeF size = view()->orgimgview()->image().size();
    const QRectF fit = canvas::fitRect(view()->model()->plate()->baseviewFrame(), size);
    const QTransform t = QTransform::fromTranslate(fit.x(), fit.y())
                             .scale(fit.width() / size.width(), fit.height() / size.height());
    auto at = [&](QPointF p) { return view()->workview()->geometry().topLeft() + t.map(p).toPoint(); };
    QTest::mousePress(view(), Qt::LeftButton, {}, at(from));
    for (int i = 1; i <= 4; ++i) QTest::mouseMove(view(), at(from + (to - from) * i / 4));
    QTest::mouseRelease(view(), Qt::LeftButton, {}, at(to));
  }
  // Presses Save and waits for the outcome; the path (or reason) it reported.
  QString save(bool expectOk) {
    QSignalSpy done(controller_->document(), &document::SketchDocument::saveFinished);
    QTest::mouseClick(controller_->savebtn(), Qt::LeftButton);
    EXPECT_TRUE(!done.isEmpty() || platform::AlertView::visibleAlerts().isEmpty()) << "told before the write";
    if (done.isEmpty() && !done.wait(20000)) return {};
    EXPECT_EQ(done.first().at(0).toBool(), expectOk) << done.first().at(1).toString().toStdString();
    return done.first().at(1).toString();
  }
  // A resource set without the texture: styles 1..7 cannot be rendered, style 0 can.
  void withoutTexture() {
    writeFile("res/data/AppDataList.plist",
              "<plist><dict><key>sketchtype</key><array><string>a.jpg</string><string>b.jpg</string>"
              "<string>c.jpg</string></array><key>sketchbrush</key><array><string>nothere.png</string></array>"
              "</dict></plist>");
    platform::setResourceRoot(dir_.filePath("res"));
    defaults().setBoolForKey(true, "inited");
    defaults().setIntegerForKey(0, "currenttype");
  }
  const QByteArray path_ = qgetenv("PATH");
};

TEST_F(SaveShareTest, SaveAndShareDeliverThePaintingAtPhotoSizeOrSayWhyNot) {
  auto* c = startPhone();
  QSignalSpy saves(c->document(), &document::SketchDocument::saveFinished),
      handed(c->document(), &document::SketchDocument::shareHandedOn);
  for (int command = 0; command < 3; ++command) {  // Save, Share, Ctrl+S before a photo
    SCOPED_TRACE(command);
    QApplication::setActiveWindow(c);  // the alerts before took the focus
    command == 2 ? QTest::keyClick(c, Qt::Key_S, Qt::ControlModifier)
                 : QTest::mouseClick(command ? c->sharebtn() : c->savebtn(), Qt::LeftButton);
    EXPECT_ALERT("No Picture", "Load a photo first.", "OK");
    clickAlertButton(QStringLiteral("OK"));
  }
  EXPECT_TRUE(saves.isEmpty());
  EXPECT_TRUE(handed.isEmpty());
  EXPECT_TRUE(QDir(album()).entryList({"*.png"}, QDir::Files).isEmpty());

  ASSERT_TRUE(pickAndRender(writePhoto(QStringLiteral("p.png"), 400, 300)));
  const QImage sketch = view()->sketchimgview()->image().copy(), photoA = view()->orgimgview()->image().copy();
  stroke({60, 150}, {340, 150});
  QTest::mouseClick(view()->Bbtn(), Qt::LeftButton);
  stroke({200, 40}, {200, 260});  // brush B brings the sketch back
  const QRectF zoomed(-130, -60, 560, 750);  // zoomed in and panned: the picture must not follow the view
  view()->model()->plate()->setBaseviewFrame(zoomed);
  const QString path = save(true);
  const QImage saved(path);
  ASSERT_EQ(saved.size(), QSize(400, 300)) << path.toStdString();
  EXPECT_EQ(QFileInfo(path).dir().absolutePath(), QDir(album()).absolutePath());
  // Under stroke A photo A (the first two), under stroke B and elsewhere photo B, pixel for pixel.
  const QPoint points[] = {{100, 150}, {150, 151}, {200, 150}, {200, 60}, {200, 250}, {30, 30}, {399, 299}};
  for (const QPoint& p : points) {
    ASSERT_NE(photoA.pixel(p), sketch.pixel(p));
    EXPECT_EQ(saved.pixel(p), (&p < points + 2 ? photoA : sketch).pixel(p)) << p.x() << "," << p.y();
  }
  EXPECT_EQ(view()->model()->plate()->baseviewFrame(), zoomed);
  EXPECT_ALERT("Image Saved!", "The new image is saved to your album.", "OK");
  closeAlerts();
  QApplication::setActiveWindow(c);

  // Quick saves never share a file name.
  QSignalSpy done(c->document(), &document::SketchDocument::saveFinished);
  QTest::keyClick(c, Qt::Key_S, Qt::ControlModifier);
  QTest::mouseClick(c->savebtn(), Qt::LeftButton);
  for (int i = 0; i < 50 && done.count() < 2; ++i) done.wait(400);
  ASSERT_EQ(done.count(), 2);
  EXPECT_NE(done.at(0).at(1).toString(), done.at(1).at(1).toString());
  EXPECT_EQ(QDir(album()).entryList({"*.png"}, QDir::Files).size(), 3);
  closeAlerts();

  // A failed save says why and leaves the painting.
  const QImage work = view()->workimgview()->image().copy();
  const int step = view()->model()->painting()->history().currentstep();
  QDir(album()).removeRecursively();
  writeFile(album(), "not a folder");
  const QString reason = save(false);
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_ALERT("Image Not Saved",
               QStringLiteral("The image could not be saved to your album: %1.").arg(reason), "OK");
  EXPECT_EQ(view()->workimgview()->image(), work);
  EXPECT_EQ(view()->model()->painting()->history().currentstep(), step);
  EXPECT_TRUE(QFileInfo(album()).isFile());
  closeAlerts();

  // Share hands a JPEG named "heart" to the mail program.
  const QString record = dir_.filePath("bin/args.txt");
  qputenv("PATH", fakeProgram(dir_.filePath("bin/xdg-email"),
                              QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp'\nmv '%1.tmp' '%1'\n")
                                  .arg(record)
                                  .toUtf8())
                          .toUtf8() +
                      ':' + path_);
  QTest::mouseClick(c->sharebtn(), Qt::LeftButton);
  ASSERT_TRUE(handed.wait(20000));
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 20000);
  const QString attachment = handed.first().at(0).toString();
  EXPECT_EQ(QString::fromUtf8(bytesOf(record)).split('\n', Qt::SkipEmptyParts),
            (QStringList{"--subject", "Hello!", "--body", "Hello!", "--attach", attachment}));
  EXPECT_EQ(QFileInfo(attachment).fileName(), QStringLiteral("heart"));
  EXPECT_TRUE(attachment.startsWith(platform::documentsDirectory() + QStringLiteral("/share/")));
  EXPECT_EQ(QImageReader(attachment).format(), QByteArray("jpeg"));
  const QImage picture(attachment);
  EXPECT_EQ(picture.size(), QSize(400, 300));
  EXPECT_LE(std::abs(qGray(picture.pixel(200, 150)) - qGray(sketch.pixel(200, 150))), 12);  // lossy, but grey
  EXPECT_TRUE(opened_.isEmpty());

  // Without a mail program the mail link opens, from the resource set's list, and no file is left.
  qputenv("PATH", dir_.filePath("nobin").toUtf8());
  writeFile("res/data/maillink.plist",
            "<plist version=\"1.0\"><dict>"
            "<key>to</key><string>zo\xc3\xab@example.org</string><key>cc</key><array>"
            "<string>a b@example.org</string><string>c@example.org</string></array></dict></plist>");
  platform::setResourceRoot(dir_.filePath("res"));
  const QString shares = platform::documentsDirectory() + QStringLiteral("/share");
  const QStringList sharesBefore = QDir(shares).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  QTest::mouseClick(c->sharebtn(), Qt::LeftButton);
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(opened_.first().toEncoded(),
            "mailto:zo%C3%AB@example.org?cc=a%20b@example.org,c@example.org&subject=@Hello!&body=@Hello!");
  EXPECT_EQ(QDir(shares).entryList(QDir::Dirs | QDir::NoDotAndDotDot), sharesBefore);
  EXPECT_TRUE(platform::AlertView::visibleAlerts().isEmpty());

  // Nothing can send mail (no handler for the link, or an xdg-email that fails): the user is
  // told, and no attachment is left behind.
  QSignalSpy failed(c->document(), &document::SketchDocument::shareFailed);
  platform::setUrlOpener([](const QUrl&) { return false; });
  QTest::mouseClick(c->sharebtn(), Qt::LeftButton);
  EXPECT_EQ(failed.count(), 1);
  EXPECT_ALERT("Cannot Share", "No mail program could be started.", "OK");
  clickAlertButton("OK");
  qputenv("PATH", fakeProgram(dir_.filePath("failbin/xdg-email"), "#!/bin/sh\nexit 3\n").toUtf8());
  QApplication::setActiveWindow(c);
  QTest::mouseClick(c->sharebtn(), Qt::LeftButton);
  ASSERT_TRUE(failed.wait(20000));
  EXPECT_ALERT("Cannot Share", "No mail program could be started.", "OK");
  EXPECT_EQ(QDir(shares).entryList(QDir::Dirs | QDir::NoDotAndDotDot), sharesBefore);
}

// The album never replaces a file: a taken name moves on. Saved pictures get a new file's usual
// permissions (0666 less the umask), not the temporary file's private 0600: here under two masks.
TEST_F(ScreenTest, AlbumWriteMovesOnFromATakenNameAndNeverReplacesIt) {
  const QDir dir(dir_.filePath("album"));
  const QImage picture = makePhoto(40, 30).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QString base = document::albumFileBaseName(QDateTime(QDate(2026, 12, 6), QTime(19, 30, 5)));
  ASSERT_EQ(base, QStringLiteral("Vorlane 2026-12-06 19-30-05"));
  const QString expected[] = {base + ".png", base + " (2).png", base + " (3).png"};
  writeFile(dir.filePath(expected[0]), "earlier");
  for (int i = 1; i < 3; ++i) {
    const mode_t mask = i == 1 ? 022 : 027;
    const mode_t before = ::umask(mask);
    const document::AlbumWrite written = document::writeToAlbum(picture, dir.path(), base);
    ::umask(before);
    ASSERT_TRUE(written.ok) << written.reason.toStdString();
    EXPECT_EQ(QFileInfo(written.path).fileName(), expected[i]);
    EXPECT_EQ(QImage(written.path).convertToFormat(QImage::Format_ARGB32_Premultiplied), picture);
    EXPECT_EQ(modeOf(written.path), 0666 & ~mask) << std::oct << modeOf(written.path);
  }
  EXPECT_EQ(bytesOf(dir.filePath(expected[0])), QByteArray("earlier"));
  EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden).size(), 3);  // no temporary left
}

TEST_F(ScreenTest, PictureFileByItsSuffixReplacesWholeOrNotAtAll) {
  const QDir dir(dir_.filePath("files"));
  ASSERT_TRUE(QDir().mkpath(dir.path()));
  const QImage picture = makePhoto(64, 48).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  writeFile(dir.filePath("Vorlane x.png"), "taken");
  EXPECT_EQ(document::freeFileName(dir.path(), "Vorlane x", ".png"), "Vorlane x (2).png");
  EXPECT_EQ(document::freeFileName(dir.path(), "Vorlane x", ".jpg"), "Vorlane x.jpg");
  // By suffix, any case: PNG lossless, JPEG at quality 92 on white, as Qt writes it.
  QByteArray q92;
  QBuffer buffer(&q92);
  ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(92);
  ASSERT_TRUE(writer.write(picture.convertToFormat(QImage::Format_RGB32)));
  for (const char* name : {"a.PNG", "b.jpg", "c.JPEG"}) {
    SCOPED_TRACE(name);
    const document::AlbumWrite written = document::writePictureFile(picture, dir.filePath(name));
    ASSERT_TRUE(written.ok) << written.reason.toStdString();
    if (QByteArray(name).endsWith("PNG")) {
      EXPECT_EQ(QImageReader(written.path).format(), "png");
      EXPECT_EQ(QImage(written.path).convertToFormat(picture.format()), picture);
    } else {
      EXPECT_EQ(bytesOf(written.path), q92);
    }
  }
  for (const char* refused : {"d.bmp", "e", "f.png.txt"}) {
    const document::AlbumWrite written = document::writePictureFile(picture, dir.filePath(refused));
    EXPECT_FALSE(written.ok) << refused;
    EXPECT_EQ(written.reason, "a picture can be saved as PNG (.png) or JPEG (.jpg) only");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(refused))) << refused;
  }

  // A new file gets the user's usual permissions, a replaced one keeps its own.
  const mode_t before = ::umask(027);
  const document::AlbumWrite fresh = document::writePictureFile(picture, dir.filePath("new.png"));
  ::umask(before);
  ASSERT_TRUE(fresh.ok);
  const QString old = dir.filePath("Vorlane x.png");
  ASSERT_TRUE(QFile::setPermissions(old, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  ASSERT_TRUE(document::writePictureFile(picture, old).ok);
  EXPECT_EQ(modeOf(fresh.path), 0640u);
  EXPECT_EQ(modeOf(old), 0600u);
  EXPECT_EQ(QImageReader(old).size(), QSize(64, 48));

  // A symbolic link is written through, a chain of them too: the links stay, the target gets the picture.
  ASSERT_TRUE(QFile::link(dir.filePath("new.png"), dir.filePath("link.png")));
  ASSERT_TRUE(QFile::link(dir.filePath("link.png"), dir.filePath("chain.png")));
  const document::AlbumWrite through = document::writePictureFile(makePhoto(8, 6), dir.filePath("link.png"));
  ASSERT_TRUE(through.ok) << through.reason.toStdString();
  EXPECT_EQ(through.path, QFileInfo(dir.filePath("new.png")).absoluteFilePath());
  EXPECT_EQ(QImageReader(dir.filePath("new.png")).size(), QSize(8, 6));
  ASSERT_TRUE(document::writePictureFile(makePhoto(10, 4), dir.filePath("chain.png")).ok);
  EXPECT_TRUE(QFileInfo(dir.filePath("link.png")).isSymLink() &&
              QFileInfo(dir.filePath("chain.png")).isSymLink());
  EXPECT_EQ(QImageReader(dir.filePath("new.png")).size(), QSize(10, 4));
  // A read-only file is not replaced (only where permissions bind: not for root).
  if (::geteuid() != 0) {
    ASSERT_TRUE(QFile(dir.filePath("new.png")).setPermissions(QFileDevice::ReadOwner));
    const document::AlbumWrite locked = document::writePictureFile(picture, dir.filePath("new.png"));
    EXPECT_FALSE(locked.ok);
    EXPECT_EQ(locked.reason, "the file new.png is read-only");
    EXPECT_EQ(QImageReader(dir.filePath("new.png")).size(), QSize(10, 4));
  }

  // A write cut short (here by a file-size limit) leaves the old file whole and no part behind.
  const QByteArray oldBytes = bytesOf(old);
  QImage noise(900, 900, QImage::Format_RGB32);
  for (int y = 0; y < noise.height(); ++y)
    for (int x = 0; x < noise.width(); ++x)
      noise.setPixel(x, y, qRgb((x * 7 + y * 13) % 256, (x * y) % 256, (x ^ y) % 256));
  struct rlimit limit {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const struct rlimit small { rlim_t(oldBytes.size() + 4096), limit.rlim_max };
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const document::AlbumWrite cut = document::writePictureFile(noise, old);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldSignal);
  EXPECT_FALSE(cut.ok);
  EXPECT_FALSE(cut.reason.isEmpty());
  EXPECT_EQ(bytesOf(old), oldBytes);
  EXPECT_TRUE(dir.entryList({".vorlane-*"}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(SaveShareTest, ThePaintingIsChangedFromAStrokeUntilASaveThatHoldsIt) {
  auto* c = startPhone();
  document::SketchDocument* document = c->document();
  QSignalSpy changes(document, &document::SketchDocument::modifiedChanged);
  ASSERT_TRUE(pickAndRender(writePhoto(QStringLiteral("p.png"), 400, 300)));
  EXPECT_FALSE(document->isModified());
  stroke({60, 150}, {340, 150});
  EXPECT_TRUE(document->isModified());
  save(true);
  clickAlertButton(QStringLiteral("OK"));
  EXPECT_FALSE(document->isModified());
  view()->model()->painting()->undo();
  EXPECT_TRUE(document->isModified());  // the saved picture has that stroke
  save(true);
  clickAlertButton(QStringLiteral("OK"));
  ASSERT_FALSE(document->isModified());
  // A stroke while the save is being written: that save does not hold it.
  stroke({60, 100}, {340, 100});
  QSignalSpy done(document, &document::SketchDocument::saveFinished);
  QTest::mouseClick(c->savebtn(), Qt::LeftButton);
  stroke({60, 200}, {340, 200});
  ASSERT_TRUE(!done.isEmpty() || done.wait(20000));
  EXPECT_TRUE(done.first().at(0).toBool());
  EXPECT_TRUE(document->isModified());
  clickAlertButton(QStringLiteral("OK"));
  // A new render pass starts a new painting.
  c->document()->selectSketchStyle(3);
  ASSERT_TRUE(c->document()->renderIfChanged(0));
  QSignalSpy pass(document, &document::SketchDocument::renderPassFinished);
  ASSERT_TRUE(pass.wait(20000));
  EXPECT_FALSE(document->isModified());
  QList<bool> seen;
  for (const QList<QVariant>& change : changes) seen << change.at(0).toBool();
  EXPECT_EQ(seen, QList<bool>({true, false, true, false, true, false}));
}

// A photo whose render fails (the texture is missing) is refused with an alert; the photo,
// selection, canvas and painting before it come back as they were.
TEST_F(SaveShareTest, APhotoThatCannotBeRenderedGivesThePaintingBackAsItWas) {
  withoutTexture();
  auto* c = startPhone();
  document::SketchDocument* document = c->document();
  ASSERT_TRUE(pickAndRender(writePhoto(QStringLiteral("first.png"), 400, 300)));
  const QString second = writePhoto(QStringLiteral("second.png"), 300, 400);
  c->didSelectRow(1, 2);
  stroke({60, 150}, {340, 150});
  ASSERT_TRUE(document->isModified());
  ASSERT_TRUE(document->pickPhotoFile(second));
  EXPECT_FALSE(document->isModified());  // given up while the new photo waits
  EXPECT_FALSE(waitForRender());
  EXPECT_TRUE(document->isModified());
  EXPECT_ALERT("Cannot Open Photo", "second.png could not be opened: the picture could not be rendered.", "OK");
  EXPECT_FALSE(view()->isHidden());
  EXPECT_EQ(view()->sketchimgview()->image().size(), QSize(400, 300));
  EXPECT_EQ(document->currenttype(), 0);  // the selection is back on what is shown
  EXPECT_EQ(defaults().integerForKey("currenttype"), 0);
  closeAlerts();
  // Saved while the failing photo waits: saved it stays.
  QSignalSpy done(document, &document::SketchDocument::saveFinished);
  QTest::mouseClick(c->savebtn(), Qt::LeftButton);
  c->didSelectRow(1, 2);
  ASSERT_TRUE(document->pickPhotoFile(second));
  EXPECT_FALSE(waitForRender());
  ASSERT_TRUE(done.count() == 1 || done.wait(20000));
  EXPECT_TRUE(done.first().at(0).toBool());
  EXPECT_FALSE(document->isModified());
  EXPECT_EQ(document->photoName(), QStringLiteral("first.png"));
}
