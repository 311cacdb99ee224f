// Language switching: the shipped catalogues load from the resources and
// translate the back end's texts; the choice is normalised, stored and
// announced; QML bindings follow a switch.
// The bucket names first: Qt's "slots" keyword would break the solver headers.
#include "session/hand_categories.h"

#include "backend/language_manager.h"
#include "backend/update_manager.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace {

constexpr char kChildVar[] = "VELMORA_LANGUAGE_TEST_CHILD";
constexpr char kChildSettingsVar[] = "VELMORA_LANGUAGE_TEST_SETTINGS";

const char* const kContext = "UpdateManager";
const char* const kSource = "No download URL available.";

QString translated() { return QCoreApplication::translate(kContext, kSource); }

// Child mode (run with a Spanish system locale and no stored language):
// exits 0 when the manager starts in the system language and translates.
// It runs as a test environment, so the application object and the
// resources are in place.
class SystemLanguageChild : public ::testing::Environment {
 public:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(qgetenv(kChildSettingsVar)));
    QSettings().remove("ui/language");
    QTranslator reference;
    if (!reference.load(":/Velmora/i18n/velmora_es.qm")) std::_Exit(2);
    const QString expected = reference.translate(kContext, kSource);
    LanguageManager manager;
    int rc = 0;
    if (manager.currentLanguage() != "system") rc = 3;
    else if (!LanguageManager::translatorLoaded()) rc = 4;
    else if (expected.isEmpty() || translated() != expected) rc = 5;
    else if (QLocale().language() != QLocale::Spanish) rc = 6;
    else if (QSettings().contains("ui/language")) rc = 7;  // applying at start does not store
    std::fflush(nullptr);
    std::_Exit(rc);
  }
};
[[maybe_unused]] ::testing::Environment* const kChildEnv =
    qgetenv(kChildVar).isEmpty() ? nullptr : ::testing::AddGlobalTestEnvironment(new SystemLanguageChild);

const QStringList kShipped{"de", "es", "fr", "it", "pl", "pt_BR", "ru"};

class LanguageManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsDir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    QSettings().setValue("ui/language", "en");
  }
  void TearDown() override {
    // leave the process in English for the next test
    LanguageManager reset;
    reset.setLanguage("en");
  }
  QString stored() const { return QSettings().value("ui/language").toString(); }

  QTemporaryDir settingsDir_;
};

TEST(LanguageCodes, NormalisingMapsAutoAndBlanksToSystem) {
  EXPECT_EQ(LanguageManager::normalizeLanguageCode(""), "system");
  EXPECT_EQ(LanguageManager::normalizeLanguageCode("   "), "system");
  EXPECT_EQ(LanguageManager::normalizeLanguageCode("  AuTo "), "system");
  EXPECT_EQ(LanguageManager::normalizeLanguageCode("SYSTEM"), "system");
  EXPECT_EQ(LanguageManager::normalizeLanguageCode(" pt_BR "), "pt_BR");
  EXPECT_EQ(LanguageManager::normalizeLanguageCode("DE"), "DE");
}

TEST(LanguageCodes, CandidatesGoFromTheCodeToItsLocaleAndLanguage) {
  EXPECT_EQ(LanguageManager::translationCandidates("pt_BR"), (QStringList{"pt_BR", "pt"}));
  EXPECT_EQ(LanguageManager::translationCandidates("de"), (QStringList{"de", "de_DE", "de"}));
  EXPECT_EQ(LanguageManager::translationCandidates("ru"), (QStringList{"ru", "ru_RU", "ru"}));
  const QString sys = QLocale::system().name();
  const QStringList s = LanguageManager::translationCandidates("system");
  ASSERT_FALSE(s.isEmpty());
  EXPECT_EQ(s.first(), sys);
}

TEST_F(LanguageManagerTest, EveryShippedCatalogueLoadsAndTranslatesTheBackEnd) {
  LanguageManager manager;
  ASSERT_EQ(manager.currentLanguage(), "en");
  const QString english = translated();
  ASSERT_EQ(english, kSource);
  QSet<QString> seen;
  for (const QString& code : kShipped) {
    ASSERT_TRUE(QFile::exists(":/Velmora/i18n/velmora_" + code + ".qm")) << code.toStdString();
    manager.setLanguage(code);
    EXPECT_EQ(manager.currentLanguage(), code);
    EXPECT_TRUE(LanguageManager::translatorLoaded()) << code.toStdString();
    const QString text = translated();
    EXPECT_FALSE(text.isEmpty());
    EXPECT_NE(text, english) << code.toStdString();
    seen.insert(text);
    EXPECT_EQ(stored(), code);
    EXPECT_EQ(QLocale().name(), QLocale(code).name());
  }
  EXPECT_EQ(seen.size(), kShipped.size()) << "each language has its own text";
}

