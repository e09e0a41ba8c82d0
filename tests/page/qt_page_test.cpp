#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <map>

#include "page/page_surface.h"
#include "page/qt/qt_face.h"
#include "page/qt/qt_page.h"

namespace tavoro {
namespace {

// The IPA faces, like the faces they stand in for, are fixed-pitch with
// half-width Latin and one em tall; an unknown face falls back to mincho.
TEST(QtTextMeasurerTest, FacesAreOneEmTallAndFixedPitchInTwips) {
  const QtTextMeasurer measurer;
  for (const char* name : {"ＭＳ 明朝", "ＭＳ ゴシック", "No Such Face 12345"}) {
    EXPECT_NEAR(measurer.TextHeight({name, 10}, "あ"), 200, 0.01) << name;
    EXPECT_NEAR(measurer.TextWidth({name, 7.5}, "水位kn=0.0012"), 975, 0.05) << name;
  }
  EXPECT_EQ(ResolveFamily("ＭＳ ゴシック"), "IPAGothic");
}

// The page (under "") and its words as pdftotext -bbox-layout reports them,
// in points.
struct PdfBox {
  double xMin, yMin, xMax, yMax;
};

std::map<QString, PdfBox> ReadBoxes(const QString& pdf) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-bbox-layout", pdf, "-"});
  EXPECT_TRUE(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0)
      << "pdftotext (poppler-utils) did not run";
  const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
  const auto page =
      QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)")re").match(html);
  std::map<QString, PdfBox> boxes{
      {"", {0, 0, page.captured(1).toDouble(), page.captured(2).toDouble()}}};
  const QRegularExpression word(
      R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)<)re");
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto match = it.next();
    boxes[match.captured(5)] = {match.captured(1).toDouble(), match.captured(2).toDouble(),
                                match.captured(3).toDouble(), match.captured(4).toDouble()};
  }
  return boxes;
}

class RenderTest : public ::testing::Test {
 protected:
  // The sample page: text in both faces and sizes, a rising label, each pen,
  // a filled circle, a hatched rectangle and a few commands far off the paper.
  void SetUp() override {
    ASSERT_TRUE(directory.isValid());
    page.StartDoc();
    page.SetFontName("ＭＳ 明朝");
    page.Text(1134, 850, "計算書");
    page.Text("Q1=0.123m3/min");
    page.SetFontName("ＭＳ ゴシック");
    page.SetFontSize(12);
    page.Text(1566, 1445, "水位降下曲線");
    page.SetTextDirection(TextDirection::kRising);
    page.Text(2000, 9000, "影響半径R=12.345");
    // Solid pens 0, 7 and 10 twips wide at y 3000, 3300, 3600; dotted 0 and
    // 10 at 3900 and 4200.
    const double widths[] = {0, 7, 10, 0, 10};
    for (int i = 0; i < 5; ++i) {
      page.SetPenStyle(i < 3 ? PenStyle::kSolid : PenStyle::kDotted);
      page.SetPenWidth(widths[i]);
      page.DrawLine(4000, 3000 + 300 * i, 10000, 3000 + 300 * i);
    }
    page.SetPenStyle(PenStyle::kSolid);
    page.DrawCircle(6000, 7000, 400);
    page.DrawLine(-1e12, 11000, 1e12, 11000);
    page.SetBrushStyle(BrushStyle::kDiagonalCross);
    page.DrawRectangle(7000, 6000, 9000, 10000);
    page.DrawRectangle(-1e9, 12000, 1e9, 12500);
    page.Text(1e15, 9000, "far");
    page.EndDoc();
  }
  QString PathOf(const char* name) const { return directory.filePath(name); }

  QTemporaryDir directory;
  QtTextMeasurer measurer;
  PageSurface page{measurer};
};

