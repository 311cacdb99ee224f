#include "backend/project_file/project_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLatin1StringView>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>

#include "backend/project_file/checks.h"
#include "backend/project_file/json_stream_reader.h"
#include "backend/project_file/reader.h"

namespace project_file {
namespace {

using namespace Qt::StringLiterals;

const QString kFormatTag = QStringLiteral("velmora_project");
constexpr int kProjectVersion = 1;
// The file is read a chunk at a time.
constexpr qint64 kReadChunk = qint64(1) << 20;
// Opening takes at its peak a share of the file's size and a little more:
// the tables built from it, which take a sixth to a tenth of their text
// (project_file_bench: 0.15 of a file of node tables, 0.18 of one with the
// answers of 50 nodes), the chunk of text and the record being read.
constexpr std::uint64_t kOpenMemoryShare = 5;  // a fifth of the file
constexpr std::uint64_t kOpenFixedBytes = std::uint64_t(2) << 20;
// The share of the progress that reading the text takes; what follows
// (checks, look-up tables) takes the rest.
constexpr double kReadShare = 0.95;

using Failure = LoadedProject::Failure;

// The reading ends: cancelled, or the file could not be read.
struct Stopped {
  Failure failure;
};

bool cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

LoadedProject failed(Failure failure) {
  LoadedProject out;
  out.failure = failure;
  return out;
}

LoadedProject damaged(const Fault& fault) {
  LoadedProject out = failed(Failure::Damaged);
  out.fault = fault;
  return out;
}

// What the file holds, gathered while it is read. The large parts (the
// node tables, the caches) are built as they come, each noting the first
// value the program would not have written; every other part is kept as the
// value it is. A part that appears twice counts as its last.
struct FileParts {
  QJsonValue format{QJsonValue::Undefined};
  QJsonValue version{QJsonValue::Undefined};
  QJsonValue project{QJsonValue::Undefined};
  QJsonValue hasResults{QJsonValue::Undefined};
  QJsonValue nodeLocks{QJsonValue::Undefined};
  QJsonValue lastUiCfg{QJsonValue::Undefined};

  // "results": missing, of another kind (`resultsValue`), or an object whose
  // members other than the node tables are in `results`.
  enum class Results { Missing, NotObject, Object } resultsKind = Results::Missing;
  QJsonValue resultsValue;
  QJsonObject results;
  std::shared_ptr<ResultTree> tree;
  qsizetype metaCount = 0;
  qsizetype nodeCount = 0;
  qsizetype rootActionCount = 0;  // entries of the first node's action list
  Fault metaFault;    // the first faulty meta record
  Fault actionFault;  // the first faulty action or action list

  // "nodeCaches" of another kind, or the answers read from it.
  QJsonValue cachesValue{QJsonValue::Undefined};
  results::SavedAnswers answers;
  // The first faulty entry of each cache, in the order they are checked.
  std::array<Fault, 5> cacheFaults;
};

// The members of one record that are read, each the last value given for
// its key; missing ones undefined (as a JSON object answers for a key it
// lacks). A record that is not an object is kept whole, to say what it holds.
template <std::size_t N>
struct PickedRecord {
  std::array<QJsonValue, N> values;
  std::optional<QJsonValue> notObject;

  void read(JsonStreamReader& in, const std::array<QLatin1StringView, N>& keys) {
    values.fill(QJsonValue(QJsonValue::Undefined));
    notObject.reset();
    if (in.peek() != JsonStreamReader::Kind::Object) {
      notObject = in.readValue();
      return;
    }
    in.enterObject();
    while (in.nextMember()) {
      std::size_t i = 0;
      while (i < N && !in.keyIs(keys[i])) ++i;
      if (i < N) values[i] = in.readValue();
      else in.skipValue();
    }
  }

