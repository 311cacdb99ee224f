// The design tokens (Theme, Typography) and the main window's geometry
// rules, loaded from the module's QML sources.
#include "backend/language_manager.h"

#include <QColor>
#include <QDir>
#include <QFontDatabase>
#include <QJSValue>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The source tree's QML module, named by the build: __FILE__ may be a path
// relative to a build directory (a compiler cache rewrites it so).
QString moduleDir() { return QStringLiteral(VELMORA_QML_MODULE_DIR); }

QUrl moduleFile(const QString& relative) {
  return QUrl::fromLocalFile(QDir(moduleDir()).absoluteFilePath(relative));
}

// A Theme instance reachable from JavaScript as `theme`, so the helpers can be
// called with any JS value (null, undefined, numbers, texts).
class ThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QQmlComponent component(&engine_, moduleFile("qml/theme/Theme.qml"));
    theme_.reset(component.create());
    ASSERT_TRUE(theme_) << component.errorString().toStdString();
    engine_.globalObject().setProperty("theme", engine_.newQObject(theme_.get()));
    QQmlEngine::setObjectOwnership(theme_.get(), QQmlEngine::CppOwnership);
  }

  QColor token(const char* name) const { return theme_->property(name).value<QColor>(); }
  QColor eval(const QString& js) {
    const QJSValue v = engine_.evaluate(js);
    EXPECT_FALSE(v.isError()) << v.toString().toStdString();
    return v.toVariant().value<QColor>();
  }
  void setDark(bool dark) { theme_->setProperty("dark", dark); }

  QQmlEngine engine_;
  std::unique_ptr<QObject> theme_;
};

bool sameColor(const QColor& a, const QColor& b, int tolerance = 1) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

#define EXPECT_COLOR(actual, expected)                                                                   \
  EXPECT_TRUE(sameColor((actual), (expected))) << (actual).name(QColor::HexArgb).toStdString() << " vs " \
                                               << (expected).name(QColor::HexArgb).toStdString()

TEST_F(ThemeTest, PaletteFollowsDarkFlag) {
  EXPECT_EQ(token("bg0"), QColor("#080B12"));
  EXPECT_EQ(token("text"), QColor("#F0F6FC"));
  EXPECT_EQ(token("cardBack"), QColor("#1C4B82"));
  EXPECT_DOUBLE_EQ(theme_->property("shadowOpacity").toDouble(), 0.5);
  EXPECT_EQ(theme_->property("shadowMd").toString(), "0 4px 6px rgba(0,0,0,0.5)");
  setDark(false);
  EXPECT_EQ(token("bg0"), QColor("#F4F6F9"));
  EXPECT_EQ(token("text"), QColor("#1F2937"));
  EXPECT_EQ(token("cardBack"), QColor("#1E3A5F"));
  EXPECT_EQ(token("accent"), QColor("#16A34A"));
  EXPECT_DOUBLE_EQ(theme_->property("shadowOpacity").toDouble(), 0.15);
  EXPECT_EQ(theme_->property("shadowMd").toString(), "0 4px 6px rgba(0,0,0,0.1)");
  // light card faces in both palettes
  EXPECT_EQ(token("cardFace"), QColor("#FFFEF5"));
  EXPECT_EQ(token("suitSpades"), QColor("#1F2937"));
}

TEST_F(ThemeTest, AccentOverrideDrivesEveryAccentToken) {
  const QColor red("#FF0000");
  theme_->setProperty("accentOverride", red);
  theme_->setProperty("useAccentOverride", true);
  for (bool dark : {true, false}) {
    setDark(dark);
    for (const char* name : {"accent", "actionCheck", "success", "suitClubs"}) EXPECT_EQ(token(name), red) << name;
    EXPECT_COLOR(token("accentHover"), red.lighter(112));
    EXPECT_COLOR(token("accentMuted"), red.darker(dark ? 160 : 135));
  }
  theme_->setProperty("useAccentOverride", false);
  EXPECT_EQ(token("accent"), QColor("#16A34A"));
  setDark(true);
  EXPECT_EQ(token("accent"), QColor("#3FB950"));
  EXPECT_EQ(token("accentOverride"), red);
}

