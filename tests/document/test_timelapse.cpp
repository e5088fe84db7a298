// SPDX-License-Identifier: GPL-3.0-or-later
// The time-lapse's plan, and the time-lapse written and read back with
// libavformat/libavcodec and libwebp's own decoder: length, size and format;
// the first frame is the untouched sketch, the last the finished painting, an
// undone stroke never shows; bad options, a cancel and an unwritable folder
// leave nothing behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "TestSupport.h"
#include "document/PaintingFlatten.h"
#include "document/StyleRenderer.h"
#include "document/Timelapse.h"
#include "document/TimelapsePlan.h"
#include "SamplePainting.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}
#include <webp/demux.h>

namespace document {
void PrintTo(const TimelapseEvent& e, std::ostream* os) {
  *os << "{step " << e.step << ", segment " << e.segment << ", frame " << e.frame << "}";
}
}  // namespace document

namespace {

using document::PaintingRecord;
using document::PaintingStep;
using document::TimelapseFailure;
using document::TimelapseEvent;
using document::TimelapseOptions;
using document::TimelapsePlan;

using painting_sample::painting;

QImage flat(const PaintingRecord& record, QSize size) {
  document::StyleRenderer renderer;
  renderer.setTextureName(document::paintingTextureName());
  const QImage picture = document::flattenPainting(record, renderer).value_or(QImage());
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

PaintingRecord untouched(PaintingRecord record, int position) {
  record.undoPosition = position;
  for (int i = 0; i < position; ++i) record.steps[std::size_t(i)].segments.clear();
  return record;
}

// PSNR over the RGB channels of rect (the whole picture when empty).
double psnr(const QImage& a, const QImage& b, QRect rect = {}) {
  if (a.size() != b.size()) return 0.0;
  if (rect.isEmpty()) rect = a.rect();
  double sum = 0.0;
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  for (int r = rect.top(); r <= rect.bottom(); ++r)
    for (int c = rect.left(); c <= rect.right(); ++c) {
      const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
      for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) sum += double(d * d);
    }
  const double mse = sum / (3.0 * rect.width() * rect.height());
  return mse == 0.0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

struct Video {
  AVCodecID codec = AV_CODEC_ID_NONE;
  int format = -1;
  QSize size;
  std::vector<QImage> frames;
};

// Every frame of the file, decoded by libavcodec and turned into RGB by libswscale.
Video readVideo(const QString& path) {
  Video video;
  AVFormatContext* fmt = nullptr;
  if (avformat_open_input(&fmt, QFile::encodeName(path).constData(), nullptr, nullptr) < 0) return video;
  avformat_find_stream_info(fmt, nullptr);
  const int index = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (index >= 0) {
    const AVCodecParameters* par = fmt->streams[index]->codecpar;
    video.codec = par->codec_id;
    video.format = par->format;
    video.size = QSize(par->width, par->height);
    AVCodecContext* ctx = avcodec_alloc_context3(avcodec_find_decoder(par->codec_id));
    avcodec_parameters_to_context(ctx, par);
    avcodec_open2(ctx, nullptr, nullptr);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    auto take = [&] {
      while (avcodec_receive_frame(ctx, frame) == 0) {
        QImage rgb(frame->width, frame->height, QImage::Format_RGB32);
        SwsContext* sws = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                                         frame->height, AV_PIX_FMT_BGRA, SWS_BICUBIC | SWS_ACCURATE_RND,
                                         nullptr, nullptr, nullptr);
        std::uint8_t* planes[] = {rgb.bits()};
        const int strides[] = {int(rgb.bytesPerLine())};
        sws_scale(sws, frame->data, frame->linesize, 0, frame->height, planes, strides);
        sws_freeContext(sws);
        video.frames.push_back(rgb);
      }
    };
    while (av_read_frame(fmt, packet) >= 0) {
      if (packet->stream_index == index) avcodec_send_packet(ctx, packet);
      av_packet_unref(packet);
      take();
    }
    avcodec_send_packet(ctx, nullptr);
    take();
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&ctx);
  }
  avformat_close_input(&fmt);
  return video;
}

