// Developer tool: how long the GUI thread is held by the per-user stores when
// they are large. It fills a settings file of its own (in a temporary folder)
// with many settings profiles and Custom ranges, runs the program's window
// (Main, offscreen by default) with the real back end on it, and times:
//   - the window brought to the front with nothing changed,
//   - the window brought to the front after another copy saved a profile,
//   - saving one more profile and one more range on the Setup page,
//   - "Save Settings" on the Settings page.
// Each moment is repeated and reported as its median and its longest run.
//
//   store_stall_bench [--profiles N] [--ranges N] [--runs N]
//
// --ranges is the number of Custom ranges of each seat.
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

#include "bench/window_bench.h"

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

using window_bench::findNamed;
using window_bench::runUntil;
using window_bench::settle;


// A range text of every hand class with a weight, as a user's weighted range
// reads (about 1.3 KB).
QString rangeText(int seed) {
  const QString ranks = QStringLiteral("AKQJT98765432");
  QStringList parts;
  for (int i = 0; i < 13; ++i) {
    for (int j = i; j < 13; ++j) {
      const double weight = 0.05 + 0.9 * (((i * 31 + j * 17 + seed) % 100) / 100.0);
      const QString cls = i == j ? QString(ranks[i]) + ranks[j] : QString(ranks[i]) + ranks[j] + QLatin1Char('s');
      parts << cls + QLatin1Char(':') + QString::number(weight, 'f', 2);
      if (i != j && (i + j + seed) % 3 == 0)
        parts << QString(ranks[i]) + ranks[j] + QStringLiteral("o:") + QString::number(weight / 2, 'f', 2);
    }
  }
  return parts.join(QStringLiteral(", "));
}

QJsonObject profile(int n) {
  QJsonObject data{{"starting_pot", 20 + n % 80},
                   {"effective_stack", 100 + n % 200},
                   {"rake_percent", 5},
                   {"rake_cap", 3},
                   {"target_exploitability_pct", 0.5},
                   {"max_iterations", 1000},
                   {"starting_street", "flop"}};
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      const QString prefix = QStringLiteral("%1_%2_").arg(QLatin1String(seat), QLatin1String(street));
      data.insert(prefix + "bet_sizes", "33 75 150");
      data.insert(prefix + "raise_sizes", "2.5x 4x");
      data.insert(prefix + "add_all_in", true);
      if (QLatin1String(seat) == QLatin1String("oop")) data.insert(prefix + "dont_donk", n % 2 == 0);
    }
    data.insert(QStringLiteral("%1_add_all_in_jam_threshold_enabled").arg(QLatin1String(seat)), false);
    data.insert(QStringLiteral("%1_add_all_in_jam_threshold_pct").arg(QLatin1String(seat)), 30);
  }
  return {{"id", QStringLiteral("n_bench_p%1").arg(n)},
          {"name", QStringLiteral("Profile %1").arg(n)},
          {"createdAt", "2026-01-22T09:15:02.114Z"},
          {"data", data}};
}

// `count` ranges in folders of eleven.
QJsonArray customTree(const QString& seat, int count) {
  QJsonArray tree;
  for (int folder = 0; folder * 11 < count; ++folder) {
    QJsonArray children;
    for (int i = folder * 11; i < std::min(count, folder * 11 + 11); ++i) {
      children.append(QJsonObject{{"id", QStringLiteral("n_bench_%1_r%2").arg(seat).arg(i)},
                                  {"type", "range"},
                                  {"name", QStringLiteral("Range %1").arg(i)},
                                  {"value", rangeText(i)}});
    }
    tree.append(QJsonObject{{"id", QStringLiteral("n_bench_%1_f%2").arg(seat).arg(folder)},
                            {"type", "folder"},
                            {"name", QStringLiteral("Folder %1").arg(folder)},
                            {"children", children}});
  }
  return tree;
}

QString compact(const QJsonArray& a) { return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact)); }

void fillStores(int profiles, int ranges) {
  QJsonArray list;
  for (int i = 0; i < profiles; ++i) list.append(profile(i));
  QSettings settings;
  settings.setValue(QStringLiteral("settings_profiles/profilesJson"), compact(list));
  settings.setValue(QStringLiteral("ranges/oopCustomRangesJson"), compact(customTree("oop", ranges)));
  settings.setValue(QStringLiteral("ranges/ipCustomRangesJson"), compact(customTree("ip", ranges)));
  settings.setValue(QStringLiteral("ui/darkMode"), true);
  settings.sync();
}

// What another copy's save leaves in the file: one more profile.
void anotherCopySaves(int n) {
  QSettings settings;
  QJsonArray list = QJsonDocument::fromJson(settings.value(QStringLiteral("settings_profiles/profilesJson"))
                                                .toString()
                                                .toUtf8())
                        .array();
  list.append(profile(100000 + n));
  settings.setValue(QStringLiteral("settings_profiles/profilesJson"), compact(list));
  settings.sync();
}

