// The worked example's chart as a DXF drawing, read back by Debian's ezdxf.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "calc/compute_case.h"
#include "chart/chart.h"
#include "page/dxf/dxf_drawing.h"
#include "page/page_setup.h"
#include "page/qt/qt_face.h"
#include "page/qt/qt_page.h"
#include "worked_example.h"

namespace tavoro {
namespace {

// What read_dxf.py printed, line by line, split at tabs.
std::vector<QStringList> ReadBack(const QString& dxf) {
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TAVORO_READ_DXF), dxf});
  EXPECT_TRUE(python.waitForFinished(120000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  std::vector<QStringList> facts;
  for (const QString& line :
       QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
    facts.push_back(line.split('\t'));
  }
  return facts;
}

TEST(DxfReadBackTest, WorkedExampleChartHasEveryTextOnItsLayerInsideTheA4Sheet) {
  CalculationCase calc = testing::WorkedExample();
  ComputeCase(calc);
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildChartPage(page, calc, settings);
  const Document& chart = page.document();
  const std::optional<std::string> dxf =
      DxfDrawing(chart, 0, [](std::string_view text) { return ShiftJisText(text).value_or("?"); });
  ASSERT_TRUE(dxf.has_value());
  QTemporaryDir directory;
  const QString path = directory.filePath(QStringLiteral("chart.dxf"));
  std::ofstream(path.toStdString(), std::ios::binary) << *dxf;

  std::multiset<QString> expectedTexts;
  for (const PageCommand& command : chart.pages.at(0).commands) {
    if (const auto* text = std::get_if<TextCommand>(&command)) {
      expectedTexts.insert(QString::fromStdString(text->text));
    }
  }
  ASSERT_GT(expectedTexts.size(), 20u);

  std::multiset<QString> texts;
  std::set<QString> layers;
  std::map<QString, int> drawnOnLayer;
  int dottedDimensions = 0;
  for (const QStringList& fact : ReadBack(path)) {
    const QString& kind = fact.at(0);
    if (kind == "version") {
      EXPECT_EQ(fact.at(1), "AC1009");
    }
    if (kind == "encoding") {
      EXPECT_EQ(fact.at(1), "cp932");
    }
    if (kind == "layer") layers.insert(fact.at(1));
    if (kind == "text") {
      EXPECT_EQ(fact.at(1), QStringLiteral("文字")) << fact.at(4).toStdString();
      EXPECT_NEAR(fact.at(2).toDouble(), 0.7 * 10 * 25.4 / 72, 1e-9);
      texts.insert(fact.at(4));
    }
    if (kind == "entity") {
      ++drawnOnLayer[fact.at(2)];
      dottedDimensions += fact.at(2) == QStringLiteral("寸法") && fact.at(3) == "DOT";
    }
    if (kind == "extents") {
      EXPECT_GE(fact.at(1).toDouble(), 0);
      EXPECT_GE(fact.at(2).toDouble(), 0);
      EXPECT_LE(fact.at(3).toDouble(), 297);
      EXPECT_LE(fact.at(4).toDouble(), 210);
    }
  }
  EXPECT_EQ(texts, expectedTexts);
  for (const char* name : {"枠", "目盛", "水位", "改良", "寸法"}) {
    EXPECT_TRUE(layers.count(QString::fromUtf8(name))) << name;
    EXPECT_GT(drawnOnLayer[QString::fromUtf8(name)], 0) << name;
  }
  EXPECT_TRUE(layers.count(QStringLiteral("文字")));
  EXPECT_EQ(drawnOnLayer.count(QStringLiteral("0")), 0u);
  EXPECT_GT(dottedDimensions, 0);
}

}  // namespace
}  // namespace tavoro