struct Animation {
  QSize size;
  int frames = 0;
  int endMs = 0;
  QImage last;
};

Animation readAnimation(const QString& path) {
  Animation out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return out;
  const QByteArray bytes = file.readAll();
  WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
  WebPAnimDecoderOptions options;
  WebPAnimDecoderOptionsInit(&options);
  options.color_mode = MODE_RGBA;
  WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
  if (!decoder) return out;
  WebPAnimInfo info;
  WebPAnimDecoderGetInfo(decoder, &info);
  out.size = QSize(int(info.canvas_width), int(info.canvas_height));
  std::uint8_t* pixels = nullptr;
  int timestamp = 0;
  while (WebPAnimDecoderGetNext(decoder, &pixels, &timestamp)) {
    ++out.frames;
    out.endMs = timestamp;
    out.last = QImage(pixels, out.size.width(), out.size.height(), QImage::Format_RGBA8888).copy();
  }
  WebPAnimDecoderDelete(decoder);
  return out;
}

struct Timelapse : testing::Test {
  QTemporaryDir dir{vorlane_test::testRoot() + "/timelapse-XXXXXX"};
  QString path(const QString& name) const { return dir.filePath(name); }
  QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(Timelapse, TheVideoOpensOnTheSketchEndsOnThePaintingAndNeverShowsTheUndoneStroke) {
  const PaintingRecord record = painting();
  const QString out = path("painting.mp4");
  std::vector<double> heard;
  QString reason;
  ASSERT_TRUE(document::writeTimelapse(record, out, {3, 1080}, [&](double p) { return heard.push_back(p), true; },
                                       &reason))
      << qPrintable(reason);
  EXPECT_EQ(files(), QStringList{"painting.mp4"});
  ASSERT_EQ(heard.size(), 90u);
  EXPECT_DOUBLE_EQ(heard.back(), 1.0);
  EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end()));

  const Video video = readVideo(out);
  EXPECT_EQ(video.codec, AV_CODEC_ID_H264);
  EXPECT_EQ(video.format, AV_PIX_FMT_YUV420P);
  // 1080 is past the photo's own size: the video is the photo's size.
  EXPECT_EQ(video.size, QSize(160, 120));
  ASSERT_NEAR(double(video.frames.size()), 90.0, 1.0);

  const QSize size(160, 120);
  const QImage sketch = flat(untouched(record, 0), size);
  const QImage finished = flat(record, size);
  EXPECT_GE(psnr(video.frames.front(), sketch), 35.0);
  EXPECT_GE(psnr(video.frames.back(), finished), 35.0);
  // The last second holds the finished painting.
  for (std::size_t i = video.frames.size() - 30; i < video.frames.size(); ++i)
    EXPECT_GE(psnr(video.frames[i], finished), 35.0) << "frame " << i;
  // The two ends differ, or the checks above could not tell them apart.
  EXPECT_LT(psnr(video.frames.front(), finished), 30.0);

  // The undone stroke's band looks, in every frame, like the sketch of one of
  // the two style pairs, never like the stroke painted.
  const QRect band(20, 88, 120, 24);
  PaintingRecord withUndone = record;
  withUndone.undoPosition = 6;
  const QImage painted = flat(withUndone, size);
  const QImage laterSketch = flat(untouched(record, 3), size);
  ASSERT_LT(psnr(painted, finished, band), 25.0);  // the stroke would show
  for (std::size_t i = 0; i < video.frames.size(); ++i)
    EXPECT_GE(std::max(psnr(video.frames[i], sketch, band), psnr(video.frames[i], laterSketch, band)), 35.0)
        << "frame " << i;
}

