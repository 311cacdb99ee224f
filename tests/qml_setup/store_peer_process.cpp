// For the Setup page's Qt Quick tests (`import SetupTestSupport`): the store
// peer (store_peer.cpp) as a process of its own on this run's settings file.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QtQml/qqml.h>

class StorePeerProcess : public QObject {
  Q_OBJECT

 public:
  ~StorePeerProcess() override { kill(); }

  // Starts the peer; its stores as read at start, undefined when it did not start.
  Q_INVOKABLE QVariant start() {
    const QFileInfo organisation(QFileInfo(QSettings().fileName()).absolutePath());
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(STORE_PEER), {organisation.absolutePath(), QCoreApplication::organizationName()});
    return m_process.waitForStarted(10000) ? next() : QVariant();
  }
  // A command (a list: a function of store_peer.qml and its arguments); next
  // returns the following reply, undefined when none came in time.
  Q_INVOKABLE void send(const QVariantList& command) {
    m_process.write(QJsonDocument::fromVariant(command).toJson(QJsonDocument::Compact) + '\n');
    m_process.waitForBytesWritten(5000);
  }
  Q_INVOKABLE QVariant next(int timeoutMs = 20000) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_process.canReadLine())
      if (!m_process.waitForReadyRead(int(deadline.remainingTime()))) return {};
    return QJsonDocument::fromJson(m_process.readLine()).toVariant();
  }
  Q_INVOKABLE QVariant ask(const QVariantList& command) { send(command); return next(); }
  // Ends the peer as a user closes it, or as a crash does.
  Q_INVOKABLE void stop() { m_process.closeWriteChannel(); m_process.waitForFinished(10000); }
  Q_INVOKABLE void kill() { m_process.kill(); m_process.waitForFinished(5000); }

 private:
  QProcess m_process;
};

static void registerStorePeer() { qmlRegisterType<StorePeerProcess>("SetupTestSupport", 1, 0, "StorePeerProcess"); }
Q_COREAPP_STARTUP_FUNCTION(registerStorePeer)

#include "store_peer_process.moc"
