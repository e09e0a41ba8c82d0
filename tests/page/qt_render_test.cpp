#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

#include "page/fixed_pitch_measurer.h"
#include "page/page_surface.h"
#include "page/qt/qt_page.h"
#include "qt_sample_page.h"

namespace tavoro {
namespace {

// A word as pdftotext -bbox-layout reports it, in points.
struct PdfWord {
  QString text;
  double xMin = 0;
  double yMin = 0;
  double xMax = 0;
  double yMax = 0;
};

struct PdfLayout {
  double pageWidth = 0;
  double pageHeight = 0;
  std::vector<PdfWord> words;
};

PdfLayout ReadLayout(const QString& pdfPath) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox-layout"), pdfPath, QStringLiteral("-")});
  PdfLayout layout;
  if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
    ADD_FAILURE() << "pdftotext (poppler-utils) did not run";
    return layout;
  }
  const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
  const QRegularExpression page(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
  if (const auto match = page.match(html); match.hasMatch()) {
    layout.pageWidth = match.captured(1).toDouble();
    layout.pageHeight = match.captured(2).toDouble();
  }
  const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto match = it.next();
    layout.words.push_back({match.captured(5), match.captured(1).toDouble(),
                            match.captured(2).toDouble(), match.captured(3).toDouble(),
                            match.captured(4).toDouble()});
  }
  return layout;
}

const PdfWord* FindWord(const PdfLayout& layout, const QString& text) {
  for (const PdfWord& word : layout.words) {
    if (word.text == text) return &word;
  }
  ADD_FAILURE() << "no word " << text.toStdString() << " in the PDF";
  return nullptr;
}

std::vector<TextCommand> TextsOf(const Document& document) {
  std::vector<TextCommand> texts;
  for (const PageCommand& command : document.pages.at(0).commands) {
    if (const auto* text = std::get_if<TextCommand>(&command)) texts.push_back(*text);
  }
  return texts;
}

constexpr double kPointTolerance = 1.0;

// Horizontal text from first to last: lands at first's reference point, one
// line tall, and as wide as the surface measured (within 1 %).
void ExpectHorizontal(const PdfWord& word, const TextCommand& first, const TextCommand& last) {
  const double measured = (last.x + last.width - first.x) / 20;
  EXPECT_NEAR(word.xMin, first.x / 20, kPointTolerance) << word.text.toStdString();
  EXPECT_NEAR(word.yMin, first.y / 20, kPointTolerance) << word.text.toStdString();
  EXPECT_NEAR(word.yMax, (first.y + first.height) / 20, kPointTolerance);
  EXPECT_NEAR(word.xMax - word.xMin, measured, 0.01 * measured) << word.text.toStdString();
}

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(directory.isValid());
    DrawSamplePage(surface);
  }

  QString PathOf(const char* name) const { return directory.filePath(QString::fromLatin1(name)); }

  QTemporaryDir directory;
  QtTextMeasurer measurer;
  PageSurface surface{measurer};
};

TEST_F(RenderTest, PdfTextLandsWhereTheSurfaceMeasuredIt) {
  const QString path = PathOf("sample.pdf");
  QString error;
  ASSERT_TRUE(WritePdf(surface.document(), path, &error)) << error.toStdString();
  const PdfLayout layout = ReadLayout(path);
  // A4 as PDF writers give it, in whole points.
  EXPECT_NEAR(layout.pageWidth, 595.28, 0.5);
  EXPECT_NEAR(layout.pageHeight, 841.89, 0.5);

  const std::vector<TextCommand> texts = TextsOf(surface.document());
  ASSERT_EQ(texts.size(), 6u);
  // The two mincho pieces continue one another on the same line.
  if (const PdfWord* word = FindWord(layout, "計算書Q1=0.123m3/min")) {
    ExpectHorizontal(*word, texts[0], texts[1]);
  }
  if (const PdfWord* word = FindWord(layout, "水位降下曲線"))
    ExpectHorizontal(*word, texts[2], texts[2]);
  if (const PdfWord* word = FindWord(layout, "GL-1.500"))
    ExpectHorizontal(*word, texts[3], texts[3]);

  // Rising text: its line lies right of x and its advance runs up from y.
  const TextCommand& rising = texts[4];
  if (const PdfWord* word = FindWord(layout, "影響半径R=12.345")) {
    EXPECT_NEAR(word->xMin, rising.x / 20, kPointTolerance);
    EXPECT_NEAR(word->xMax, (rising.x + rising.height) / 20, kPointTolerance);
    EXPECT_NEAR(word->yMax, rising.y / 20, kPointTolerance);
    EXPECT_NEAR(word->yMax - word->yMin, rising.width / 20, 0.01 * rising.width / 20);
  }
  // The text far off the paper is not drawn.
  EXPECT_EQ(layout.words.size(), 4u);
}

