// The status line is kept in parts and worded again when the language
// changes; counted texts take each language's plural forms (English ones
// included, from the source language's own small catalogue).
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "backend/language_manager.h"

using namespace app_controller_test;

namespace {

class StatusWordingTest : public SolvedProjectSuite {
 protected:
  static QString nodes(int n) { return QCoreApplication::translate("AppController", "%n strategy nodes", nullptr, n); }

  LanguageManager languages;
};

TEST_F(StatusWordingTest, CountsTakeThePluralFormsOfEveryLanguage) {
  const std::vector<std::pair<const char*, std::vector<std::pair<int, const char*>>>> cases = {
      {"en", {{0, "0 strategy nodes"}, {1, "1 strategy node"}, {2, "2 strategy nodes"}, {21, "21 strategy nodes"}}},
      {"ru", {{1, "1 узел стратегии"}, {3, "3 узла стратегии"}, {5, "5 узлов стратегии"}, {11, "11 узлов стратегии"},
              {21, "21 узел стратегии"}, {22, "22 узла стратегии"}, {112, "112 узлов стратегии"}}},
      {"pl", {{1, "1 węzeł strategii"}, {2, "2 węzły strategii"}, {5, "5 węzłów strategii"}, {12, "12 węzłów strategii"},
              {21, "21 węzłów strategii"}, {24, "24 węzły strategii"}}},
      {"fr", {{0, "0 nœud de stratégie"}, {1, "1 nœud de stratégie"}, {2, "2 nœuds de stratégie"}}},
      {"de", {{1, "1 Strategieknoten"}, {7, "7 Strategieknoten"}}},
  };
  for (const auto& [code, forms] : cases) {
    languages.setLanguage(code);
    for (const auto& [n, text] : forms) EXPECT_EQ(nodes(n), QString::fromUtf8(text)) << code << " " << n;
  }
}

TEST_F(StatusWordingTest, StatusIsWordedAgainInTheNewLanguage) {
  ASSERT_TRUE(solved->saveProject(url(path("one.velmoraproj")), {{"boardText", "AhKsQd7c2h"}}));
  AppController c;
  const auto statusIn = [&](const char* code) {
    languages.setLanguage(code);
    return c.statusText();
  };
  ASSERT_TRUE(c.loadProject(url(path("one.velmoraproj"))).value("ok").toBool());
  EXPECT_EQ(statusIn("en"), "Loaded project (1 strategy node, 1 combo node)");
  EXPECT_EQ(statusIn("ru"), QString::fromUtf8("Проект загружен (1 узел стратегии, 1 узел комбо)"));
  EXPECT_EQ(statusIn("pl"), QString::fromUtf8("Wczytano projekt (1 węzeł strategii, 1 węzeł kombinacji)"));

  // A refused start, worded from its parts (the size token stays as typed).
  QVariantMap spot = riverSpot(5);
  spot.insert("oop_flop_bet_sizes", "3x3");
  c.startSolveWithConfig(spot);
  EXPECT_EQ(statusIn("de"), QString::fromUtf8("Fehler: OOP Flop-Bet-Größen: '3x3' ist keine gültige Größe"));
  EXPECT_EQ(statusIn("en"), "Error: OOP flop bet sizes: '3x3' is not a valid size");

  // The solver's own words stay as they are.
  c.startSolveWithConfig(riverSpot(5));
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(statusIn("ru"), "Done");
}

}  // namespace
