// For the Setup page's Qt Quick tests: another copy of the program as far as
// the stores go (the store peer, store_peer.cpp), running as a process of
// its own on this test run's settings file, and a way to move the settings
// where they cannot be written. Available to the test files as
// `StorePeerProcess` from `import SetupTestSupport`.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QVariant>
#include <QVariantList>

class StorePeerProcess : public QObject {
  Q_OBJECT

 public:
  explicit StorePeerProcess(QObject* parent = nullptr);
  ~StorePeerProcess() override;

  // Starts the peer on the settings file this process uses; its stores as
  // read at start, or an empty map when it did not start.
  Q_INVOKABLE QVariant start();
  // Sends a command (a list: name and arguments, see store_peer.qml) and
  // returns the reply, undefined when none came in time.
  Q_INVOKABLE QVariant ask(const QVariantList& command, int timeoutMs = 20000);
  // Ends the peer as a user closes it.
  Q_INVOKABLE void stop();

  // Points this process's per-user settings at `folder` (one that cannot be
  // made, say) until restoreSettings; returns the folder they were in.
  Q_INVOKABLE QString moveSettings(const QString& folder);
  Q_INVOKABLE void restoreSettings();

 private:
  QVariant next(int timeoutMs);

  QProcess m_process;
  QByteArray m_buffer;
  QString m_movedFrom;
};