// Every catalogue names the hand buckets and keeps the Setup and Settings
// pages apart: two different words, not two forms of one word.
TEST(Catalogues, BucketNamesAndPageNamesAreTranslated) {
  for (const QString& code : kShipped) {
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(":/Velmora/i18n/velmora_" + code + ".qm")) << code.toStdString();
    int differing = 0;
    for (const std::string_view name : velmora_app::kHandBuckets) {
      const std::string source(name);
      const QString text = catalogue.translate("HandBuckets", source.c_str());
      EXPECT_FALSE(text.isEmpty()) << code.toStdString() << ": " << source;
      if (text != QString::fromStdString(source)) ++differing;
    }
    EXPECT_GE(differing, 10) << code.toStdString();
    for (const char* context : {"TopBar", "Sidebar"}) {
      const QString setup = catalogue.translate(context, "Setup");
      const QString settings = catalogue.translate(context, "Settings");
      ASSERT_FALSE(setup.isEmpty() || settings.isEmpty()) << code.toStdString() << " " << context;
      qsizetype common = 0;
      while (common < std::min(setup.size(), settings.size()) && setup[common] == settings[common]) ++common;
      EXPECT_LT(common, 5) << code.toStdString() << ": " << setup.toStdString() << " / " << settings.toStdString();
    }
  }
}

TEST_F(LanguageManagerTest, ErrorsOfTheUpdateManagerFollowTheLanguage) {
  LanguageManager manager;
  UpdateManager updates;
  updates.setManifestUrl("");
  manager.setLanguage("de");
  updates.checkNow();
  const QString german = updates.lastError();
  EXPECT_EQ(german, QCoreApplication::translate("UpdateManager", "Update URL is not configured."));
  EXPECT_NE(german, "Update URL is not configured.");
  manager.setLanguage("en");
  updates.checkNow();
  EXPECT_EQ(updates.lastError(), "Update URL is not configured.");
}

// Qt's own catalogues switch with the language: the standard buttons of
// Qt's dialogs (OK, Cancel, Open, Save) follow it, and go back to English.
TEST_F(LanguageManagerTest, QtsOwnCataloguesFollowTheLanguage) {
  LanguageManager manager;
  const auto button = [](const char* text) { return QCoreApplication::translate("QPlatformTheme", text); };
  ASSERT_EQ(button("Cancel"), "Cancel");
  ASSERT_TRUE(LanguageManager::qtCataloguesLoaded().isEmpty());

  manager.setLanguage("de");
  EXPECT_EQ(button("Cancel"), "Abbrechen");
  EXPECT_EQ(button("Open"), QString::fromUtf8("\xC3\x96" "ffnen"));
  EXPECT_EQ(button("Save"), "Speichern");
  EXPECT_EQ(LanguageManager::qtCataloguesLoaded(), (QStringList{"qtbase_de", "qtdeclarative_de"}));
  EXPECT_NE(translated(), kSource) << "the program's own catalogue still answers for its texts";


  manager.setLanguage("pt_BR");  // a catalogue named with the region
  EXPECT_TRUE(LanguageManager::qtCataloguesLoaded().contains("qtbase_pt_BR"));
  EXPECT_EQ(button("Cancel"), "Cancelar");

  manager.setLanguage("xx_YY");
  EXPECT_TRUE(LanguageManager::qtCataloguesLoaded().isEmpty()) << "no catalogue of another language stays";
  EXPECT_EQ(button("Cancel"), "Cancel");
  manager.setLanguage("ru");
  manager.setLanguage("en");
  EXPECT_TRUE(LanguageManager::qtCataloguesLoaded().isEmpty());
  EXPECT_EQ(button("Cancel"), "Cancel");
}

TEST_F(LanguageManagerTest, EnglishRemovesTheTranslator) {
  LanguageManager manager;
  manager.setLanguage("fr");
  ASSERT_NE(translated(), kSource);
  manager.setLanguage("en");
  EXPECT_FALSE(LanguageManager::translatorLoaded());
  EXPECT_EQ(translated(), kSource);
  EXPECT_EQ(stored(), "en");
}