// Each word lands on the surface's reference point, one line tall (within
// 1 pt), as long as TextWidth said (within 1 %). The rising label's line
// lies right of its x and its advance runs up from its y.
TEST_F(RenderTest, PdfTextLandsWhereTheSurfaceMeasuredIt) {
  ASSERT_TRUE(WritePdf(page.document(), PathOf("sample.pdf"), nullptr));
  const std::map<QString, PdfBox> boxes = ReadBoxes(PathOf("sample.pdf"));
  ASSERT_EQ(boxes.size(), 4u);  // the page and three words: "far" is off the paper
  EXPECT_NEAR(boxes.at("").xMax, 595.28, 0.5);
  EXPECT_NEAR(boxes.at("").yMax, 841.89, 0.5);
  // The two mincho pieces continue one another as one word.
  const char* words[] = {"計算書Q1=0.123m3/min", "水位降下曲線", "影響半径R=12.345"};
  const int pieces[][2] = {{0, 1}, {2, 2}, {3, 3}};
  const auto& texts = page.document().pages[0].commands;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(boxes.count(words[i]), 1u) << words[i];
    const PdfBox& word = boxes.at(words[i]);
    const auto& first = std::get<TextCommand>(texts.at(pieces[i][0]));
    const auto& last = std::get<TextCommand>(texts.at(pieces[i][1]));
    const double x = first.x / 20, y = first.y / 20, height = first.height / 20;
    const double advance = (last.x + last.width - first.x) / 20;
    const bool rising = first.direction == TextDirection::kRising;
    EXPECT_NEAR(word.xMin, x, 1.0) << words[i];
    EXPECT_NEAR(word.xMax, x + (rising ? height : advance), 1.0) << words[i];
    EXPECT_NEAR(rising ? word.yMax : word.yMin, y, 1.0) << words[i];
    EXPECT_NEAR(rising ? word.yMin : word.yMax, rising ? y - advance : y + height, 1.0);
    const double along = rising ? word.yMax - word.yMin : word.xMax - word.xMin;
    EXPECT_NEAR(along, advance, 0.01 * advance) << words[i];
  }
}

// The drawing as it must look at any resolution: white paper, a filled
// circle, a crisp hatch (inked lines with paper between, not a grey tint),
// the thinnest solid line unbroken and the thinnest dotted line dotted.
void ExpectSampleDrawing(const QImage& image, int dpi) {
  ASSERT_FALSE(image.isNull());
  const auto pixel = [dpi](double twips) { return static_cast<int>(twips * dpi / 1440); };
  EXPECT_EQ(qGray(image.pixel(5, 5)), 255);
  EXPECT_LT(qGray(image.pixel(pixel(6000), pixel(7000))), 64);
  const QRect hatch(pixel(7200), pixel(6200), pixel(1600), pixel(3600));
  int inked = 0;
  for (int y = hatch.top(); y <= hatch.bottom(); ++y) {
    for (int x = hatch.left(); x <= hatch.right(); ++x) inked += qGray(image.pixel(x, y)) < 128;
  }
  const double inkedShare = static_cast<double>(inked) / (hatch.width() * hatch.height());
  EXPECT_TRUE(inkedShare > 0.05 && inkedShare < 0.4) << inkedShare;
  int solidGaps = 0;
  int dottedChanges = 0;
  bool wasDark = false;
  for (int x = pixel(4100); x < pixel(9900); ++x) {
    solidGaps += qGray(image.pixel(x, pixel(3000))) >= 200;
    const bool dark = qGray(image.pixel(x, pixel(3900))) < 200;
    dottedChanges += dark != wasDark;
    wasDark = dark;
  }
  EXPECT_EQ(solidGaps, 0);
  EXPECT_GT(dottedChanges, 150);
}

// The PDF, rasterised by poppler, looks like the PNG: its dotted pen and
// its hatch are in twips, not in the writer's device pixels.
TEST_F(RenderTest, PngAndPdfShowTheDrawing) {
  ASSERT_TRUE(WritePng(page.document(), 0, PathOf("sample.png"), 300, nullptr));
  const QImage image(PathOf("sample.png"));
  EXPECT_EQ(image.size(), QSize(2481, 3508));
  ExpectSampleDrawing(image, 300);
  ASSERT_TRUE(WritePdf(page.document(), PathOf("sample.pdf"), nullptr));
  QProcess pdftoppm;
  pdftoppm.start("pdftoppm",
                 {"-r", "200", "-png", "-singlefile", PathOf("sample.pdf"), PathOf("raster")});
  ASSERT_TRUE(pdftoppm.waitForFinished(30000) && pdftoppm.exitCode() == 0)
      << "pdftoppm (poppler-utils) did not run";
  ExpectSampleDrawing(QImage(PathOf("raster.png")), 200);
}

TEST_F(RenderTest, LandscapePaperAndFailedExports) {
  PageSurface chart(measurer);
  chart.SetOrientation(Orientation::kLandscape);
  chart.StartDoc();
  ASSERT_TRUE(WritePdf(chart.document(), PathOf("chart.pdf"), nullptr));
  const PdfBox paper = ReadBoxes(PathOf("chart.pdf")).at("");
  EXPECT_NEAR(paper.xMax, 841.89, 0.5);
  EXPECT_NEAR(paper.yMax, 595.28, 0.5);

  EXPECT_FALSE(WritePng(page.document(), 1, PathOf("page2.png"), 150, nullptr));
  EXPECT_FALSE(WritePng(page.document(), 0, PathOf("huge.png"), 100000, nullptr));
  EXPECT_FALSE(WritePdf(page.document(), PathOf("no/dir/page.pdf"), nullptr));
}

}  // namespace
}  // namespace tavoro