TEST_F(ThemeTest, SizedBetsAndRaisesFollowTheirColourRamps) {
  struct Case {
    const char* text;
    double h, s, lDark, lLight;
  };
  const Case cases[] = {
      {"Bet 33%", 0.7398, 0.70, 0.6365, 0.4365},   {"raise 75 %", 0.085, 0.78, 0.645, 0.485},
      {"bet 100%", 0.78, 0.70, 0.67, 0.47},        {"bet 250%", 0.84, 0.70, 0.72, 0.52},
      {"raise 400%", 0.11, 0.78, 0.72, 0.56},      {"bet 0%", 0.72, 0.70, 0.62, 0.42},
      {"bet 33% pot", 0.7398, 0.70, 0.6365, 0.4365}, {"BET 12.5%", 0.7275, 0.70, 0.62625, 0.42625},
  };
  for (bool dark : {true, false}) {
    setDark(dark);
    for (const Case& c : cases) {
      const QColor got = eval(QString("theme.actionColor(\"%1\")").arg(c.text));
      const QColor want = QColor::fromHslF(c.h, c.s, dark ? c.lDark : c.lLight, 1.0);
      EXPECT_COLOR(got, want) << " for " << c.text << (dark ? " (dark)" : " (light)");
    }
  }
}

TEST_F(ThemeTest, ActionKeysAndUnknownValues) {
  const QColor muted = token("textMuted");
  for (const char* js : {"\"bet33%\"", "\"bet 33\"", "\"bet .5%\"", "\" bet 33%\"", "null", "undefined", "3",
                         "\"\"", "\"donk\""}) {
    EXPECT_EQ(eval(QString("theme.actionColor(%1)").arg(js)), muted) << js;
  }
  EXPECT_EQ(eval("theme.actionColor('bet')"), token("actionBet"));
  EXPECT_EQ(eval("theme.actionColor('Raise')"), token("actionRaise"));
  EXPECT_EQ(eval("theme.actionColor('FOLD')"), token("actionFold"));
  EXPECT_EQ(eval("theme.actionColor('call')"), token("actionCall"));
  EXPECT_EQ(eval("theme.actionColor('check')"), token("accent"));
  for (const char* key : {"allin", "All-In", "all_in"}) {
    EXPECT_EQ(eval(QString("theme.actionColor('%1')").arg(key)), token("actionAllIn")) << key;
  }
}

TEST_F(ThemeTest, SuitColoursAndOpacityHelper) {
  EXPECT_EQ(eval("theme.suitColor('S')"), QColor("#1F2937"));
  EXPECT_EQ(eval("theme.suitColor('Spades')"), QColor("#1F2937"));
  EXPECT_EQ(eval("theme.suitColor('h')"), token("suitHearts"));
  EXPECT_EQ(eval("theme.suitColor('DIAMONDS')"), token("suitDiamonds"));
  EXPECT_EQ(eval("theme.suitColor('c')"), token("accent"));
  EXPECT_EQ(eval("theme.suitColor('x')"), token("text"));
  EXPECT_EQ(eval("theme.suitColor('')"), token("text"));

  const QColor faded = eval("theme.withOpacity(theme.accent, 0.55)");
  const QColor accent = token("accent");
  EXPECT_EQ(faded.rgb() & 0xFFFFFF, accent.rgb() & 0xFFFFFF);
  EXPECT_NEAR(faded.alphaF(), 0.55, 0.005);
  const QColor replaced = eval("theme.withOpacity(Qt.rgba(1, 0, 0, 0.2), 0.9)");
  EXPECT_NEAR(replaced.alphaF(), 0.9, 0.005);
}

TEST_F(ThemeTest, FontFamiliesNameOneUsableFamily) {
  const QStringList installed = QFontDatabase::families();
  for (const char* name : {"fontFamily", "fontMono"}) {
    const QString family = theme_->property(name).toString();
    EXPECT_FALSE(family.isEmpty()) << name;
    EXPECT_FALSE(family.contains(',')) << name << ": " << family.toStdString();
    const bool generic = family == "sans-serif" || family == "monospace";
    EXPECT_TRUE(generic || installed.contains(family)) << family.toStdString();
  }
}

TEST(Typography, ScaleAndAliases) {
  QQmlEngine engine;
  QQmlComponent component(&engine, moduleFile("qml/theme/Typography.qml"));
  std::unique_ptr<QObject> type(component.create());
  ASSERT_TRUE(type) << component.errorString().toStdString();
  EXPECT_EQ(type->property("labelLg").toInt(), 13);
  EXPECT_EQ(type->property("bodySm").toInt(), 13);
  EXPECT_EQ(type->property("mono").toInt(), 13);
  EXPECT_EQ(type->property("h1").toInt(), type->property("displayMd").toInt());
  EXPECT_EQ(type->property("h1").toInt(), 30);
  EXPECT_EQ(type->property("h2").toInt(), 20);
  EXPECT_EQ(type->property("h3").toInt(), 18);
  EXPECT_EQ(type->property("body").toInt(), 14);
  EXPECT_EQ(type->property("small").toInt(), 12);
  EXPECT_EQ(type->property("weightSemibold").toInt(), 600);
  EXPECT_DOUBLE_EQ(type->property("trackingNormal").toDouble(), 0.0);
  EXPECT_DOUBLE_EQ(type->property("trackingTight").toDouble(), -type->property("trackingWide").toDouble());
}

