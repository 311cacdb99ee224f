// Run-time switching of the user-interface language.
//
// One process-wide translator holds the catalogue of the chosen language,
// loaded from ":/Velmora/i18n/velmora_<locale>.qm"; Qt's own catalogues of
// the language (qtbase, qtdeclarative: the buttons of Qt's dialogs) switch
// with it. The choice is kept in the per-user setting "ui/language"
// ("system" follows the system locale).
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QQmlEngine;

class LanguageManager : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString currentLanguage READ currentLanguage NOTIFY currentLanguageChanged)
  // Whether the last choice reached the settings file: {"ok": true} or the
  // problem map of settings_store.h ("what" is "language"). A choice that
  // could not be stored still applies to this run.
  Q_PROPERTY(QVariantMap saveStatus READ saveStatus NOTIFY saveStatusChanged)

 public:
  // Applies the stored language at once (also when it is "system").
  explicit LanguageManager(QQmlEngine* engine = nullptr, QObject* parent = nullptr);

  QString currentLanguage() const { return currentLanguage_; }
  QVariantMap saveStatus() const { return saveStatus_; }

  // Normalises, applies and stores the language code.
  Q_INVOKABLE void setLanguage(const QString& code);

  // Whether the process-wide translator currently holds a catalogue.
  static bool translatorLoaded();
  // Qt's own catalogues installed for the language ("qtbase_de", ...).
  static QStringList qtCataloguesLoaded();

  static QString normalizeLanguageCode(const QString& code);
  static QStringList translationCandidates(const QString& code);

 signals:
  void currentLanguageChanged();
  void saveStatusChanged();

 private:
  void applyLanguage(const QString& code, bool save, bool force = false);

  QQmlEngine* engine_ = nullptr;
  QString currentLanguage_ = QStringLiteral("system");
  QVariantMap saveStatus_{{QStringLiteral("ok"), true}};
};
