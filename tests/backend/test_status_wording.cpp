// The status line is kept in parts and worded again when the language
// changes; counted texts take each language's plural forms (English ones
// included, from the source language's own small catalogue).
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "backend/language_manager.h"

using namespace app_controller_test;

namespace {

class StatusWordingTest : public SolvedProjectSuite {
 protected:
  void SetUp() override {
    SolvedProjectSuite::SetUp();
    QSettings().setValue("ui/language", "en");
  }
  void TearDown() override { languages.setLanguage("en"); }

  static QString nodes(int n) { return QCoreApplication::translate("AppController", "%n strategy nodes", nullptr, n); }

  LanguageManager languages;
};

TEST_F(StatusWordingTest, CountsTakeThePluralFormsOfEveryLanguage) {
  struct Case {
    const char* code;
    std::vector<std::pair<int, const char*>> forms;
  };
  const std::vector<Case> cases = {
      {"en", {{0, "0 strategy nodes"}, {1, "1 strategy node"}, {2, "2 strategy nodes"}, {21, "21 strategy nodes"}}},
      {"ru", {{1, "1 узел стратегии"}, {3, "3 узла стратегии"}, {5, "5 узлов стратегии"}, {11, "11 узлов стратегии"},
              {21, "21 узел стратегии"}, {22, "22 узла стратегии"}, {112, "112 узлов стратегии"}}},
      {"pl", {{1, "1 węzeł strategii"}, {2, "2 węzły strategii"}, {5, "5 węzłów strategii"}, {12, "12 węzłów strategii"},
              {21, "21 węzłów strategii"}, {24, "24 węzły strategii"}}},
      {"fr", {{0, "0 nœud de stratégie"}, {1, "1 nœud de stratégie"}, {2, "2 nœuds de stratégie"}}},
      {"de", {{1, "1 Strategieknoten"}, {7, "7 Strategieknoten"}}},
  };
  for (const Case& c : cases) {
    languages.setLanguage(c.code);
    for (const auto& [n, text] : c.forms) EXPECT_EQ(nodes(n), QString::fromUtf8(text)) << c.code << " " << n;
  }
}

TEST_F(StatusWordingTest, StatusIsWordedAgainInTheNewLanguage) {
  ASSERT_TRUE(solved->saveProject(url(path("one.velmoraproj")), {{"boardText", "AhKsQd7c2h"}}));
  AppController c;
  ASSERT_TRUE(c.loadProject(url(path("one.velmoraproj"))).value("ok").toBool());
  EXPECT_EQ(c.statusText(), "Loaded project (1 strategy node, 1 combo node)");
  languages.setLanguage("ru");
  EXPECT_EQ(c.statusText(), QString::fromUtf8("Проект загружен (1 узел стратегии, 1 узел комбо)"));
  languages.setLanguage("pl");
  EXPECT_EQ(c.statusText(), QString::fromUtf8("Wczytano projekt (1 węzeł strategii, 1 węzeł kombinacji)"));

  // A refused start, worded from its parts (the size token stays as typed).
  QVariantMap spot = riverSpot(5);
  spot.insert("oop_flop_bet_sizes", "3x3");
  c.startSolveWithConfig(spot);
  const QString polish = c.statusText();
  EXPECT_TRUE(polish.contains("'3x3'")) << polish.toStdString();
  languages.setLanguage("de");
  EXPECT_NE(c.statusText(), polish);
  EXPECT_TRUE(c.statusText().contains("'3x3'"));
  languages.setLanguage("en");
  EXPECT_EQ(c.statusText(), "Error: OOP flop bet sizes: '3x3' is not a valid size");

  // The solver's own words stay as they are.
  c.startSolveWithConfig(riverSpot(5));
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  languages.setLanguage("ru");
  EXPECT_EQ(c.statusText(), "Done");
}

}  // namespace
