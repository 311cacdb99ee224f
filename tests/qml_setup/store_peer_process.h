// For the Setup page's Qt Quick tests (`import SetupTestSupport`): another
// copy of the program as far as the stores go, the store peer
// (store_peer.cpp), as a process of its own on this run's settings file; and
// a way to move this process's settings where they cannot be written or read.
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
  using QObject::QObject;
  ~StorePeerProcess() override;

  // Starts the peer; its stores as read at start, undefined when it did not start.
  Q_INVOKABLE QVariant start();
  // A command (a list: a function of store_peer.qml and its arguments); next
  // returns the following reply, undefined when none came in time.
  Q_INVOKABLE void send(const QVariantList& command);
  Q_INVOKABLE QVariant next(int timeoutMs = 20000);
  Q_INVOKABLE QVariant ask(const QVariantList& command) { send(command); return next(); }
  // Ends the peer as a user closes it, or as a crash does.
  Q_INVOKABLE void stop();
  Q_INVOKABLE void kill();

  // Points this process's per-user settings at `folder` (with a folder in
  // place of the settings file when `unreadable`) until restoreSettings.
  Q_INVOKABLE void moveSettings(const QString& folder, bool unreadable);
  Q_INVOKABLE void restoreSettings();

 private:
  QProcess m_process;
  QByteArray m_buffer;
  QString m_movedFrom;
};