// --- the main window --------------------------------------------------------------

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsDir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    engine_ = std::make_unique<QQmlEngine>();
    engine_->rootContext()->setContextProperty("appController", &controllerStandIn_);
    QQmlComponent component(engine_.get(), moduleFile("Main.qml"));
    root_.reset(component.create());
    ASSERT_TRUE(root_) << component.errorString().toStdString();
    window_ = qobject_cast<QWindow*>(root_.get());
    ASSERT_NE(window_, nullptr);
    for (QObject* child : root_->findChildren<QObject*>()) {
      if (child->metaObject()->indexOfProperty("projectRecommendedWidth") >= 0) shell_ = child;
    }
    ASSERT_NE(shell_, nullptr) << "no shell in the window";
  }
  void TearDown() override {
    root_.reset();
    engine_.reset();
  }

  void recommend(int width) { shell_->setProperty("projectRecommendedWidth", width); }

  QTemporaryDir settingsDir_;
  QObject controllerStandIn_;
  std::unique_ptr<QQmlEngine> engine_;
  std::unique_ptr<QObject> root_;
  QWindow* window_ = nullptr;
  QObject* shell_ = nullptr;
};

TEST_F(MainWindowTest, TitleColourFlagsAndController) {
  // The shell passes on the width the Setup page asks for.
  QObject* page = shell_->findChild<QObject*>(QStringLiteral("projectPage"));
  ASSERT_NE(page, nullptr);
  const int recommended = page->property("recommendedWindowWidth").toInt();
  EXPECT_GT(recommended, 1100);
  EXPECT_EQ(shell_->property("projectRecommendedWidth").toInt(), recommended);
  EXPECT_EQ(window_->title(), "Caldirune");
  EXPECT_EQ(root_->property("color").value<QColor>(), QColor("#080B12"));
  EXPECT_TRUE(window_->flags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(window_->flags().testFlag(Qt::WindowMinMaxButtonsHint));
  EXPECT_EQ(shell_->property("controller").value<QObject*>(), &controllerStandIn_);
}

// The window's sizes on screens of several sizes: the test runs itself again
// on an offscreen screen of each size (VELMORA_WINDOW_SCREEN names it).
constexpr char kScreenVar[] = "VELMORA_WINDOW_SCREEN";

TEST_F(MainWindowTest, SizesOnTheScreenGiven) {
  const QByteArray screen = qgetenv(kScreenVar);
  if (screen.isEmpty()) GTEST_SKIP() << "runs inside WindowFitsTheScreen";
  struct Case {
    int recommended, width, minimumWidth, height, minimumHeight;
  };
  const std::map<QByteArray, std::vector<Case>> cases = {
      {"2560x1600", {{1540, 1540, 1540, 1200, 700}, {1400, 1540, 1400, 1200, 700}, {1800, 1800, 1800, 1200, 700},
                     {900, 1540, 1100, 1200, 700}}},
      {"1366x768", {{1540, 1366, 1366, 768, 700}, {900, 1366, 1100, 768, 700}}},
      {"1280x800", {{1540, 1280, 1280, 800, 700}, {900, 1280, 1100, 800, 700}}},
      {"1024x600", {{900, 1024, 1024, 600, 600}}},
  };
  ASSERT_TRUE(cases.count(screen)) << screen.constData();
  for (const Case& c : cases.at(screen)) {
    recommend(c.recommended);
    EXPECT_EQ(window_->width(), c.width) << c.recommended;
    EXPECT_EQ(window_->minimumWidth(), c.minimumWidth) << c.recommended;
    EXPECT_EQ(window_->height(), c.height);
    EXPECT_EQ(window_->minimumHeight(), c.minimumHeight);
  }

  // Below the least size the content scrolls, on every page; a wider Setup
  // page scrolls inside itself, so the top bar stays in view.
  QObject* scroller = root_->findChild<QObject*>("windowScroller");
  QObject* bar = root_->findChild<QObject*>("windowScrollBarH");
  ASSERT_TRUE(scroller && bar);
  const double view = scroller->property("width").toDouble();
  recommend(1700);
  for (int page : {0, 1}) {
    shell_->setProperty("navIndex", page);
    EXPECT_EQ(scroller->property("contentWidth").toDouble(), std::max(1100.0, view)) << page;
    EXPECT_EQ(shell_->property("width").toDouble(), std::max(1100.0, view)) << page;
    EXPECT_EQ(bar->property("visible").toBool(), view < 1100) << page;
  }
}

TEST(MainWindowScreens, WindowFitsTheScreen) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const QString screen : {"2560x1600", "1366x768", "1280x800", "1024x600"}) {
    const QStringList size = screen.split('x');
    QFile config(dir.filePath(screen + ".json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": %1, "height": %2}]})")
                     .arg(size[0], size[1]).toUtf8());
    config.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    env.insert(kScreenVar, screen);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    // Only tests that run there: a skip in the child's output would read as this test's.
    const QString tests = screen == "2560x1600" ? "MainWindowTest.SizesOnTheScreenGiven:MainWindowTest.SizeTheUserGaveStays"
                                                : "MainWindowTest.SizesOnTheScreenGiven";
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=" + tests});
    ASSERT_TRUE(child.waitForFinished(60000)) << screen.toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << screen.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << screen.toStdString();
  }
}

