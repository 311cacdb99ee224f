#include "tests/qml_setup/store_peer_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSettings>
#include <QtQml/qqml.h>

namespace {

// The folder that holds <organisation>/<application>.conf.
QString settingsFolder() {
  QDir dir = QFileInfo(QSettings().fileName()).absoluteDir();
  dir.cdUp();
  return dir.path();
}

void registerType() { qmlRegisterType<StorePeerProcess>("SetupTestSupport", 1, 0, "StorePeerProcess"); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(registerType)

StorePeerProcess::~StorePeerProcess() {
  kill();
  restoreSettings();
}

QVariant StorePeerProcess::start() {
  m_buffer.clear();
  m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_process.start(QStringLiteral(STORE_PEER), {settingsFolder(), QCoreApplication::organizationName()});
  return m_process.waitForStarted(10000) ? next() : QVariant();
}

void StorePeerProcess::send(const QVariantList& command) {
  m_process.write(QJsonDocument::fromVariant(command).toJson(QJsonDocument::Compact) + '\n');
  m_process.waitForBytesWritten(5000);
}

QVariant StorePeerProcess::next(int timeoutMs) {
  QElapsedTimer t;
  t.start();
  // What came while the test's event loop ran is read before waiting for more.
  for (m_buffer += m_process.readAllStandardOutput(); !m_buffer.contains('\n');
       m_buffer += m_process.readAllStandardOutput()) {
    if (t.elapsed() >= timeoutMs || m_process.state() == QProcess::NotRunning) return {};
    m_process.waitForReadyRead(static_cast<int>(timeoutMs - t.elapsed()));
  }
  const qsizetype end = m_buffer.indexOf('\n');
  const QByteArray line = m_buffer.left(end);
  m_buffer.remove(0, end + 1);
  return QJsonDocument::fromJson(line).toVariant();
}

void StorePeerProcess::stop() {
  m_process.closeWriteChannel();
  m_process.waitForFinished(10000);
}

void StorePeerProcess::kill() {
  if (m_process.state() == QProcess::NotRunning) return;
  m_process.kill();
  m_process.waitForFinished(5000);
}

void StorePeerProcess::moveSettings(const QString& folder, bool unreadable) {
  const QString org = QCoreApplication::organizationName();
  if (m_movedFrom.isEmpty()) m_movedFrom = settingsFolder();
  if (unreadable) QDir().mkpath(folder + "/" + org + "/" + QCoreApplication::applicationName() + ".conf");
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

void StorePeerProcess::restoreSettings() {
  if (m_movedFrom.isEmpty()) return;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_movedFrom);
  m_movedFrom.clear();
}