TEST_F(Timelapse, ASmallerSizeScalesTheFramesAndKeepsVideoSidesEven) {
  const PaintingRecord record = painting();
  ASSERT_TRUE(document::writeTimelapse(record, path("small.mp4"), {4, 100}, {}, nullptr));
  const Video video = readVideo(path("small.mp4"));
  EXPECT_EQ(video.size, QSize(100, 74));
  ASSERT_NEAR(double(video.frames.size()), 120.0, 1.0);
  EXPECT_GE(psnr(video.frames.back(), flat(record, QSize(100, 74))), 30.0);
  EXPECT_GE(psnr(video.frames.front(), flat(untouched(record, 0), QSize(100, 74))), 35.0);
}

// Past the working size the film is rendered from the photo decoded larger, as
// Export renders that size; past the photo's own size it is the photo's size.
TEST_F(Timelapse, PastTheWorkingSizeTheFramesAreExportsOfThatSize) {
  PaintingRecord record = painting();
  record.photoBytes = painting_sample::pngPhoto(1600, 120);
  record.workingSize = QSize(1280, 96);
  document::StyleRenderer renderer;
  renderer.setTextureName(document::paintingTextureName());
  auto exported = [&](const PaintingRecord& r) {
    return document::flattenPainting(r, renderer, 1600).value_or(QImage()).convertToFormat(QImage::Format_RGB32);
  };
  for (const int longer : {1600, 5000}) {
    SCOPED_TRACE(longer);
    ASSERT_TRUE(document::writeTimelapse(record, path("large.mp4"), {3, longer}, {}, nullptr));
    const Video video = readVideo(path("large.mp4"));
    EXPECT_EQ(video.size, QSize(1600, 120));
    ASSERT_NEAR(double(video.frames.size()), 90.0, 1.0);
    EXPECT_GE(psnr(video.frames.front(), exported(untouched(record, 0))), 35.0);
    EXPECT_GE(psnr(video.frames.back(), exported(record)), 35.0);
    // The working size enlarged would miss the larger photo's detail.
    EXPECT_LT(psnr(video.frames.back(), flat(record, QSize(1600, 120))), psnr(video.frames.back(), exported(record)));
  }
}

TEST_F(Timelapse, TheAnimatedWebpLastsTheDurationAtTheFrameSize) {
  const PaintingRecord record = painting();
  ASSERT_TRUE(document::writeTimelapse(record, path("painting.webp"), {3, 80}, {}, nullptr));
  const Animation animation = readAnimation(path("painting.webp"));
  EXPECT_EQ(animation.size, QSize(80, 60));
  // Equal frames are merged by the encoder: the held second is one frame.
  EXPECT_GE(animation.frames, 3);
  EXPECT_LE(animation.frames, 90 - 29);
  EXPECT_EQ(animation.endMs, 3000);
  EXPECT_GE(psnr(animation.last, flat(record, QSize(80, 60))), 28.0);
}

TEST_F(Timelapse, BadOptionsAreRefusedWithOneReasonAndNothingWritten) {
  const PaintingRecord record = painting();
  struct Case {
    QString file;
    TimelapseOptions options;
    QString says;
  };
  const QString seconds = "a time-lapse lasts 3 to 120 seconds";
  const QString side = "a time-lapse is at least 16 pixels on its longer side";
  for (const Case& c : std::initializer_list<Case>{{"a.mp4", {0, 1080}, seconds},
                                                   {"a.mp4", {2, 1080}, seconds},
                                                   {"a.webp", {121, 1080}, seconds},
                                                   {"a.mp4", {-1, 1080}, seconds},
                                                   {"a.mp4", {10, 0}, side},
                                                   {"a.webp", {10, -5}, side},
                                                   {"a.mp4", {10, 15}, side},
                                                   {"a.gif", {10, 1080}, "a time-lapse is written as .mp4 or .webp"},
                                                   {"mp4", {10, 1080}, "a time-lapse is written as .mp4 or .webp"}}) {
    QString reason;
    TimelapseFailure failure = TimelapseFailure::None;
    EXPECT_FALSE(document::writeTimelapse(record, path(c.file), c.options, {}, &reason, &failure));
    EXPECT_EQ(reason, c.says) << qPrintable(c.file);
    EXPECT_EQ(failure, TimelapseFailure::Options);
  }
  // The bounds themselves are taken (16 pixels, 3 seconds).
  EXPECT_TRUE(document::writeTimelapse(record, path("edge.webp"), {3, 16}, {}, nullptr));
  EXPECT_EQ(files(), QStringList{"edge.webp"});
}

