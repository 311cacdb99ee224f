#include "tests/qml_shell/shell_test_backend.h"

#include "backend/app_controller.h"
#include "backend/icons/tinted_icon_provider.h"
#include "backend/language_manager.h"
#include "backend/update_manager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace shell_test {

namespace {

// Per-user settings in a folder of this process alone, removed when it
// exits: suites running side by side (or twice at once) never share state.
QTemporaryDir& settingsDir() {
  static QTemporaryDir dir;
  return dir;
}

void setSettingsPath(const QString& path) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
}

}  // namespace

void prepareApplication(const QString& scopeName) {
  QStandardPaths::setTestModeEnabled(true);
  setSettingsPath(settingsDir().path());
  QCoreApplication::setOrganizationName(scopeName);
  QCoreApplication::setApplicationName(scopeName);
  QCoreApplication::setApplicationVersion(QStringLiteral("1.0.1"));
  std::setlocale(LC_NUMERIC, "C");
  QQuickStyle::setStyle(QStringLiteral("Basic"));
}

QString moduleImportPath() {
  // The module directory is ".../Velmora"; imports resolve from its parent.
  return QFileInfo(QStringLiteral(VELMORA_MODULE_DIR)).absolutePath();
}

void publishBackend(QQmlEngine* engine) {
  engine->addImportPath(moduleImportPath());
  installTintedIcons(*engine);
  auto* languageManager = new LanguageManager(engine, engine);
  engine->rootContext()->setContextProperty(QStringLiteral("languageManager"), languageManager);
  auto* appController = new AppController(engine);
  engine->rootContext()->setContextProperty(QStringLiteral("appController"), appController);
  auto* updates = new UpdateManager(engine);
  engine->rootContext()->setContextProperty(QStringLiteral("updates"), updates);
}

SettingsSandbox::SettingsSandbox(QObject* parent) : QObject(parent) {
  static QTemporaryDir scratch;
  scratch_ = scratch.path();
}

// The file systems mounted for a test go before the scratch folder that
// holds their mount points is removed.
SettingsSandbox::~SettingsSandbox() {
  for (int i = 1; i <= mounts_; ++i) ::umount2(qPrintable(scratch_ + QStringLiteral("/mount%1").arg(i)), MNT_DETACH);
}

QString SettingsSandbox::breakWrites() {
  QFile blocker(scratch_ + QStringLiteral("/blocker"));
  if (blocker.open(QIODevice::WriteOnly)) blocker.close();
  setSettingsPath(blocker.fileName() + QStringLiteral("/settings"));
  return QDir::toNativeSeparators(QSettings().fileName());
}

QString SettingsSandbox::breakReads() {
  setSettingsPath(scratch_ + QStringLiteral("/unreadable"));
  const QString file = QSettings().fileName();
  QDir().mkpath(file);
  return QDir::toNativeSeparators(file);
}

QString SettingsSandbox::blockLock() {
  const QString file = QSettings().fileName();
  const QString copy = scratch_ + QStringLiteral("/locked") + file.mid(settingsDir().path().size());
  QDir().mkpath(copy + QStringLiteral(".lock"));
  if (QFile::exists(file)) QFile::copy(file, copy);
  setSettingsPath(scratch_ + QStringLiteral("/locked"));
  return QSettings().fileName() == copy ? QDir::toNativeSeparators(copy) : QString();
}

QString SettingsSandbox::mountCopy(const char* size, bool fill, int leftBytes) {
  if (qEnvironmentVariableIsEmpty("VELMORA_TEST_OWN_MOUNTS")) return {};
  const QString root = scratch_ + QStringLiteral("/mount%1").arg(++mounts_);
  const QByteArray options = QByteArray("size=") + size;
  if (!QDir().mkpath(root) || ::mount("tmpfs", qPrintable(root), "tmpfs", 0, options.constData()) != 0) {
    qWarning("SettingsSandbox: cannot mount a file system on %s", qPrintable(root));
    return {};
  }
  const QString file = QSettings().fileName();
  const QString copy = root + file.mid(settingsDir().path().size());
  QDir().mkpath(QFileInfo(copy).absolutePath());
  if (QFile::exists(file)) QFile::copy(file, copy);
  setSettingsPath(root);
  QFile filler(root + QStringLiteral("/filler"));  // up to the last byte
  if (fill && filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    while (filler.write(QByteArray(4096, 'x')) > 0 || filler.write("x", 1) > 0) {
    }
  if (fill && leftBytes > 0) filler.resize(qMax<qint64>(0, filler.size() - leftBytes));
  if (!fill && ::mount(nullptr, qPrintable(root), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) return {};
  return QSettings().fileName() == copy ? QDir::toNativeSeparators(copy) : QString();
}

QString SettingsSandbox::fullDisk(int leftBytes) { return mountCopy("512k", true, leftBytes); }
QString SettingsSandbox::readOnlyCopy() { return mountCopy("8m", false); }

QString SettingsSandbox::limitFileSizes(int leftBytes) {
  const QString file = QSettings().fileName();
  const QString root = scratch_ + QStringLiteral("/limited");
  const QString copy = root + file.mid(settingsDir().path().size());
  QDir().mkpath(QFileInfo(copy).absolutePath());
  QFile::remove(copy);
  if (QFile::exists(file)) QFile::copy(file, copy);
  setSettingsPath(root);
  ::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{static_cast<rlim_t>(QFileInfo(copy).size() + qMax(leftBytes, 0)), RLIM_INFINITY};
  limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  return limited_ && QSettings().fileName() == copy ? QDir::toNativeSeparators(copy) : QString();
}

void SettingsSandbox::restore() {
  if (limited_) {
    const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &none);
    ::signal(SIGXFSZ, SIG_DFL);
    limited_ = false;
  }
  setSettingsPath(settingsDir().path());
}

void publishSettingsSandbox(QQmlEngine* engine) {
  engine->rootContext()->setContextProperty(QStringLiteral("settingsSandbox"), new SettingsSandbox(engine));
}

void HostReport::ready() {
  std::printf("READY\n");
  std::fflush(stdout);
}

void HostReport::step(const QString& name) {
  std::printf("STEP %s\n", qPrintable(name));
  std::fflush(stdout);
}

void publishHostReport(QQmlEngine* engine) {
  engine->rootContext()->setContextProperty(QStringLiteral("hostReport"), new HostReport(engine));
}

int execWindow(QObject* window, const QQmlComponent& component) {
  if (!window) {
    std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
    return 1;
  }
  const int rc = QCoreApplication::exec();
  delete window;
  return rc;
}

}  // namespace shell_test