// Qt's controls left to the style (and Qt's own dialogs) draw with the
// window's palette: the program's colours in both themes, not the style's
// light palette.
TEST_F(MainWindowTest, PaletteIsTheProgramsInBothThemes) {
  QObject* theme = shell_->property("theme").value<QObject*>();
  QObject* palette = root_->property("palette").value<QObject*>();
  ASSERT_TRUE(theme && palette);
  const auto role = [&](const char* name) { return palette->property(name).value<QColor>(); };
  const auto token = [&](const char* name) { return theme->property(name).value<QColor>(); };
  for (const bool dark : {true, false}) {
    theme->setProperty("dark", dark);
    EXPECT_EQ(role("window"), token("surface")) << dark;
    EXPECT_EQ(role("windowText"), token("text")) << dark;
    EXPECT_EQ(role("base"), token("bg1")) << dark;
    EXPECT_EQ(role("text"), token("text")) << dark;
    EXPECT_EQ(role("button"), token("surface2")) << dark;
    EXPECT_EQ(role("buttonText"), token("text")) << dark;
    EXPECT_EQ(role("highlight"), token("accent")) << dark;
    EXPECT_EQ(role("placeholderText"), token("textFaint")) << dark;
  }
  theme->setProperty("dark", true);
  EXPECT_LT(role("window").lightnessF(), 0.2) << "dark dialogs in the dark theme";
  EXPECT_GT(role("windowText").lightnessF(), 0.8);
}

// The size the user gives the window stays through language and theme switches; only the
// least width, which follows the width the Setup page asks for (in some languages more),
// widens it while it lasts.
TEST_F(MainWindowTest, SizeTheUserGaveStays) {
  if (qgetenv(kScreenVar) != "2560x1600") GTEST_SKIP() << "runs inside WindowFitsTheScreen";
  LanguageManager languages(engine_.get());
  QObject* theme = shell_->property("theme").value<QObject*>();
  ASSERT_NE(theme, nullptr);
  recommend(1200);
  window_->resize(1280, 800);
  QCoreApplication::processEvents();
  ASSERT_EQ(window_->size(), QSize(1280, 800));
  // Each step: the language, the width the page asks for (0: as the language leaves it), the
  // theme, and the window's width after it (0: 1280, or its least width if more); 800 high.
  const struct { const char* language; int asked; bool dark; int width; } steps[] = {
      {"de", 0, true, 0}, {"ru", 0, true, 0}, {"en", 0, true, 0}, {"en", 1200, true, 1280},
      {"en", 0, false, 1280}, {"en", 1400, false, 1400}, {"en", 1200, false, 1280}};
  for (const auto& s : steps) {
    languages.setLanguage(s.language);
    if (s.asked != 0) recommend(s.asked);
    theme->setProperty("dark", s.dark);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(window_->width(), window_->height()),
              std::pair(s.width ? s.width : std::max(1280, window_->minimumWidth()), 800)) << "step " << &s - steps;
  }
}

TEST_F(MainWindowTest, TitleStaysTheProductNameInEveryLanguage) {
  LanguageManager languages(engine_.get());
  for (const char* code : {"de", "ru", "pt_BR", "en"}) {
    languages.setLanguage(code);
    EXPECT_EQ(window_->title(), "Caldirune") << code;
  }
}

}  // namespace