TEST_F(Timelapse, ACancelOrAFailureLeavesNothingNewAndAnEarlierFileWhole) {
  const PaintingRecord record = painting();
  const QString out = path("painting.mp4");
  QFile earlier(out);
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("earlier");
  earlier.close();
  for (const QString& name : {out, path("new.webp")}) {
    int frames = 0;
    QString reason;
    TimelapseFailure failure = TimelapseFailure::None;
    EXPECT_FALSE(document::writeTimelapse(record, name, {3, 1080}, [&](double) { return ++frames < 40; }, &reason,
                                          &failure));
    EXPECT_EQ(frames, 40);
    EXPECT_EQ(failure, TimelapseFailure::Cancelled);
    EXPECT_EQ(reason, "cancelled");
  }
  EXPECT_EQ(files(), QStringList{"painting.mp4"});
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), "earlier");

  // A folder that does not exist, and a photo that is not one.
  QString reason;
  TimelapseFailure failure = TimelapseFailure::None;
  EXPECT_FALSE(document::writeTimelapse(record, path("gone/a.mp4"), {3, 1080}, {}, &reason, &failure));
  EXPECT_EQ(failure, TimelapseFailure::Output);
  EXPECT_TRUE(reason.startsWith("it cannot be written (")) << qPrintable(reason);
  PaintingRecord broken = record;
  broken.photoBytes = "not a photo";
  EXPECT_FALSE(document::writeTimelapse(broken, path("b.mp4"), {3, 1080}, {}, &reason, &failure));
  EXPECT_EQ(failure, TimelapseFailure::Painting);
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_EQ(files(), QStringList{"painting.mp4"});
}

// The plan: which frame each step in effect first shows in, at the painted pace with long pauses
// shortened, and the frame size.
PaintingStep stroke(std::uint32_t n, std::initializer_list<std::uint32_t> times) {
  PaintingStep step;
  for (std::uint32_t t : times) step.segments.push_back({1, 1, 0, 0, 4.0f, false, n, t});
  step.timeMs = step.segments.empty() ? 0 : step.segments.front().timeMs;
  return step;
}

std::vector<TimelapseEvent> events(const PaintingRecord& record, int paintFrames) {
  TimelapsePlan plan(record, paintFrames);
  std::vector<TimelapseEvent> out;
  for (TimelapseEvent e; plan.next(&e);) out.push_back(e);
  EXPECT_EQ(plan.nextFrame(), -1);
  return out;
}

TEST(TimelapsePlan, StepsShowAtTheirPaintedPaceWithLongPausesShortened) {
  PaintingRecord record;
  // Played times: 0, 100, 200; 5,200 is a pause of 5 s (plays as 500 ms): 700;
  // the style at 5,300: 800; 5,500 and 6,500 (exactly 1 s, kept): 1,000 and 2,000.
  record.steps = {stroke(0, {0, 100, 200}), stroke(1, {5200}), painting_sample::styleStep(3, 4, 5300), stroke(2, {5500, 6500})};
  record.undoPosition = 4;
  TimelapsePlan plan(record, 202);
  EXPECT_EQ(plan.playedMs(), 2000);
  // Frame = 1 + played * 200 / 2000.
  const std::vector<TimelapseEvent> want = {{0, 0, 1},  {0, 1, 11},  {0, 2, 21}, {1, 0, 71},
                                            {2, -1, 81}, {3, 0, 101}, {3, 1, 201}};
  EXPECT_EQ(events(record, 202), want);
}

