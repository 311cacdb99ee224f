// Project files written and read as streams: the text is byte for byte what
// Qt's JSON writer gives for the same document, files written by the
// earlier writer (a document built whole) open to the same state, a save
// that cannot have its memory is refused before it writes, and running out
// of memory while saving or opening is told as such.
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTranslator>

#include <sys/resource.h>

#include <cmath>
#include <limits>

#include "app_controller_test_support.h"
#include "child_process.h"
#include "backend/platform/memory_limits.h"
#include "backend/platform/system_info.h"
#include "backend/project_file/project_file.h"

using namespace app_controller_test;

namespace {

// The writer the program had before it wrote as a stream: the whole
// document as a QJsonDocument, NaN and infinities as null.
QJsonValue referenceJson(const QVariant& v) {
  switch (v.metaType().id()) {
    case QMetaType::QVariantMap: {
      QJsonObject obj;
      const QVariantMap map = v.toMap();
      for (auto it = map.cbegin(); it != map.cend(); ++it) obj.insert(it.key(), referenceJson(it.value()));
      return obj;
    }
    case QMetaType::QVariantHash: {
      QJsonObject obj;
      const QVariantHash hash = v.toHash();
      for (auto it = hash.cbegin(); it != hash.cend(); ++it) obj.insert(it.key(), referenceJson(it.value()));
      return obj;
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
      QJsonArray arr;
      for (const QVariant& item : v.toList()) arr.append(referenceJson(item));
      return arr;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
      const double d = v.toDouble();
      return std::isfinite(d) ? QJsonValue(d) : QJsonValue(QJsonValue::Null);
    }
    default: return QJsonValue::fromVariant(v);
  }
}

// A project state holding what is awkward to write: keys that need sorting
// (and escaping), non-ASCII and control characters, surrogates without
// their other half, numbers at the edges of Qt's forms, containers nested
// and empty, and values of kinds the shell never sends.
QVariantMap awkwardProject() {
  const double inf = std::numeric_limits<double>::infinity();
  QString lone = QStringLiteral("a");
  lone += QChar(0xd800);
  lone += QStringLiteral("b");
  lone += QChar(0xdfff);
  QString controls;
  for (char16_t c = 0; c < 0x20; ++c) controls += QChar(c);
  controls += QStringLiteral("\"\\/\x7f");
  controls += QChar(0x2028);
  QVariantMap m;
  m.insert("zeta", 1);
  m.insert("Alpha", "upper case sorts first");
  m.insert(QString::fromUtf8("\xc3\xa4rger"),
           QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e \xe2\x98\x83 \xf0\x9f\x98\x80"));
  m.insert(QString::fromUtf8("\xf0\x9f\x98\x80"), "a key past the basic plane");
  m.insert(QString::fromUtf8("\xef\xbf\xbf"), "the last key of the basic plane");
  m.insert("", "empty key");
  m.insert("tab\tquote\"key", controls);
  m.insert("lone", lone);
  m.insert("numbers", QVariantList{std::nan(""), inf, -inf, float(inf), -0.0, 0.1, 1e17, 9007199254740992.0,
                                   9007199254740994.0, 3e15, -2e9, 1e-7, 5e-324, 1e308, 123456789012.5, 1.5f, 0.1f});
  m.insert("integers", QVariantList{qlonglong(9007199254740993), std::numeric_limits<qlonglong>::max(),
                                    std::numeric_limits<qlonglong>::min(), std::numeric_limits<qulonglong>::max(),
                                    qulonglong(42), 4000000000u, -7, true, false});
  m.insert("nested", QVariantList{QVariantMap{{"b", QVariantList{}}, {"a", QVariantMap{}}},
                                  QVariantList{QVariantList{QVariantMap{{"deep", "x"}}}}, QVariantList{}});
  m.insert("strings", QStringList{"one", QString::fromUtf8("\xc3\xa9"), ""});
  QVariantHash hash{{"nested", QVariantHash{{"y", 2.5}, {"x", QVariant()}}}};
  for (const char* key : {"kilo", "alpha", "echo", "zulu", "bravo", "mike", "delta", "oscar", "golf", "hotel"})
    hash.insert(key, QString(key).size());
  m.insert("hash", hash);
  m.insert("emptyMap", QVariantMap());
  m.insert("emptyList", QVariantList());
  m.insert("nothing", QVariant());
  m.insert("bytes", QByteArray("ab\xc3\xa9"));
  m.insert("url", QUrl("https://example.com/a b"));
  m.insert("json", QVariant::fromValue(QJsonObject{{"k", QJsonArray{1, "two"}}}));
  m.insert("dropped", QVariant::fromValue(QJsonValue(QJsonValue::Undefined)));
  return m;
}

// Two values of the same types and values, all the way down (a qlonglong
// is not a double of the same value).
bool sameTyped(const QVariant& a, const QVariant& b) {
  if (a.metaType() != b.metaType()) return false;
  switch (a.metaType().id()) {
    case QMetaType::QVariantMap: {
      const QVariantMap x = a.toMap(), y = b.toMap();
      if (x.keys() != y.keys()) return false;
      for (auto it = x.cbegin(); it != x.cend(); ++it) {
        if (!sameTyped(it.value(), y.value(it.key()))) return false;
      }
      return true;
    }
    case QMetaType::QVariantList: {
      const QVariantList x = a.toList(), y = b.toList();
      if (x.size() != y.size()) return false;
      for (qsizetype i = 0; i < x.size(); ++i) {
        if (!sameTyped(x[i], y[i])) return false;
      }
      return true;
    }
    case QMetaType::Double:
    case QMetaType::Float:
      if (std::isnan(a.toDouble()) || std::isnan(b.toDouble())) return std::isnan(a.toDouble()) == std::isnan(b.toDouble());
      return std::signbit(a.toDouble()) == std::signbit(b.toDouble()) && a == b;
    default: return a == b;
  }
}

// What the Results page asks of a node, in the order of the caches a save
// writes: strategy, action figures, combos, buckets, each seat's combos.
QVariantList answersAt(const AppController& c, int node) {
  return {c.nodeHandStrategy(node), c.nodeActionStats(node), c.nodeHandCombos(node), c.nodeHandBuckets(node),
          c.nodeSeatHandCombos(node, "OOP"), c.nodeSeatHandCombos(node, "IP")};
}
// The buckets as a file keeps them: without the shown name.
QVariantList savedBuckets(QVariantList buckets) {
  for (QVariant& b : buckets) {
    QVariantMap m = b.toMap();
    m.remove("displayName");
    b = m;
  }
  return buckets;
}

class ProjectStreamTest : public SolvedProjectSuite {};

// Whatever Qt's parser accepts, refuses or makes of a value, opening the
// file does the same, wherever the value falls against the chunks the file
// is read in.
TEST_F(ProjectStreamTest, OpeningReadsTheTextAsQtsParserDoes) {
  // Within the root object and the project: 1024 levels, the most Qt takes.
  const QByteArray deep = QByteArray(1022, '[') + QByteArray(1022, ']');
  const QByteArray values[] = {
      // strings
      "\"\\ud83d\\ude00 \\ud800 \\uDC00x\"", "\"caf\xc3\xa9 \xe2\x98\x83 \xf0\x9f\x98\x80\"",
      "\"\\u00e9\\/\\b\\f\\n\\r\\t\"",
      "\"\\a\\x41\\'\\\xff\"", "\"raw \x01\x1f\x7f\t\"", "\"\xef\xbb\xbfmarked\"", "\"\xef\xbb\xbf\\n kept\"",
      "\"\xc3x\"", "\"\xc0\x80\"", "\"\xed\xa0\x80\"", "\"\xf4\x90\x80\x80\"", "\"\\u12G4\"", "\"\\u12\"",
      "\"unterminated",
      // numbers
      "-0", "-0.0", "1.", ".5", "-.5", "1e17", "1.5e17", "9007199254740993", "9007199254740993.0",
      "9223372036854775807",
      "9223372036854775808", "-9223372036854775809", "18446744073709551616", "1e999", "1e-999", "5e-324", "2e-324",
      "0e999", "1.5E-2", "01", "+1", "1e", "1e+", "-", "NaN", "Infinity",
      // literals and containers
      "true", "false", "null", "nul", "truex", "True", "[1, [], {}, [[\"x\"]]]", "[1,]", "{\"a\":1,}", "{,}",
      "{\"k\":1,\"k\":[2]}", "{\"\xef\xbb\xbfk\":1,\"k\":2,\"\xef\xbb\xbfz\":3}", "{\"a\" 1}", "{\"a\":1 \"b\":2}",
      "{\"\":0}", deep, "[" + deep + "]", "\f1", " \r\n\t2 "};
  const QByteArray tails[] = {"}}", "}} ", "}}\n\r\t", "}}x", "}}}", QByteArray("}}\0", 3), "}}\xef\xbb\xbf"};

  AppController c;
  const auto check = [&](const QByteArray& text, const std::string& name) {
    ASSERT_TRUE(writeFile(path("p.velmoraproj"), text));
    const QVariantMap opened = c.loadProject(url(path("p.velmoraproj")));
    QJsonParseError error{};
    const QJsonDocument qt = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
      EXPECT_EQ(opened.value("error").toString().toStdString(), "Invalid JSON") << name;
      return;
    }
    ASSERT_TRUE(opened.value("ok").toBool()) << name << ": " << opened.value("error").toString().toStdString();
    QVariantMap expected = qt.object().value("project").toObject().toVariantMap();
    EXPECT_TRUE(sameTyped(opened.value("project"), expected)) << name;
    QVariantMap got = opened.value("project").toMap();
    got.remove("_pad");
    expected.remove("_pad");
    EXPECT_EQ(canonical(got).toStdString(), canonical(expected).toStdString()) << name;
  };
  const QByteArray head =
      "\xef\xbb\xbf {\"format\":\"velmora_project\",\"version\":1,\"hasResults\":false,\"project\":{\"_pad\":\"";
  // The value begins a few bytes before a power of two (where chunks of
  // that size end) and runs across it.
  for (const qsizetype boundary : {qsizetype(1) << 16, qsizetype(1) << 20}) {
    for (const qsizetype before : {1, 2, 3, 5}) {
      const QByteArray pad(boundary - before - head.size() - 6, 'p');
      for (const QByteArray& value : values) {
        check(head + pad + "\",\"v\":" + value + "}}", "value " + value.left(40).toStdString());
      }
      for (const QByteArray& tail : tails) {
        check(head + pad + "\",\"v\":1" + tail, "tail " + tail.toHex().toStdString());
      }
    }
  }
}

TEST_F(ProjectStreamTest, TheTextIsWhatQtsWriterGivesForTheSameDocument) {
  AppController& s = *solved;
  // Caches of every kind, for several nodes, and locks.
  QList<int> nodes{0};
  for (const QVariant& a : s.nodeActions(0)) nodes << a.toMap().value("childIndex").toInt();
  for (int node : nodes) answersAt(s, node);
  s.setNodeLock(0, "AA", 1, 0.4);
  s.setNodeLock(nodes.last(), "KK", 0, 1.0);
  const QVariantMap project = awkwardProject();
  ASSERT_TRUE(s.saveProject(url(path("direct.velmoraproj")), project)) << s.projectSaveError().toStdString();
  QSignalSpy saved(&s, &AppController::projectSaved);
  s.saveProjectInBackground(url(path("background.velmoraproj")), project);
  ASSERT_TRUE(waitFor([&] { return saved.count() == 1; }, 20000));
  ASSERT_TRUE(saved.at(0).at(0).toBool()) << saved.at(0).at(2).toString().toStdString();
  s.clearNodeLocks(0);
  s.clearNodeLocks(nodes.last());

  const QByteArray text = readAll(path("direct.velmoraproj"));
  EXPECT_EQ(readAll(path("background.velmoraproj")), text);
  QJsonParseError error{};
  QJsonObject root = QJsonDocument::fromJson(text, &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  // Qt's writer over the document read back, with the project as the
  // earlier writer made it (what Qt reads back of some numbers is not what
  // it was given: 1e17 comes back as an integer).
  root.insert("project", referenceJson(project));
  EXPECT_EQ(text, QJsonDocument(root).toJson(QJsonDocument::Indented));

  // The tables and caches hold what the controller answers.
  const QJsonObject results = root.value("results").toObject();
  ASSERT_EQ(results.value("treeNodeActions").toArray().size(), s.treeNodeCount());
  for (int node = 0; node < s.treeNodeCount(); ++node) {
    EXPECT_EQ(canonical(results.value("treeNodeMeta")[node].toVariant()), canonical(s.nodeMeta(node))) << node;
    EXPECT_EQ(canonical(results.value("treeNodeActions")[node].toVariant()), canonical(s.nodeActions(node))) << node;
  }
  const QJsonObject caches = root.value("nodeCaches").toObject();
  const auto cached = [&](const char* key, const QString& seat = QString()) {
    QMap<int, QByteArray> out;
    for (const QJsonValue& entry : caches.value(key).toArray()) {
      if (seat.isEmpty() || entry["seat"].toString() == seat)
        out.insert(entry["nodeIndex"].toInt(), canonical(entry["data"].toVariant()));
    }
    return out;
  };
  const char* const cacheKeys[] = {"handStrategyByNode", "actionStatsByNode", "handCombosByNode",
                                   "handBucketsByNode", "seatHandCombosByNode", "seatHandCombosByNode"};
  const QString seats[] = {"", "", "", "", "OOP", "IP"};
  for (int node : nodes) {
    QVariantList answers = answersAt(s, node);
    answers[3] = savedBuckets(answers[3].toList());
    for (int i = 0; i < answers.size(); ++i) {
      EXPECT_EQ(cached(cacheKeys[i], seats[i]).value(node), canonical(answers[i])) << cacheKeys[i] << " " << node;
    }
  }
  EXPECT_EQ(root.value("nodeLocks").toArray().size(), 2);
}

// What a controller shows of a result, node by node, and of its caches and
// locks.
QByteArray shownState(const AppController& c, const QList<int>& cachedNodes) {
  QVariantList out{c.resultsSummary(), c.resultIterations(), c.resultStartingPot(), c.resultExploitability(),
                   c.resultEvOop(), c.resultEvIp(), c.rootActions()};
  for (int node = 0; node < c.treeNodeCount(); ++node) {
    out << c.nodeMeta(node) << c.nodeActions(node) << c.nodeLocks(node);
  }
  for (int node : cachedNodes) out << answersAt(c, node);
  return canonical(out);
}

// A file the earlier writer made (the whole document built as a
// QJsonDocument, here from what the solved controller answers), indented
// as it wrote it or compact, opens to the state the solve showed.
TEST_F(ProjectStreamTest, FilesWrittenBeforeOpenToTheSameState) {
  AppController& s = *solved;
  const int child = s.nodeActions(0)[0].toMap().value("childIndex").toInt();
  const QList<int> cached{0, child};
  s.setNodeLock(0, "AA", 1, 0.4);
  QJsonArray meta, actions, strategy, stats, combos, buckets, seats;
  for (int node = 0; node < s.treeNodeCount(); ++node) {
    meta.append(QJsonObject::fromVariantMap(s.nodeMeta(node)));
    actions.append(QJsonArray::fromVariantList(s.nodeActions(node)));
  }
  const auto entry = [](int node, const QVariant& data, const char* seat = nullptr) {
    QJsonObject e{{"nodeIndex", node}, {"data", QJsonValue::fromVariant(data)}};
    if (seat) e.insert("seat", seat);
    return e;
  };
  for (int node : cached) {
    const QVariantList answers = answersAt(s, node);
    strategy.append(entry(node, answers[0]));
    stats.append(entry(node, answers[1]));
    combos.append(entry(node, answers[2]));
    buckets.append(entry(node, savedBuckets(answers[3].toList())));
    seats.append(entry(node, answers[4], "OOP"));
  }
  for (int node : cached) seats.append(entry(node, answersAt(s, node)[5], "IP"));
  QJsonObject results = QJsonObject::fromVariantMap(
      {{"resultsSummary", s.resultsSummary()}, {"resultStartingPot", s.resultStartingPot()},
       {"resultIterations", s.resultIterations()}, {"resultExploitability", s.resultExploitability()},
       {"resultEvOop", s.resultEvOop()}, {"resultEvIp", s.resultEvIp()}, {"rootActions", s.rootActions()}});
  results.insert("treeNodeMeta", meta);
  results.insert("treeNodeActions", actions);
  const QJsonObject root{
      {"format", "velmora_project"}, {"version", 1}, {"hasResults", true},
      {"project", QJsonObject{{"boardText", "AhKsQd7c2h"}, {"startingPot", 100}}}, {"results", results},
      {"nodeCaches", QJsonObject{{"handStrategyByNode", strategy}, {"actionStatsByNode", stats},
                                 {"handCombosByNode", combos}, {"handBucketsByNode", buckets},
                                 {"seatHandCombosByNode", seats}}},
      {"nodeLocks", QJsonArray{QJsonObject{{"nodeIndex", 0}, {"hand", "AA"}, {"actionIndex", 1}, {"actionProb", 0.4}}}},
      {"lastUiCfg", QJsonObject::fromVariantMap(riverSpot(40))}};
  const QByteArray expected = shownState(s, cached);
  s.clearNodeLocks(0);

  for (const auto format : {QJsonDocument::Indented, QJsonDocument::Compact}) {
    ASSERT_TRUE(writeFile(path("earlier.velmoraproj"), QJsonDocument(root).toJson(format)));
    AppController c;
    const QVariantMap opened = c.loadProject(url(path("earlier.velmoraproj")));
    ASSERT_TRUE(opened.value("ok").toBool()) << opened.value("error").toString().toStdString();
    EXPECT_EQ(opened.value("project").toMap(), (QVariantMap{{"boardText", "AhKsQd7c2h"}, {"startingPot", 100}}));
    EXPECT_EQ(c.statusText(), "Loaded project (2 strategy nodes, 2 combo nodes)");
    EXPECT_EQ(shownState(c, cached).toStdString(), expected.toStdString()) << format;
  }
}

// An opened project answers every node it saved as the solve did, to the
// type of each figure (32-bit floats where the solver gives them, doubles
// elsewhere), and finds a pocket's action EVs among the saved combos with
// its cards in either order and case.
TEST_F(ProjectStreamTest, OpenedAnswersAreTheSolvedOnesToTheType) {
  AppController& s = *solved;
  QList<int> nodes{0};
  for (const QVariant& a : s.nodeActions(0)) nodes << a.toMap().value("childIndex").toInt();
  for (int node : nodes) answersAt(s, node);
  ASSERT_TRUE(s.saveProject(url(path("typed.velmoraproj")), QVariantMap()));
  AppController c;
  ASSERT_TRUE(c.loadProject(url(path("typed.velmoraproj"))).value("ok").toBool());
  for (int node : nodes) {
    const QVariantList solvedAnswers = answersAt(s, node);
    const QVariantList openedAnswers = answersAt(c, node);
    ASSERT_FALSE(canonical(openedAnswers[0]).isEmpty());
    for (int i = 0; i < solvedAnswers.size(); ++i) {
      EXPECT_TRUE(sameTyped(openedAnswers[i], solvedAnswers[i])) << "node " << node << ", answer " << i;
    }
  }
  const QVariantMap combo = c.nodeHandCombos(0).first().toMap();
  const QString c1 = combo.value("c1").toString();
  const QString c2 = combo.value("c2").toString();
  ASSERT_FALSE(combo.value("actionEvs").toList().isEmpty());
  EXPECT_EQ(c.nodePocketActionEvs(0, "IP", c2.toLower(), " " + c1.toUpper()), combo.value("actionEvs").toList());
}

// What the refusals of a save say: figures below a gigabyte in megabytes.
QString saveRefusal(quint64 needed, quint64 available) {
  const auto mb = [](quint64 bytes) { return QString::number((bytes + (1 << 19)) >> 20) + QChar(0x00A0) + "MB"; };
  return QStringLiteral("Not enough RAM to save the project (it needs about %1, %2 available)")
      .arg(mb(needed), mb(available));
}

// The names in a folder, to see that a failed save left nothing behind.
QStringList namesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

// Where the control group leaves less than a save needs, it is refused
// before anything is written: the older file and the result stay.
TEST_F(ProjectStreamTest, ASaveThatCannotHaveItsMemoryIsRefusedBeforeItWrites) {
  AppController& s = *solved;
  ASSERT_TRUE(s.saveProject(url(path("kept.velmoraproj")), {{"boardText", "AsKsQs"}}));
  const QByteArray kept = readAll(path("kept.velmoraproj"));
  const int nodes = s.treeNodeCount();
  const QByteArray strategy = canonical(s.nodeHandStrategy(0));

  const quint64 needed = project_file::memoryToSave();
  const quint64 room = needed / 2;
  const QString root = path("cgroup");
  ASSERT_TRUE(QDir().mkpath(root + "/app"));
  ASSERT_TRUE(writeFile(root + "/groups", "0::/app\n"));
  ASSERT_TRUE(writeFile(root + "/app/memory.max", QByteArray::number(quint64(1) << 30)));
  ASSERT_TRUE(writeFile(root + "/app/memory.current", QByteArray::number((quint64(1) << 30) - room)));
  velmora_platform::setControlGroupPaths(root.toStdString(), (root + "/groups").toStdString());
  const quint64 available = velmora_platform::availableMemoryBytes();

  EXPECT_FALSE(s.saveProject(url(path("kept.velmoraproj")), {{"boardText", "2c3c4c"}}));
  EXPECT_EQ(s.projectSaveError().toStdString(), saveRefusal(needed, available).toStdString());
  QSignalSpy saved(&s, &AppController::projectSaved);
  s.saveProjectInBackground(url(path("kept.velmoraproj")), {{"boardText", "2c3c4c"}});
  EXPECT_FALSE(s.projectFileBusy());
  ASSERT_TRUE(waitFor([&] { return saved.count() == 1; }, 20000));
  EXPECT_EQ(saved.at(0), (QVariantList{false, url(path("kept.velmoraproj")), saveRefusal(needed, available)}));
  QTranslator german;  // in the user's language
  ASSERT_TRUE(german.load("velmora_de", ":/Velmora/i18n") && QCoreApplication::installTranslator(&german));
  EXPECT_FALSE(s.saveProject(url(path("kept.velmoraproj")), {{"boardText", "2c3c4c"}}));
  const QString inGerman = "Nicht genug Arbeitsspeicher zum Speichern des Projekts (es werden etwa ";
  EXPECT_TRUE(s.projectSaveError().startsWith(inGerman)) << s.projectSaveError().toStdString();
  QCoreApplication::removeTranslator(&german);
  velmora_platform::setControlGroupPaths("/nonexistent", "/nonexistent/groups");

  EXPECT_EQ(readAll(path("kept.velmoraproj")), kept);
  EXPECT_EQ(namesIn(dir.path()), QStringList{"kept.velmoraproj"});
  EXPECT_EQ(s.treeNodeCount(), nodes);
  EXPECT_EQ(canonical(s.nodeHandStrategy(0)), strategy);
  // With the memory back, the same save goes through.
  ASSERT_TRUE(s.saveProject(url(path("kept.velmoraproj")), {{"boardText", "2c3c4c"}}));
}

// Running out of memory while a file is written or read, although the check
// before let it begin, is told as not enough memory: no crash, the older
// file intact, nothing of what is shown replaced. Runs again in a child
// process, which caps its own address space.
TEST_F(ProjectStreamTest, RunningOutOfMemoryWhileSavingOrOpeningIsToldAsSuch) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "sanitizer shadow memory does not fit under an address-space cap";
#endif
  if (qEnvironmentVariableIsEmpty("VELMORA_PROJECT_MEMORY_CHILD")) {
    EXPECT_TRUE(child_process::passesInChild("VELMORA_PROJECT_MEMORY_CHILD", "ProjectStreamTest.RunningOutOfMemory*"));
    return;
  }
  AppController& s = *solved;
  ASSERT_TRUE(s.saveProject(url(path("kept.velmoraproj")), {{"boardText", "AsKsQs"}}));
  const QByteArray kept = readAll(path("kept.velmoraproj"));
  const int nodes = s.treeNodeCount();
  // A project value the writer turns into text of twice its size, and a
  // file whose 14 million empty locks weigh far more than their text.
  const QVariantMap bulky{{"blob", QByteArray(100 << 20, 'x')}};
  QByteArray locks = "{\"format\":\"velmora_project\",\"version\":1,\"nodeLocks\":[{}";
  locks += QByteArray(14 << 20, ',').replace(",", ",{}") + "]}";
  ASSERT_TRUE(writeFile(path("locks.velmoraproj"), locks));
  locks.clear();

  // Room for what a save holds, not for the address space its thread
  // reserves: refused before it writes.
  std::uint64_t size = 0;
  ASSERT_TRUE(velmora_platform::readProcField("/proc/self/status", "VmSize", size));
  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_AS, &limit), 0);
  limit.rlim_cur = size + (48u << 20);
  ASSERT_EQ(setrlimit(RLIMIT_AS, &limit), 0);
  const std::optional<std::uint64_t> room = velmora_platform::addressSpaceHeadroomBytes();
  ASSERT_TRUE(room && *room > project_file::memoryToSave());
  EXPECT_FALSE(s.saveProject(url(path("kept.velmoraproj")), {}));
  EXPECT_EQ(s.projectSaveError().toStdString(), saveRefusal(project_file::addressSpaceToSave(), *room).toStdString());

  // The check before a save or an open lets both begin.
  limit.rlim_cur = size + (192u << 20);
  ASSERT_EQ(setrlimit(RLIMIT_AS, &limit), 0);
  const quint64 available = velmora_platform::availableMemoryBytes();
  ASSERT_GT(available, project_file::addressSpaceToSave());
  ASSERT_GT(available, project_file::memoryToOpen(QFileInfo(path("locks.velmoraproj")).size()));

  const std::string ranOut = "Not enough RAM to save the project: the memory ran out while saving it";
  EXPECT_FALSE(s.saveProject(url(path("kept.velmoraproj")), bulky));
  EXPECT_EQ(s.projectSaveError().toStdString(), ranOut);
  QSignalSpy saved(&s, &AppController::projectSaved);
  s.saveProjectInBackground(url(path("kept.velmoraproj")), bulky);
  ASSERT_TRUE(waitFor([&] { return saved.count() == 1; }, 60000));
  EXPECT_FALSE(saved.at(0).at(0).toBool());
  EXPECT_EQ(saved.at(0).at(2).toString().toStdString(), ranOut);
  EXPECT_EQ(readAll(path("kept.velmoraproj")), kept);

  const QString opened = s.loadProject(url(path("locks.velmoraproj"))).value("error").toString();
  const quint64 toOpen = project_file::memoryToOpen(QFileInfo(path("locks.velmoraproj")).size());
  const auto [needed, offered] = AppController::formatMemoryFigures(toOpen, s.systemAvailableMemoryBytes());
  EXPECT_EQ(opened.toStdString(),
            QStringLiteral("Not enough RAM (opening it needs about %1, %2 available)").arg(needed, offered).toStdString());
  QSignalSpy openedSpy(&s, &AppController::projectOpened);
  s.openProject(url(path("locks.velmoraproj")));
  ASSERT_TRUE(waitFor([&] { return openedSpy.count() == 1; }, 60000));
  EXPECT_TRUE(openedSpy.at(0).at(0).toMap().value("error").toString().startsWith("Not enough RAM (opening it needs"));
  EXPECT_EQ(s.treeNodeCount(), nodes);
  EXPECT_EQ(namesIn(dir.path()), (QStringList{"kept.velmoraproj", "locks.velmoraproj"}));
}

}  // namespace
