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
  const QByteArray path_ = qgetenv("PATH");
};

TEST_F(SaveShareTest, SaveAndShareDeliverThePaintingAtPhotoSizeOrSayWhyNot) {
  auto* c = startPhone();
  QSignalSpy saves(c->document(), &document::SketchDocument::saveFinished),
      handed(c->document(), &document::SketchDocument::shareHandedOn);
  for (int command = 0; command < 3; ++command) {
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
  const QImage sketch = view()->sketchimgview()->image().copy();
  const QImage photoA = view()->orgimgview()->image().copy();
  stroke({60, 150}, {340, 150});
  QTest::mouseClick(view()->Bbtn(), Qt::LeftButton);
  ASSERT_TRUE(view()->orgimgview()->isHidden());
  stroke({200, 40}, {200, 260});  // brush B brings the sketch back
  ASSERT_GT(view()->model()->painting()->history().currentstep(), 0);
  // Zoomed in and panned: the picture must not follow the view.
  const QRectF zoomed(-130, -60, 560, 750);
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
  QApplication::setActiveWindow(controller_.get());  // the alert took the focus

  // Quick saves never share a file name.
  QSignalSpy done(controller_->document(), &document::SketchDocument::saveFinished);
  QTest::keyClick(controller_.get(), Qt::Key_S, Qt::ControlModifier);
  QTest::mouseClick(controller_->savebtn(), Qt::LeftButton);
  for (int i = 0; i < 50 && done.count() < 2; ++i) done.wait(400);
  ASSERT_EQ(done.count(), 2);
  const QString first = done.at(0).at(1).toString(), second = done.at(1).at(1).toString();
  EXPECT_NE(first, second);
  EXPECT_EQ(QDir(album()).entryList({"*.png"}, QDir::Files).size(), 3);
  for (const QString& path : {first, second}) EXPECT_EQ(QImage(path).size(), QSize(400, 300));
  closeAlerts();

  // A failed save says why and leaves the painting.
  const QImage work = view()->workimgview()->image().copy();
  const int step = view()->model()->painting()->history().currentstep();
  QDir(album()).removeRecursively();
  writeFile(album(), "not a folder");  // a file where the album folder should be
  const QString reason = save(false);
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_ALERT("Image Not Saved",
               QStringLiteral("The image could not be saved to your album: %1.").arg(reason), "OK");
  EXPECT_EQ(view()->workimgview()->image(), work);
  EXPECT_EQ(view()->model()->painting()->history().currentstep(), step);
  EXPECT_TRUE(QFileInfo(album()).isFile());
  closeAlerts();

  // Share hands a JPEG named "heart" to the mail program, else opens the mail link.
  // A stand-in mail program that writes down its arguments.
  const QString record = dir_.filePath("bin/args.txt");
  const QString script = writeFile(
      "bin/xdg-email",
      QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp'\nmv '%1.tmp' '%1'\n").arg(record).toUtf8());
  QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("PATH", dir_.filePath("bin").toUtf8() + ':' + path_);
  QTest::mouseClick(c->sharebtn(), Qt::LeftButton);
  ASSERT_TRUE(handed.wait(20000));
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 20000);
  QFile file(record);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString attachment = handed.first().at(0).toString();
  EXPECT_EQ(QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts),
            (QStringList{"--subject", "Hello!", "--body", "Hello!", "--attach", attachment}));
  EXPECT_EQ(QFileInfo(attachment).fileName(), QStringLiteral("heart"));
  EXPECT_TRUE(attachment.startsWith(platform::documentsDirectory() + QStringLiteral("/share/")));
  EXPECT_EQ(QImageReader(attachment).format(), QByteArray("jpeg"));
  const QImage picture(attachment);
  EXPECT_EQ(picture.size(), QSize(400, 300));
  const QRgb expected = view()->sketchimgview()->image().pixel(200, 150);  // lossy, but the grey survives
  EXPECT_LE(std::abs(qGray(picture.pixel(200, 150)) - qGray(expected)), 12);
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

  // Nothing can send mail: no xdg-email and no handler for the link, or an
  // xdg-email that fails. The user is told, and no attachment is left behind.
  QSignalSpy failed(c->document(), &document::SketchDocument::shareFailed);
  platform::setUrlOpener([](const QUrl&) { return false; });
  QTest::mouseClick(c->sharebtn(), Qt::LeftButton);
  EXPECT_EQ(failed.count(), 1);
  EXPECT_ALERT("Cannot Share", "No mail program could be started.", "OK");
  clickAlertButton("OK");
  const QString failing = writeFile("failbin/xdg-email", "#!/bin/sh\nexit 3\n");
  QFile::setPermissions(failing, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("PATH", dir_.filePath("failbin").toUtf8());
  QApplication::setActiveWindow(c);
  QTest::mouseClick(c->sharebtn(), Qt::LeftButton);
  ASSERT_TRUE(failed.wait(20000));
  EXPECT_ALERT("Cannot Share", "No mail program could be started.", "OK");
  EXPECT_EQ(QDir(shares).entryList(QDir::Dirs | QDir::NoDotAndDotDot), sharesBefore);
}

TEST_F(ScreenTest, AlbumWriteMovesOnFromATakenNameAndNeverReplacesIt) {
  const QDir dir(dir_.filePath("album"));
  const QImage picture = makePhoto(40, 30).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QString base = document::albumFileBaseName(QDateTime(QDate(2026, 12, 6), QTime(19, 30, 5)));
  ASSERT_EQ(base, QStringLiteral("Vorlane 2026-12-06 19-30-05"));
  const QString expected[] = {base + ".png", base + " (2).png", base + " (3).png"};
  writeFile(dir.filePath(expected[0]), "earlier");
  // Saved pictures get a new file's usual permissions (0666 less the umask), not
  // the temporary file's private 0600: here under two masks.
  for (int i = 1; i < 3; ++i) {
    const mode_t mask = i == 1 ? 022 : 027;
    const mode_t before = ::umask(mask);
    const document::AlbumWrite written = document::writeToAlbum(picture, dir.path(), base);
    ::umask(before);
    ASSERT_TRUE(written.ok) << written.reason.toStdString();
    EXPECT_EQ(QFileInfo(written.path).fileName(), expected[i]);
    EXPECT_EQ(QImage(written.path).convertToFormat(QImage::Format_ARGB32_Premultiplied), picture);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(written.path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << std::oct << (info.st_mode & 0777);
  }
  QFile earlier(dir.filePath(expected[0]));
  EXPECT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
  EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden).size(), 3);  // no temporary left
}