TEST(TimelapsePlan, UndoneStepsNeverShowAndTheLastInEffectEndsThePainting) {
  PaintingRecord record;
  record.steps = {stroke(0, {0, 400}), stroke(1, {800}), stroke(2, {900, 950})};
  record.undoPosition = 2;
  const std::vector<TimelapseEvent> want = {{0, 0, 1}, {0, 1, 50}, {1, 0, 99}};
  EXPECT_EQ(events(record, 100), want);
  record.undoPosition = 0;
  EXPECT_TRUE(events(record, 100).empty());
  // A position past the steps is taken as all of them.
  record.undoPosition = 99;
  EXPECT_EQ(events(record, 100).back(), (TimelapseEvent{2, 1, 99}));
}

TEST(TimelapsePlan, APaintingWithoutTimeOrWithTimeGoingBackShowsInOrder) {
  PaintingRecord record;
  record.steps = {stroke(0, {0, 0}), painting_sample::styleStep(2, 2, 0), stroke(1, {})};
  record.undoPosition = 3;
  // No time at all: everything on the first frame after the untouched one.
  const std::vector<TimelapseEvent> still = {{0, 0, 1}, {0, 1, 1}, {1, -1, 1}};
  EXPECT_EQ(events(record, 60), still);
  // A clock put back plays as no time: 0, 600, 600 (500 < 600), 800.
  record.steps = {stroke(0, {0, 600, 500}), stroke(1, {800})};
  record.undoPosition = 2;
  const std::vector<TimelapseEvent> back = {{0, 0, 1}, {0, 1, 68}, {0, 2, 68}, {1, 0, 91}};
  EXPECT_EQ(events(record, 92), back);
}

TEST(TimelapsePlan, ThePauseBeforeTheFirstStrokeIsShortenedToo) {
  PaintingRecord record;
  record.steps = {stroke(0, {60000, 60250})};
  record.undoPosition = 1;
  TimelapsePlan plan(record, 52);
  EXPECT_EQ(plan.playedMs(), 750);
  const std::vector<TimelapseEvent> want = {{0, 0, 1 + 500 * 50 / 750}, {0, 1, 51}};
  EXPECT_EQ(events(record, 52), want);
}

TEST(TimelapseFrameSize, UpToThePhotosOwnSizeWithinTheExportLimitAndVideoSidesEven) {
  const struct {
    QSize working, photo;
    int longer;
    bool even;
    QSize want;
  } cases[] = {
      {{1280, 960}, {4032, 3024}, 1080, true, {1080, 810}},
      {{960, 1280}, {3024, 4032}, 1080, true, {810, 1080}},
      {{160, 120}, {160, 120}, 100, false, {100, 75}},
      {{160, 120}, {160, 120}, 100, true, {100, 74}},
      {{1000, 3}, {1000, 3}, 100, true, {100, 2}},
      {{1000, 3}, {1000, 3}, 100, false, {100, 1}},
      // Past the working size: Export's size for that longer side.
      {{1280, 960}, {4032, 3024}, 4000, true, {4000, 3000}},
      {{1280, 960}, {4033, 3025}, 4033, true, {4032, 3024}},
      // Past the photo's own: the photo's own; with no photo size, the working size.
      {{1280, 960}, {4032, 3024}, 9000, false, {4032, 3024}},
      {{161, 121}, {161, 121}, 1080, true, {160, 120}},
      {{1280, 960}, {}, 4000, false, {1280, 960}},
      // A photo past the pixel limit: fitted within it.
      {{1280, 128}, {30000, 3000}, 30000, true, {25904, 2590}},
      {{160, 120}, {160, 120}, 1, false, {}},
      {{0, 120}, {0, 120}, 100, false, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(document::timelapseFrameSize(c.working, c.photo, c.longer, c.even), c.want)
        << c.photo.width() << " x " << c.photo.height() << " at " << c.longer;
}

}  // namespace
