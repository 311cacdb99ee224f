#include "backend/language_manager.h"
#include "backend/settings_store.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QQmlEngine>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

constexpr char kSettingsKey[] = "ui/language";
constexpr char kTranslationDir[] = ":/Velmora/i18n";
constexpr char kFilePrefix[] = "velmora_";

// At most one translator exists and at most one is installed at a time; it
// is deleted when the next one replaces it, the last when the process ends.
std::unique_ptr<QTranslator> g_translator;

// Qt's own catalogues of the language (the standard buttons of its dialogs
// and the texts of its QML controls), installed before the program's own.
// They belong to this list, which deletes them when it is replaced and when
// the process ends (a deleted translator leaves the application by itself).
constexpr const char* kQtCatalogues[] = {"qtbase", "qtdeclarative"};
std::vector<std::unique_ptr<QTranslator>> g_qtTranslators;
QStringList g_qtCataloguesLoaded;

// Where Qt's catalogues lie: beside the program (a deployed build), then
// where this Qt keeps them.
QStringList qtTranslationDirs() {
  return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

// Replaces Qt's catalogues with those of `candidates` (none for English).
void applyQtCatalogues(const QStringList& candidates) {
  for (const auto& t : g_qtTranslators) QCoreApplication::removeTranslator(t.get());
  g_qtTranslators.clear();
  g_qtCataloguesLoaded.clear();
  const QStringList dirs = qtTranslationDirs();
  for (const char* catalogue : kQtCatalogues) {
    auto translator = std::make_unique<QTranslator>();
    bool loaded = false;
    for (const QString& candidate : candidates) {
      // Exact names only: Qt's own fallback would cut "qtbase_xx" to "qtbase".
      const QString name = QLatin1String(catalogue) + QLatin1Char('_') + candidate;
      for (const QString& dir : dirs) {
        if (QFileInfo::exists(dir + QLatin1Char('/') + name + QStringLiteral(".qm")) && translator->load(name, dir)) {
          loaded = true;
          break;
        }
      }
      if (loaded) {
        g_qtCataloguesLoaded << name;
        break;
      }
    }
    if (loaded && !translator->isEmpty()) {
      QCoreApplication::installTranslator(translator.get());
      g_qtTranslators.push_back(std::move(translator));
    }
  }
}

// The English plural forms of counted texts ("%n strategy nodes"): English
// is the source language and has no catalogue of its own, so without these
// a count of one would read "1 strategy nodes". Installed once, before any
// other translator, so that every language's own catalogue is asked first.
void installSourcePlurals() {
  static QTranslator* plurals = nullptr;
  if (plurals != nullptr) return;
  plurals = new QTranslator(QCoreApplication::instance());
  if (plurals->load(QStringLiteral("velmora_plurals_en"), QLatin1String(kTranslationDir))) {
    QCoreApplication::installTranslator(plurals);
  } else {
    qWarning() << "English plural forms not found";
  }
}

QString firstPart(const QString& localeName) {
  const qsizetype cut = localeName.indexOf(QLatin1Char('_'));
  return cut < 0 ? localeName : localeName.left(cut);
}

QLocale localeFor(const QString& code) {
  return code == QLatin1String("system") ? QLocale::system() : QLocale(code);
}

}  // namespace

LanguageManager::LanguageManager(QQmlEngine* engine, QObject* parent) : QObject(parent), engine_(engine) {
  QSettings settings;
  const QString stored = normalizeLanguageCode(settings.value(kSettingsKey, QStringLiteral("system")).toString());
  applyLanguage(stored, /*save=*/false, /*force=*/true);
}

bool LanguageManager::translatorLoaded() {
  return g_translator != nullptr && !g_translator->isEmpty();
}

QStringList LanguageManager::qtCataloguesLoaded() { return g_qtCataloguesLoaded; }

QString LanguageManager::normalizeLanguageCode(const QString& code) {
  const QString trimmed = code.trimmed();
  if (trimmed.isEmpty() || trimmed.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0 ||
      trimmed.compare(QLatin1String("system"), Qt::CaseInsensitive) == 0) {
    return QStringLiteral("system");
  }
  return trimmed;
}

QStringList LanguageManager::translationCandidates(const QString& code) {
  QStringList out;
  if (code == QLatin1String("system")) {
    const QString name = QLocale::system().name();
    out << name;
    const QString lang = firstPart(name);
    if (lang != name) out << lang;
    return out;
  }
  out << code;
  const QString name = QLocale(code).name();
  if (name != code) out << name;
  const QString lang = firstPart(name);
  if (lang != name) out << lang;
  return out;
}

void LanguageManager::setLanguage(const QString& code) {
  applyLanguage(normalizeLanguageCode(code), /*save=*/true);
}

void LanguageManager::applyLanguage(const QString& code, bool save, bool force) {
  if (!force && code == currentLanguage_) return;
  installSourcePlurals();

  if (g_translator) QCoreApplication::removeTranslator(g_translator.get());
  g_translator = std::make_unique<QTranslator>();  // the previous one goes

  const bool english = code == QLatin1String("en");
  const QStringList candidates = english ? QStringList() : translationCandidates(code);
  // Qt's catalogues go in first: the program's own, installed last, is
  // asked first.
  applyQtCatalogues(candidates);

  bool loaded = false;
  if (!english) {
    for (const QString& candidate : candidates) {
      if (g_translator->load(QLatin1String(kFilePrefix) + candidate, QLatin1String(kTranslationDir))) {
        loaded = true;
        break;
      }
    }
  }
  if (loaded) QCoreApplication::installTranslator(g_translator.get());

  const QLocale locale = localeFor(code);
  QLocale::setDefault(locale);
  currentLanguage_ = code;

  bool statusChanged = false;
  if (save) {
    const QVariantMap status =
        settings_store::writeStatus({{QLatin1String(kSettingsKey), code}}, QStringLiteral("language"));
    statusChanged = status != saveStatus_;
    saveStatus_ = status;
  }

  qInfo().noquote() << "Language set to" << code << "(translator" << (loaded ? "loaded" : "not loaded") << ")";
  if (!english) {
    qInfo().noquote() << "Qt translations:"
                      << (g_qtCataloguesLoaded.isEmpty() ? QStringLiteral("none found") : g_qtCataloguesLoaded.join(", "));
  }

  if (engine_ != nullptr) {
    engine_->setUiLanguage(locale.bcp47Name());
    engine_->retranslate();
  }
  emit currentLanguageChanged();
  if (statusChanged) emit saveStatusChanged();
}