TEST_F(ScreenTest, PictureFileByItsSuffixReplacesWholeOrNotAtAll) {
  const QDir dir(dir_.filePath("files"));
  ASSERT_TRUE(QDir().mkpath(dir.path()));
  const QImage picture = makePhoto(64, 48).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(document::freeFileName(dir.path(), "Vorlane x", ".png"), "Vorlane x.png");
  writeFile(dir.filePath("Vorlane x.png"), "taken");
  EXPECT_EQ(document::freeFileName(dir.path(), "Vorlane x", ".png"), "Vorlane x (2).png");
  EXPECT_EQ(document::freeFileName(dir.path(), "Vorlane x", ".jpg"), "Vorlane x.jpg");

  // By suffix, any case: PNG lossless, JPEG at quality 92 on white.
  for (const char* name : {"a.PNG", "b.jpg", "c.JPEG"}) {
    SCOPED_TRACE(name);
    const document::AlbumWrite written = document::writePictureFile(picture, dir.filePath(name));
    ASSERT_TRUE(written.ok) << written.reason.toStdString();
    QImageReader reader(written.path);
    const bool png = QByteArray(name).endsWith("PNG");
    EXPECT_EQ(reader.format(), png ? QByteArray("png") : QByteArray("jpeg"));
    EXPECT_EQ(reader.size(), QSize(64, 48));
    if (png) {
      EXPECT_EQ(QImage(written.path).convertToFormat(picture.format()), picture);
    }
  }
  QByteArray q92;
  {
    QBuffer buffer(&q92);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(92);
    ASSERT_TRUE(writer.write(picture.convertToFormat(QImage::Format_RGB32)));
  }
  QFile jpeg(dir.filePath("b.jpg"));
  ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
  EXPECT_EQ(jpeg.readAll(), q92);

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
  QFile old(dir.filePath("Vorlane x.png"));
  ASSERT_TRUE(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  ASSERT_TRUE(document::writePictureFile(picture, old.fileName()).ok);
  for (auto [path, mode] : {std::pair{fresh.path, 0640}, {old.fileName(), 0600}}) {
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, mode_t(mode))
        << path.toStdString() << " " << std::oct << (info.st_mode & 0777);
  }
  EXPECT_EQ(QImageReader(old.fileName()).size(), QSize(64, 48));

  // A symbolic link is written through: the link stays, its target gets the picture.
  ASSERT_TRUE(QFile::link(dir.filePath("new.png"), dir.filePath("link.png")));
  const document::AlbumWrite through = document::writePictureFile(makePhoto(8, 6), dir.filePath("link.png"));
  ASSERT_TRUE(through.ok) << through.reason.toStdString();
  EXPECT_EQ(through.path, QFileInfo(dir.filePath("new.png")).absoluteFilePath());
  EXPECT_TRUE(QFileInfo(dir.filePath("link.png")).isSymLink());
  EXPECT_EQ(QImageReader(dir.filePath("new.png")).size(), QSize(8, 6));
  // ... through a chain of links too.
  ASSERT_TRUE(QFile::link(dir.filePath("link.png"), dir.filePath("chain.png")));
  ASSERT_TRUE(document::writePictureFile(makePhoto(10, 4), dir.filePath("chain.png")).ok);
  EXPECT_TRUE(QFileInfo(dir.filePath("link.png")).isSymLink());
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
  const QByteArray oldBytes = [&] {
    QFile f(old.fileName());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  QImage noise(900, 900, QImage::Format_RGB32);
  for (int y = 0; y < noise.height(); ++y)
    for (int x = 0; x < noise.width(); ++x)
      noise.setPixel(x, y, qRgb((x * 7 + y * 13) % 256, (x * y) % 256, (x ^ y) % 256));
  struct rlimit limit {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const struct rlimit small { rlim_t(oldBytes.size() + 4096), limit.rlim_max };
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const document::AlbumWrite cut = document::writePictureFile(noise, old.fileName());
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldSignal);
  EXPECT_FALSE(cut.ok);
  EXPECT_FALSE(cut.reason.isEmpty());
  QFile after(old.fileName());
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), oldBytes);
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
  if (done.isEmpty()) {
    ASSERT_TRUE(done.wait(20000));
  }
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