TEST_F(LanguageManagerTest, SameLanguageAgainChangesNothing) {
  LanguageManager manager;
  manager.setLanguage("it");
  QSignalSpy spy(&manager, &LanguageManager::currentLanguageChanged);
  QSettings().setValue("ui/language", "marker");
  manager.setLanguage("it");
  manager.setLanguage("  it ");
  EXPECT_EQ(spy.count(), 0);
  EXPECT_EQ(stored(), "marker");
  manager.setLanguage("pl");
  EXPECT_EQ(spy.count(), 1);
  EXPECT_EQ(stored(), "pl");
}

TEST_F(LanguageManagerTest, AutoInAnyCaseIsStoredAsSystem) {
  LanguageManager manager;
  QSignalSpy spy(&manager, &LanguageManager::currentLanguageChanged);
  manager.setLanguage("  aUTo  ");
  EXPECT_EQ(manager.currentLanguage(), "system");
  EXPECT_EQ(stored(), "system");
  EXPECT_EQ(spy.count(), 1);
}

TEST_F(LanguageManagerTest, UnknownCodeIsAppliedAndStoredWithoutCatalogue) {
  LanguageManager manager;
  manager.setLanguage("fr");
  manager.setLanguage("xx_YY");
  EXPECT_EQ(manager.currentLanguage(), "xx_YY");
  EXPECT_FALSE(LanguageManager::translatorLoaded());
  EXPECT_EQ(translated(), kSource);
  EXPECT_EQ(stored(), "xx_YY");
}

TEST_F(LanguageManagerTest, StoredLanguageIsAppliedAtConstruction) {
  QSettings().setValue("ui/language", " ru ");
  LanguageManager manager;
  EXPECT_EQ(manager.currentLanguage(), "ru");
  EXPECT_TRUE(LanguageManager::translatorLoaded());
  EXPECT_NE(translated(), kSource);
  // the stored text itself is left as it was
  EXPECT_EQ(stored(), " ru ");
}

TEST_F(LanguageManagerTest, EngineGetsTheUiLanguageAndRetranslatesBindings) {
  QQmlEngine engine;
  LanguageManager manager(&engine);
  QQmlComponent component(&engine);
  component.setData("import QtQuick\nQtObject { property string line: qsTranslate(\"UpdateManager\", \"No download URL available.\") }",
                    QUrl("file:///virtual/Probe.qml"));
  std::unique_ptr<QObject> object(component.create());
  ASSERT_TRUE(object) << component.errorString().toStdString();
  const QString english = object->property("line").toString();
  ASSERT_EQ(english, kSource);

  // The engine is told the language alone, as BCP 47 writes it.
  manager.setLanguage("pt_BR");
  EXPECT_EQ(engine.uiLanguage(), "pt");
  const QString portuguese = object->property("line").toString();
  EXPECT_NE(portuguese, english);

  manager.setLanguage("de");
  EXPECT_EQ(engine.uiLanguage(), "de");
  const QString german = object->property("line").toString();
  EXPECT_NE(german, english);
  EXPECT_NE(german, portuguese);
  manager.setLanguage("en");
  EXPECT_EQ(engine.uiLanguage(), "en");
  manager.setLanguage("system");
  EXPECT_EQ(engine.uiLanguage(), QLocale::system().bcp47Name());
  EXPECT_FALSE(engine.uiLanguage().contains('_'));
}

TEST(LanguageManagerSystem, SpanishSystemStartsInSpanishUnderSystemDefault) {
  QTemporaryDir settingsDir;
  ASSERT_TRUE(settingsDir.isValid());
  QProcess proc;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(kChildVar, "1");
  env.insert(kChildSettingsVar, settingsDir.path());
  env.insert("LC_ALL", "es_ES.UTF-8");
  env.insert("LANG", "es_ES.UTF-8");
  env.remove("LANGUAGE");
  env.remove("LC_MESSAGES");
  proc.setProcessEnvironment(env);
  proc.setProcessChannelMode(QProcess::ForwardedChannels);
  // one trivial test selected, so the environment (the child's work) runs
  proc.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=LanguageCodes.NormalisingMapsAutoAndBlanksToSystem"});
  ASSERT_TRUE(proc.waitForStarted(10000));
  ASSERT_TRUE(proc.waitForFinished(20000)) << "child hung";
  EXPECT_EQ(proc.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(proc.exitCode(), 0);
}

}  // namespace
