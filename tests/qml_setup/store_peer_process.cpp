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

void registerType() {
  qmlRegisterType<StorePeerProcess>("SetupTestSupport", 1, 0, "StorePeerProcess");
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(registerType)

StorePeerProcess::StorePeerProcess(QObject* parent) : QObject(parent) {}

StorePeerProcess::~StorePeerProcess() {
  if (m_process.state() != QProcess::NotRunning) {
    m_process.kill();
    m_process.waitForFinished(5000);
  }
  restoreSettings();
}

QVariant StorePeerProcess::start() {
  m_process.setProgram(QStringLiteral(STORE_PEER));
  m_process.setArguments({settingsFolder(), QCoreApplication::organizationName()});
  m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_process.start();
  if (!m_process.waitForStarted(10000)) return QVariantMap();
  return next(20000);
}

QVariant StorePeerProcess::ask(const QVariantList& command, int timeoutMs) {
  m_process.write(QJsonDocument::fromVariant(command).toJson(QJsonDocument::Compact) + '\n');
  m_process.waitForBytesWritten(5000);
  return next(timeoutMs);
}

QVariant StorePeerProcess::next(int timeoutMs) {
  QElapsedTimer t;
  t.start();
  while (!m_buffer.contains('\n')) {
    const int left = timeoutMs - static_cast<int>(t.elapsed());
    if (left <= 0 || m_process.state() == QProcess::NotRunning) return {};
    m_process.waitForReadyRead(left);
    m_buffer += m_process.readAllStandardOutput();
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

QString StorePeerProcess::moveSettings(const QString& folder) {
  const QString from = settingsFolder();
  if (m_movedFrom.isEmpty()) m_movedFrom = from;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  return from;
}

void StorePeerProcess::restoreSettings() {
  if (m_movedFrom.isEmpty()) return;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_movedFrom);
  m_movedFrom.clear();
}