// Processor time of the calling thread: what a moment costs the GUI thread,
// apart from the time it waits for a processor on a busy machine.
double threadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// The runs of one moment: how long the GUI thread was held (wall clock) and
// the processor time it spent meanwhile.
struct Figures {
  std::vector<double> wall, cpu;
  QElapsedTimer clock;
  double cpuStart = 0.0;
  void start() {
    cpuStart = threadCpuMs();
    clock.start();
  }
  void stop() {
    wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    cpu.push_back(threadCpuMs() - cpuStart);
  }
  static double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
  }
  static double longest(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end()); }
  void report(const char* moment) const {
    std::printf("%-42s median %6.1f ms  longest %6.1f ms  (processor %6.1f / %6.1f ms, %zu runs)\n", moment,
                median(wall), longest(wall), median(cpu), longest(cpu), wall.size());
    std::fflush(stdout);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  window_bench::beforeApp();
  QGuiApplication app(argc, argv);
  window_bench::nameApp("store_stall_bench");

  QCommandLineParser parser;
  parser.addOption({QStringLiteral("profiles"), QStringLiteral("settings profiles stored"), QStringLiteral("N"),
                    QStringLiteral("459")});
  parser.addOption({QStringLiteral("ranges"), QStringLiteral("Custom ranges of each seat"), QStringLiteral("N"),
                    QStringLiteral("418")});
  parser.addOption({QStringLiteral("runs"), QStringLiteral("runs of each moment"), QStringLiteral("N"),
                    QStringLiteral("10")});
  parser.process(app);
  const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());

  QTemporaryDir dir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
  fillStores(parser.value(QStringLiteral("profiles")).toInt(), parser.value(QStringLiteral("ranges")).toInt());
  std::printf("settings file %.2f MB: %s profiles, %s ranges a seat\n",
              static_cast<double>(QFileInfo(QSettings().fileName()).size()) / 1048576.0,
              qPrintable(parser.value(QStringLiteral("profiles"))), qPrintable(parser.value(QStringLiteral("ranges"))));

  window_bench::App shown;
  auto* window = qobject_cast<QWindow*>(shown.root());
  QObject* setup = findNamed(window, QStringLiteral("projectPage"));
  QObject* settingsPage = findNamed(window, QStringLiteral("settingsPage"));
  if (!window || !setup || !settingsPage) {
    std::fprintf(stderr, "the window did not load\n");
    return 1;
  }
  // Another window of the desktop, to move the focus to and back from.
  QWindow other;
  other.resize(200, 200);
  other.show();
  settle(1500);
  const int loaded = setup->property("settingsProfiles").toList().size();
  if (loaded == 0) {
    std::fprintf(stderr, "the Setup page read no profiles\n");
    return 1;
  }

  // The moment the window becomes active again, until its handlers ran.
  const auto activate = [&](Figures& figures) {
    other.requestActivate();
    runUntil([&] { return !window->isActive(); }, 5000);
    settle(50);
    figures.start();
    window->requestActivate();
    runUntil([&] { return window->isActive(); }, 5000);
    figures.stop();
  };

  Figures unchanged, changed, profileSave, rangeSave, settingsSave;
  for (int i = 0; i < runs; ++i) activate(unchanged);
  for (int i = 0; i < runs; ++i) {
    other.requestActivate();
    runUntil([&] { return !window->isActive(); }, 5000);
    anotherCopySaves(i);
    activate(changed);
  }
  if (setup->property("settingsProfiles").toList().size() != loaded + runs) {
    std::fprintf(stderr, "the other copy's profiles did not reach the page\n");
    return 1;
  }
  // The save dialogs as the user fills them in and accepts them.
  const auto nameField = [&](const char* name) { return findNamed(setup, QString::fromLatin1(name)); };
  for (int i = 0; i < runs; ++i) {
    QMetaObject::invokeMethod(setup, "openSaveSettingsDialog");
    nameField("saveSettingsNameField")->setProperty("text", QStringLiteral("New profile %1").arg(i));
    profileSave.start();
    QMetaObject::invokeMethod(setup, "_commitSaveProfile");
    profileSave.stop();
    settle(50);
  }
  for (int i = 0; i < runs; ++i) {
    setup->setProperty("oopRangeText", QStringLiteral("AA, KK, QQ:0.%1").arg(i + 1));
    QMetaObject::invokeMethod(setup, "openSaveRangeDialog", Q_ARG(QVariant, QStringLiteral("oop")));
    nameField("saveRangeNameField")->setProperty("text", QStringLiteral("New range %1").arg(i));
    rangeSave.start();
    QMetaObject::invokeMethod(setup, "commitSaveRange");
    rangeSave.stop();
    settle(50);
  }
  if (setup->property("settingsProfiles").toList().size() != loaded + 2 * runs) {
    std::fprintf(stderr, "the profiles were not saved\n");
    return 1;
  }
  for (int i = 0; i < runs; ++i) {
    QMetaObject::invokeMethod(settingsPage, "chooseDarkMode", Q_ARG(QVariant, i % 2 == 0));
    settingsSave.start();
    QMetaObject::invokeMethod(settingsPage, "saveSettings");
    settingsSave.stop();
    settle(50);
  }

  unchanged.report("window to the front, nothing changed");
  changed.report("window to the front, another copy saved");
  profileSave.report("Setup: saving a profile");
  rangeSave.report("Setup: saving a range");
  settingsSave.report("Settings: Save Settings");
  return 0;
}