  // The record for the readers of reader.h.
  Record record(const std::array<QLatin1StringView, N>& keys, Fault& fault) const {
    return notObject ? Record(*notObject, fault) : Record(keys, values, fault);
  }
};

// "treeNodeMeta": one record per node. After a faulty one the rest are only
// counted.
void readMetaTable(JsonStreamReader& in, FileParts& parts) {
  parts.tree->dropMeta();
  parts.metaCount = 0;
  parts.metaFault = Fault();
  if (in.peek() != JsonStreamReader::Kind::Array) return in.skipValue();
  ResultTree& tree = *parts.tree;
  PickedRecord<kNodeMetaKeys.size()> m;
  in.enterArray();
  while (in.nextElement()) {
    if (parts.metaFault) {
      in.skipValue();
    } else {
      m.read(in, kNodeMetaKeys);
      Record r = m.record(kNodeMetaKeys, parts.metaFault);
      tree.appendMeta(nodeMeta(r, tree));
      if (parts.metaFault) parts.metaFault.at(Fault::Part::NodeMeta, static_cast<int>(parts.metaCount));
    }
    ++parts.metaCount;
  }
}

// "treeNodeActions": one list of actions per node. Whether each child index
// leads to a later node of the tree is checked once the tree is whole. After
// a faulty action the rest are only counted.
void readActionTable(JsonStreamReader& in, FileParts& parts) {
  parts.tree->dropActions();
  parts.nodeCount = 0;
  parts.rootActionCount = 0;
  parts.actionFault = Fault();
  if (in.peek() != JsonStreamReader::Kind::Array) return in.skipValue();
  ResultTree& tree = *parts.tree;
  Fault& fault = parts.actionFault;
  PickedRecord<kNodeActionKeys.size()> a;
  in.enterArray();
  while (in.nextElement()) {
    const int node = static_cast<int>(parts.nodeCount);
    tree.beginNode();
    qsizetype entries = 0;
    if (in.peek() != JsonStreamReader::Kind::Array) {
      const QJsonValue list = in.readValue();
      if (!fault) fault = wrongKindOfPart("", list, Fault::Expected::List).at(Fault::Part::NodeAction, node);
    } else {
      in.enterArray();
      while (in.nextElement()) {
        ++entries;
        if (fault) {
          in.skipValue();
          continue;
        }
        a.read(in, kNodeActionKeys);
        Record r = a.record(kNodeActionKeys, fault);
        const ResultTree::Action action = nodeAction(r, tree);
        if (fault) fault.at(Fault::Part::NodeAction, node, static_cast<int>(entries - 1));
        else tree.appendAction(action);
      }
    }
    if (parts.nodeCount == 0) parts.rootActionCount = entries;
    ++parts.nodeCount;
  }
}

void readResults(JsonStreamReader& in, FileParts& parts) {
  parts.results = QJsonObject();
  parts.tree = std::make_shared<ResultTree>();
  parts.metaCount = parts.nodeCount = parts.rootActionCount = 0;
  parts.metaFault = parts.actionFault = Fault();
  if (in.peek() != JsonStreamReader::Kind::Object) {
    parts.resultsKind = FileParts::Results::NotObject;
    parts.resultsValue = in.readValue();
    return;
  }
  parts.resultsKind = FileParts::Results::Object;
  in.enterObject();
  while (in.nextMember()) {
    if (in.keyIs("treeNodeMeta"_L1)) {
      readMetaTable(in, parts);
    } else if (in.keyIs("treeNodeActions"_L1)) {
      readActionTable(in, parts);
    } else if (in.keyIsHidden()) {
      in.skipValue();  // a member no look-up finds
    } else {
      const QString key = in.key();
      parts.results.insert(key, in.readValue());
    }
  }
}

// One saved cache: entries {"nodeIndex", "data"} (and "seat"), each put in
// the cache of its node, a later entry for the same node replacing an
// earlier one. `store` reads the data, noting a fault in `fault`, which is
// then placed in `part` (or the part the store gave) at the entry's node; a
// node index that is no whole number from 0 is a fault too. The entries
// after a fault are skipped.
template <typename Store>
void readCacheEntries(JsonStreamReader& in, const char* name, Fault& fault, Fault::Part part, Store&& store) {
  fault = Fault();
  if (in.peek() != JsonStreamReader::Kind::Array) return in.skipValue();
  in.enterArray();
  for (int i = 0; in.nextElement(); ++i) {
    if (fault) {
      in.skipValue();
      continue;
    }
    const QJsonObject entry = in.readValue().toObject();
    const int nodeIndex = project_file::Record(entry, fault).whole("nodeIndex", 0, INT_MAX, -1, true);
    if (fault) {
      // No node to name: the entry is named by its place in the file.
      fault.key = QStringLiteral("%1[%2].%3").arg(QLatin1StringView(name)).arg(i).arg(fault.key);
      continue;
    }
    store(nodeIndex, entry, entry.value(QStringLiteral("data")));
    if (fault) {
      if (fault.part == Fault::Part::File) fault.part = part;
      fault.node = nodeIndex;
    }
  }
}

void readCaches(JsonStreamReader& in, FileParts& parts) {
  using Part = Fault::Part;
  results::SavedAnswers& answers = parts.answers;
  answers.clear();
  parts.cacheFaults = {};
  if (in.peek() != JsonStreamReader::Kind::Object) {
    parts.cachesValue = in.readValue();
    return;
  }
  parts.cachesValue = QJsonValue(QJsonValue::Undefined);
  std::array<Fault, 5>& f = parts.cacheFaults;
  // One kind of answer, read by `read` into the member `table` of each
  // node's answers; a cache given twice counts as its last.
  const auto cache = [&](const char* name, Fault& fault, Part part, auto table, auto read) {
    for (auto& [node, tables] : answers) (tables.*table).reset();
    readCacheEntries(in, name, fault, part, [&](int node, const QJsonObject&, const QJsonValue& data) {
      answers[node].*table = read(data, fault);
    });
  };
  in.enterObject();
  while (in.nextMember()) {
    if (in.keyIs("handStrategyByNode"_L1)) {
      cache("handStrategyByNode", f[0], Part::Strategy, &results::NodeAnswerTables::strategy, handStrategy);
    } else if (in.keyIs("actionStatsByNode"_L1)) {
      cache("actionStatsByNode", f[1], Part::ActionStats, &results::NodeAnswerTables::stats, actionStats);
    } else if (in.keyIs("handCombosByNode"_L1)) {
      cache("handCombosByNode", f[2], Part::Combos, &results::NodeAnswerTables::combos, handCombos);
    } else if (in.keyIs("handBucketsByNode"_L1)) {
      cache("handBucketsByNode", f[3], Part::Buckets, &results::NodeAnswerTables::buckets, handBuckets);
    } else if (in.keyIs("seatHandCombosByNode"_L1)) {
      for (auto& [node, tables] : answers) tables.seats = {};
      readCacheEntries(in, "seatHandCombosByNode", f[4], Part::OopCombos, [&](int node, const QJsonObject& e, const QJsonValue& data) {
        // The seat is read in either case and with blanks around it, as it
        // always was; an entry of neither seat is skipped.
        const QString seat = e.value(QStringLiteral("seat")).toVariant().toString().trimmed().toUpper();
        const bool ip = seat == QStringLiteral("IP");
        if (!ip && seat != QStringLiteral("OOP")) return;
        answers[node].seats[ip ? 1 : 0] = seatHandCombos(data, f[4]);
        if (f[4] && ip) f[4].part = Part::IpCombos;
      });
    } else {
      in.skipValue();
    }
  }
}

// The members of the document's object.
void readRoot(JsonStreamReader& in, FileParts& parts) {
  in.enterObject();
  while (in.nextMember()) {
    QJsonValue* slot = in.keyIs("format"_L1)       ? &parts.format
                       : in.keyIs("version"_L1)    ? &parts.version
                       : in.keyIs("project"_L1)    ? &parts.project
                       : in.keyIs("hasResults"_L1) ? &parts.hasResults
                       : in.keyIs("nodeLocks"_L1)  ? &parts.nodeLocks
                       : in.keyIs("lastUiCfg"_L1)  ? &parts.lastUiCfg
                                                   : nullptr;
    if (slot) *slot = in.readValue();
    else if (in.keyIs("results"_L1)) readResults(in, parts);
    else if (in.keyIs("nodeCaches"_L1)) readCaches(in, parts);
    else in.skipValue();
  }
}

// Why a result that the file says it holds cannot be shown: it is missing,
// has no node, or its parts do not describe one tree (a meta record and an
// action list for every node, the root's actions as the root actions); an
// empty fault when it can.
Fault resultDamage(const FileParts& parts) {
  const auto whole = [](Fault::Problem problem) {
    Fault f;
    f.problem = problem;
    f.part = Fault::Part::Results;
    return f;
  };
  // `found` entries where `expected` belong.
  const auto counted = [&](Fault::Problem problem, qsizetype found, qsizetype expected) {
    Fault f = whole(problem);
    f.value = QString::number(found);
    f.count = static_cast<int>(expected);
    return f;
  };
  if (parts.resultsKind == FileParts::Results::Missing) return whole(Fault::Problem::NoResults);
  if (parts.resultsKind == FileParts::Results::NotObject) {
    return wrongKindOfPart("results", parts.resultsValue, Fault::Expected::Object);
  }
  if (parts.nodeCount == 0) return whole(Fault::Problem::NoTree);
  if (parts.metaCount != parts.nodeCount) {
    return counted(Fault::Problem::TablesDiffer, parts.metaCount, parts.nodeCount);
  }
  const qsizetype rootActions = parts.results.value(QStringLiteral("rootActions")).toArray().size();
  if (rootActions != parts.rootActionCount) {
    return counted(Fault::Problem::RootCountDiffers, rootActions, parts.rootActionCount);
  }
  return Fault();
}

// The first fault of the node tables: a meta record, then node by node an
// action (or action list) or a link. The tree is stored in pre-order: every
// action leads to a later node of the file; any other link (back up the
// tree, to the node itself, past the end) makes the file damaged. The tree
// holds the actions read before the first faulty one, so a link fault it
// holds comes before that.
Fault treeFault(const FileParts& parts) {
  if (parts.metaFault) return parts.metaFault;
  const ResultTree& tree = *parts.tree;
  const int count = tree.nodeCount();
  for (int node = 0; node < count; ++node) {
    const ResultTree::Action* actions = tree.actionsOf(node);
    for (int a = 0; a < tree.actionCount(node); ++a) {
      const std::int32_t child = actions[a].childIndex;
      if (child > node && child < count) continue;
      Fault fault;
      fault.problem = node + 1 < count ? Fault::Problem::OutOfRange : Fault::Problem::NoLaterNode;
      fault.key = QStringLiteral("childIndex");
      fault.value = QString::number(child);
      fault.minimum = static_cast<double>(node + 1);
      fault.maximum = static_cast<double>(count - 1);
      return fault.at(Fault::Part::NodeAction, node, a);
    }
  }
  return parts.actionFault;
}

void readResultFigures(LoadedProject& out, const QJsonObject& results, Fault& fault) {
  Record r(results, fault);
  out.resultsSummary = r.text("resultsSummary");
  out.resultBoard = r.text("resultBoard");
  out.rakeSaved = r.has("resultRakePercent");
  // The rake cap and the starting pot are ones the Setup page takes; every
  // writer wrote the figures from the starting pot on.
  out.resultRakePercent = r.number("resultRakePercent", 0.0, 100.0, 0.0, true);
  out.resultRakeCap = r.number("resultRakeCap", 0.0, kMostRakeCap, 0.0, true);
  out.resultStartingPot = r.whole("resultStartingPot", 0, kMostChips, 0, true);
  out.resultIterations = r.whole("resultIterations", 0, std::numeric_limits<int>::max(), 0, true);
  out.resultExploitability = r.figure("resultExploitability", true);
  out.resultEvOop = r.figure("resultEvOop", true);
  out.resultEvIp = r.figure("resultEvIp", true);
  if (fault) {
    fault.at(Fault::Part::Results);
    return;
  }
  const QJsonArray actions = results.value(QStringLiteral("rootActions")).toArray();
  for (qsizetype i = 0; i < actions.size() && !fault; ++i) {
    out.rootActions.append(rootAction(actions.at(i), fault));
    if (fault) fault.at(Fault::Part::RootAction, -1, static_cast<int>(i));
  }
}

}  // namespace

std::uint64_t memoryToOpen(std::uint64_t fileBytes) {
  const std::uint64_t share = fileBytes / kOpenMemoryShare;
  const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() - kOpenFixedBytes;
  return share > limit ? std::numeric_limits<std::uint64_t>::max() : share + kOpenFixedBytes;
}

namespace {

// An open that needs `needed` bytes where `available` are offered.
LoadedProject notEnoughMemory(std::uint64_t needed, std::uint64_t available) {
  LoadedProject out = failed(Failure::NotEnoughMemory);
  out.neededBytes = needed;
  out.availableBytes = available;
  return out;
}

std::uint64_t memoryToOpenFile(const QFileInfo& file) {
  return memoryToOpen(static_cast<std::uint64_t>(std::max<qint64>(file.size(), 0)));
}

LoadedProject readProject(const QString& path, const LoadProgress& progress, const std::atomic<bool>* cancel,
                          std::uint64_t availableBytes) {
  // Only regular files: a device such as /dev/zero would be read forever.
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return failed(Failure::OpenFailed);
  const qint64 size = file.size();
  FileParts parts;
  try {
    JsonStreamReader in(
        [&](char* buffer, qsizetype capacity) {
          if (cancelled(cancel)) throw Stopped{Failure::Cancelled};
          const qint64 n = file.read(buffer, capacity);
          if (n < 0 || file.error() != QFileDevice::NoError) throw Stopped{Failure::OpenFailed};
          if (progress && size > 0) progress(kReadShare * std::min(1.0, static_cast<double>(file.pos()) / size));
          return static_cast<qsizetype>(n);
        },
        kReadChunk);
    // A project is one JSON object: a file that begins otherwise (an array
    // is JSON, but not a project) is refused before more of it is read, and
    // so is one that would not fit in memory.
    if (in.beginDocument() != JsonStreamReader::Kind::Object) return failed(Failure::UnrecognizedFormat);
    const std::uint64_t needed = memoryToOpenFile(QFileInfo(file));
    if (availableBytes != 0 && needed > availableBytes) return notEnoughMemory(needed, availableBytes);
    readRoot(in, parts);
    in.endDocument();
  } catch (const JsonStreamReader::SyntaxError&) {
    return failed(Failure::InvalidJson);
  } catch (const Stopped& stop) {
    return failed(stop.failure);
  }
  file.close();
  if (cancelled(cancel)) return failed(Failure::Cancelled);

  if (parts.format.toVariant().toString() != kFormatTag) return failed(Failure::UnrecognizedFormat);
  bool versionOk = false;
  const double version = parts.version.toVariant().toDouble(&versionOk);
  if (!versionOk || version != kProjectVersion) return failed(Failure::UnsupportedVersion);

  // A missing part reads as empty; a part of the wrong kind means the file
  // is not what it claims to be.
  const QJsonValue& project = parts.project;
  if (const Fault f = wrongKindOfPart("project", project, Fault::Expected::Object)) return damaged(f);
  if (const std::optional<ValueOutOfRange> bad = valueOutOfRange(project.toObject())) {
    LoadedProject refused = failed(Failure::ValueOutOfRange);
    refused.outOfRange = *bad;
    return refused;
  }
  if (const Fault typeFault = projectTypeFault(project.toObject())) return damaged(typeFault);
  LoadedProject out;
  out.project = project.toObject().toVariantMap();
  if (const Fault f = wrongKindOfPart("hasResults", parts.hasResults, Fault::Expected::Flag)) return damaged(f);
  out.hasResults = parts.hasResults.toBool();
  std::shared_ptr<ResultTree> tree;
  Fault fault;
  if (out.hasResults) {
    if (const Fault f = resultDamage(parts)) return damaged(f);
    readResultFigures(out, parts.results, fault);
    if (!fault) fault = treeFault(parts);
    if (fault) return damaged(fault);
    tree = std::move(parts.tree);
  }

  if (const Fault f = wrongKindOfPart("nodeCaches", parts.cachesValue, Fault::Expected::Object)) return damaged(f);
  for (const Fault& f : parts.cacheFaults) {
    if (f) return damaged(f);
  }
  out.answers = std::move(parts.answers);
  // Saved answers for nodes the tree does not have are dropped, so they are
  // neither counted nor saved again; without a tree the answers are all there is.
  if (tree && tree->nodeCount() > 0) out.answers.erase(out.answers.lower_bound(tree->nodeCount()), out.answers.end());
  std::erase_if(out.answers, [](const auto& entry) { return entry.second.empty(); });
  if (cancelled(cancel)) return failed(Failure::Cancelled);
  if (tree) tree->prepareLookups();
  out.tree = std::move(tree);
  const QJsonValue& locks = parts.nodeLocks;
  if (const Fault f = wrongKindOfPart("nodeLocks", locks, Fault::Expected::List)) return damaged(f);
  const QJsonArray lockList = locks.toArray();
  for (qsizetype i = 0; i < lockList.size() && !fault; ++i) {
    out.nodeLocks.append(nodeLock(lockList.at(i), fault));
    if (fault) fault.at(Fault::Part::Lock, -1, static_cast<int>(i));
  }
  out.lastUiCfg = solveConfig(parts.lastUiCfg, fault);
  if (!fault) fault = checkLoadedProject(out);
  if (fault) return damaged(fault);
  if (progress) progress(1.0);
  return out;
}

}  // namespace

LoadedProject readProjectFile(const QString& path, const LoadProgress& progress, const std::atomic<bool>* cancel,
                              std::uint64_t availableBytes) {
  try {
    return readProject(path, progress, cancel, availableBytes);
  } catch (const std::bad_alloc&) {
    // Memory ran out although the check let the file in (the figure moved
    // meanwhile, or the file needed more than its size suggests): told as
    // what it is, with the figures the check saw.
    return notEnoughMemory(memoryToOpenFile(QFileInfo(path)), availableBytes);
  }
}

}  // namespace project_file