TEST_F(RenderTest, LandscapePdfTurnsThePaper) {
  const FixedPitchMeasurer fixed;
  PageSurface chart(fixed);
  chart.SetOrientation(1);
  chart.StartDoc();
  chart.SetFontName("ＭＳ ゴシック");
  chart.SetCurrentX(1440);
  chart.SetCurrentY(720);
  chart.Text("水位");
  chart.NewPage();
  chart.Text("2");
  chart.EndDoc();
  const QString path = PathOf("chart.pdf");
  ASSERT_TRUE(WritePdf(chart.document(), path, nullptr));
  const PdfLayout layout = ReadLayout(path);
  EXPECT_NEAR(layout.pageWidth, 841.89, 0.5);
  EXPECT_NEAR(layout.pageHeight, 595.28, 0.5);
  ASSERT_EQ(layout.words.size(), 2u);
  EXPECT_NEAR(layout.words[0].xMin, 72, kPointTolerance);
  EXPECT_NEAR(layout.words[0].yMin, 36, kPointTolerance);
}

double DarkShare(const QImage& image, const QRect& area) {
  int dark = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ++dark;
    }
  }
  return static_cast<double>(dark) / (area.width() * area.height());
}

// The sample page's drawing as it must look at any resolution: filled dot,
// crisp hatch, a dotted line that is dotted and a thin solid line unbroken.
void ExpectSampleDrawing(const QImage& image, int dpi) {
  ASSERT_FALSE(image.isNull());
  const auto pixel = [dpi](double twips) { return static_cast<int>(twips * dpi / 1440); };

  EXPECT_EQ(qGray(image.pixel(5, 5)), 255);
  EXPECT_LT(qGray(image.pixel(pixel(6000), pixel(7000))), 64);  // the filled circle
  // The hatch: inked lines with paper between them, not a grey tint.
  const QRect hatch(pixel(7200), pixel(6200), pixel(1600), pixel(3600));
  const double hatchShare = DarkShare(image, hatch);
  EXPECT_GT(hatchShare, 0.05);
  EXPECT_LT(hatchShare, 0.4);
  EXPECT_GT(DarkShare(image, QRect(pixel(7200), pixel(6200), 1, pixel(3600))), 0.02);
  // The thin dotted line (y = 3900): along it, ink and paper alternate.
  int changes = 0;
  bool wasDark = false;
  for (int x = pixel(4100); x < pixel(9900); ++x) {
    const bool dark = qGray(image.pixel(x, pixel(3900))) < 200;
    if (dark != wasDark) ++changes;
    wasDark = dark;
  }
  EXPECT_GT(changes, 150);
  // The thinnest solid line (y = 3000) is unbroken.
  int gaps = 0;
  for (int x = pixel(4100); x < pixel(9900); ++x) {
    if (qGray(image.pixel(x, pixel(3000))) >= 200) ++gaps;
  }
  EXPECT_EQ(gaps, 0);
}

TEST_F(RenderTest, PngShowsTheDrawing) {
  const QString path = PathOf("sample.png");
  QString error;
  ASSERT_TRUE(WritePng(surface.document(), 0, path, 300, &error)) << error.toStdString();
  const QImage image(path);
  EXPECT_EQ(image.width(), 2481);
  EXPECT_EQ(image.height(), 3508);
  ExpectSampleDrawing(image, 300);
}

// The PDF, rasterised by poppler, looks the same: its dotted pen and its
// hatch are in twips, not in the writer's device pixels.
TEST_F(RenderTest, PdfShowsTheDrawing) {
  const QString pdf = PathOf("sample.pdf");
  ASSERT_TRUE(WritePdf(surface.document(), pdf, nullptr));
  QProcess pdftoppm;
  pdftoppm.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, PathOf("raster")});
  ASSERT_TRUE(pdftoppm.waitForFinished(30000) && pdftoppm.exitCode() == 0)
      << "pdftoppm (poppler-utils) did not run";
  ExpectSampleDrawing(QImage(PathOf("raster.png")), 200);
}

TEST_F(RenderTest, ExportsRefuseWhatTheyCannotWrite) {
  QString error;
  EXPECT_FALSE(WritePng(surface.document(), 1, PathOf("page2.png"), 150, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(WritePng(surface.document(), -1, PathOf("page0.png"), 150, nullptr));
  EXPECT_FALSE(WritePng(surface.document(), 0, PathOf("tiny.png"), 0, &error));
  EXPECT_FALSE(WritePng(surface.document(), 0, PathOf("huge.png"), 100000, &error));
  EXPECT_FALSE(WritePng(surface.document(), 0, PathOf("no/such/dir/page.png"), 72, &error));
  EXPECT_FALSE(WritePdf(surface.document(), PathOf("no/such/dir/page.pdf"), &error));
  EXPECT_FALSE(QFile::exists(PathOf("page2.png")));
}

}  // namespace
}  // namespace tavoro
