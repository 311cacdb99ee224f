// Both sides of a test that re-runs its own binary as a child process: the
// parent starts it with no test selected and a few variables in its
// environment and learns how it ended; the child reads those variables
// during static initialisation.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <sys/resource.h>

#include <initializer_list>
#include <utility>

#include "backend/log_handler.h"

namespace child_process {

struct ChildResult {
  bool finished = false;
  QProcess::ExitStatus status = QProcess::NormalExit;
  int code = 0;
};

// Runs this binary with `vars` added to its environment and the tests
// `filter` selects (none by default), for at most `waitMs` once started.
inline ChildResult runSelf(std::initializer_list<std::pair<QString, QString>> vars,
                           QProcess::ProcessChannelMode channels, const QString& filter = QStringLiteral("-*"),
                           int waitMs = 20000) {
  QProcess proc;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : vars) env.insert(name, value);
  proc.setProcessEnvironment(env);
  proc.setProcessChannelMode(channels);
  proc.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + filter});
  ChildResult r;
  if (!proc.waitForStarted(10000)) return r;
  r.finished = proc.waitForFinished(waitMs);
  if (!r.finished) {
    proc.kill();
    proc.waitForFinished(5000);
    return r;
  }
  r.status = proc.exitStatus();
  r.code = proc.exitCode();
  return r;
}

struct ChildRun {
  QByteArray mode;  // empty in a normal run
  QString dir;
};

// The child side: when `modeVar` is set, turns core dumps off and points the
// crash log paths at app.log and temp.log in the directory `dirVar` names.
inline ChildRun enterChildRun(const char* modeVar, const char* dirVar) {
  ChildRun run;
  run.mode = qgetenv(modeVar);
  if (run.mode.isEmpty()) return run;
  struct rlimit noCore {0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  run.dir = QString::fromLocal8Bit(qgetenv(dirVar));
  velmora_log::setCrashLogPaths(run.dir + "/app.log", run.dir + "/temp.log");
  return run;
}

// A test that runs again in a child process of its own (one that sets a
// limit on itself): the parent runs this binary with only the tests
// `filter` selects and `var` set, which tells the child it is the child.
// True when the child ended normally with exit code 0; the child's output
// is forwarded.
inline bool passesInChild(const char* var, const QString& filter) {
  const ChildResult r = runSelf({{QString::fromLatin1(var), QStringLiteral("1")}}, QProcess::ForwardedChannels, filter,
                                120000);
  return r.finished && r.status == QProcess::NormalExit && r.code == 0;
}

}  // namespace child_process