TEST_F(SaveShareTest, APhotoThatCannotBeRenderedGivesThePaintingBackAsItWas) {
  // A resource set without the texture: styles 1..7 cannot be rendered, style 0 can.
  writeFile("res/data/AppDataList.plist",
            "<plist><dict><key>sketchtype</key><array><string>a.jpg</string><string>b.jpg</string>"
            "<string>c.jpg</string></array><key>sketchbrush</key><array><string>nothere.png</string></array>"
            "</dict></plist>");
  platform::setResourceRoot(dir_.filePath("res"));
  defaults().setBoolForKey(true, "inited");
  defaults().setIntegerForKey(0, "currenttype");
  auto* c = startPhone();
  document::SketchDocument* document = c->document();
  ASSERT_TRUE(pickAndRender(writePhoto(QStringLiteral("first.png"), 400, 300)));
  const QString second = writePhoto(QStringLiteral("second.png"), 300, 400);
  c->didSelectRow(1, 2);
  stroke({60, 150}, {340, 150});
  ASSERT_TRUE(document->isModified());
  // Changed, then a photo that fails: still changed.
  ASSERT_TRUE(document->pickPhotoFile(second));
  EXPECT_FALSE(document->isModified());  // given up while the new photo waits
  EXPECT_FALSE(waitForRender());
  EXPECT_TRUE(document->isModified());
  closeAlerts();
  // Saved while the failing photo waits: saved it stays.
  QSignalSpy done(document, &document::SketchDocument::saveFinished);
  QTest::mouseClick(c->savebtn(), Qt::LeftButton);
  c->didSelectRow(1, 2);  // the failure put the selection back
  ASSERT_TRUE(document->pickPhotoFile(second));
  EXPECT_FALSE(waitForRender());
  ASSERT_TRUE(done.count() == 1 || done.wait(20000));
  EXPECT_TRUE(done.first().at(0).toBool());
  EXPECT_FALSE(document->isModified());
  EXPECT_EQ(document->photoName(), QStringLiteral("first.png"));
}
