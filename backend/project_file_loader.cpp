#include "backend/project_file_loader.h"

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

#include "backend/json_stream_reader.h"
#include "backend/project_file_reader.h"

namespace project_file {
namespace {

using namespace Qt::StringLiterals;

const QString kFormatTag = QStringLiteral("velmora_project");
constexpr int kProjectVersion = 1;
// The file is read a chunk at a time.
constexpr qint64 kReadChunk = qint64(1) << 20;
// Opening takes at its peak at most about twice the file's size: the
// tables and caches built from it, whose records weigh more than their
// text (a file of per-combo caches comes to about 1.6 times its size), and
// a chunk of the text; a file of node tables takes far less.
constexpr std::uint64_t kOpenMemoryFactor = 2;
// The share of the progress that reading the text takes; what follows
// (checks, look-up tables) takes the rest.
constexpr double kReadShare = 0.95;

using Failure = LoadedProject::Failure;

// The reading ends: cancelled, or the file could not be read.
struct Stopped {
  Failure failure;
};

bool cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

LoadedProject failed(Failure failure, const QString& detail = QString()) {
  LoadedProject out;
  out.failure = failure;
  out.detail = detail;
  return out;
}

LoadedProject damaged(LoadedProject::Damage damage, const QString& detail) {
  LoadedProject out = failed(Failure::Damaged, detail);
  out.damage = damage;
  return out;
}

// What the file holds, gathered while it is read. The large parts (the
// node tables, the caches) are built as they come; every other part is kept
// as the value it is. A part that appears twice counts as its last.
struct FileParts {
  QJsonValue format{QJsonValue::Undefined};
  QJsonValue version{QJsonValue::Undefined};
  QJsonValue project{QJsonValue::Undefined};
  QJsonValue hasResults{QJsonValue::Undefined};
  QJsonValue nodeLocks{QJsonValue::Undefined};
  QJsonValue lastUiCfg{QJsonValue::Undefined};

  // "results": missing, of another kind, or an object whose members other
  // than the node tables are in `results`.
  enum class Results { Missing, NotObject, Object } resultsKind = Results::Missing;
  QJsonObject results;
  std::shared_ptr<ResultTree> tree;
  qsizetype metaCount = 0;
  qsizetype nodeCount = 0;
  qsizetype rootActionCount = 0;  // entries of the first node's action list
  // The first child index read that no 32-bit index holds.
  bool beyondSeen = false;
  double firstBeyondIndex = 0.0;

  SavedQueryCaches caches;
};

// Child indices that cannot be checked against the tree until it is whole.
constexpr std::int32_t kUnusableChild = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kBeyondChild = kUnusableChild + 1;

// The members of one record, each the last value given for its key;
// missing ones undefined (as a JSON object answers for a key it lacks).
template <std::size_t N>
struct Record {
  std::array<QJsonValue, N> values;

  // Reads the record that comes next; one that is not an object reads as
  // an empty one.
  void read(JsonStreamReader& in, const std::array<QLatin1StringView, N>& keys) {
    values.fill(QJsonValue(QJsonValue::Undefined));
    if (in.peek() != JsonStreamReader::Kind::Object) return in.skipValue();
    in.enterObject();
    while (in.nextMember()) {
      std::size_t i = 0;
      while (i < N && !in.keyIs(keys[i])) ++i;
      if (i < N) values[i] = in.readValue();
      else in.skipValue();
    }
  }
};

const std::array<QLatin1StringView, 8> kMetaKeys = {"nodeType"_L1,    "chanceDeal"_L1,  "player"_L1,
                                                    "pot"_L1,         "effectiveStack"_L1, "investedOop"_L1,
                                                    "investedIp"_L1,  "hasChildren"_L1};
const std::array<QLatin1StringView, 4> kActionKeys = {"name"_L1, "actionType"_L1, "frequency"_L1, "childIndex"_L1};

// "treeNodeMeta": one record per node.
void readMetaTable(JsonStreamReader& in, FileParts& parts) {
  parts.tree->dropMeta();
  parts.metaCount = 0;
  if (in.peek() != JsonStreamReader::Kind::Array) return in.skipValue();
  ResultTree& tree = *parts.tree;
  Record<8> m;
  in.enterArray();
  while (in.nextElement()) {
    m.read(in, kMetaKeys);
    ResultTree::Meta meta;
    meta.nodeType = tree.text(text(m.values[0]));
    meta.chanceDeal = tree.text(text(m.values[1]));
    meta.player = tree.text(text(m.values[2]));
    meta.pot = project_file::count(m.values[3]);
    meta.effectiveStack = project_file::count(m.values[4]);
    meta.investedOop = project_file::count(m.values[5]);
    meta.investedIp = project_file::count(m.values[6]);
    meta.hasChildren = flag(m.values[7]);
    tree.appendMeta(meta);
    ++parts.metaCount;
  }
}

// "treeNodeActions": one list of actions per node. Whether each child index
// leads to a later node of the tree is checked once the tree is whole.
void readActionTable(JsonStreamReader& in, FileParts& parts) {
  parts.tree->dropActions();
  parts.nodeCount = 0;
  parts.rootActionCount = 0;
  parts.beyondSeen = false;
  if (in.peek() != JsonStreamReader::Kind::Array) return in.skipValue();
  ResultTree& tree = *parts.tree;
  Record<4> a;
  in.enterArray();
  while (in.nextElement()) {
    tree.beginNode();
    qsizetype entries = 0;
    // A list that is not an array holds no action.
    if (in.peek() != JsonStreamReader::Kind::Array) {
      in.skipValue();
    } else {
      in.enterArray();
      while (in.nextElement()) {
        ++entries;
        a.read(in, kActionKeys);
        ResultTree::Action action;
        action.name = tree.text(text(a.values[0]));
        action.actionType = tree.text(text(a.values[1]));
        action.frequency = share(a.values[2]);
        const std::optional<double> index = number(a.values[3]);
        if (!index || !std::isfinite(*index)) {
          action.childIndex = kUnusableChild;
        } else if (const double r = std::round(*index); r > kBeyondChild && r <= INT_MAX) {
          action.childIndex = static_cast<std::int32_t>(r);
        } else {
          action.childIndex = kBeyondChild;
          if (!parts.beyondSeen) parts.beyondSeen = true, parts.firstBeyondIndex = r;
        }
        tree.appendAction(action);
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
  parts.beyondSeen = false;
  if (in.peek() != JsonStreamReader::Kind::Object) {
    parts.resultsKind = FileParts::Results::NotObject;
    return in.skipValue();
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
// earlier one; entries without a node index are skipped.
template <typename Store>
void readCacheEntries(JsonStreamReader& in, Store&& store) {
  if (in.peek() != JsonStreamReader::Kind::Array) return in.skipValue();
  in.enterArray();
  while (in.nextElement()) {
    const QJsonObject entry = in.readValue().toObject();
    const int nodeIndex = wholeNumber(entry.value(QStringLiteral("nodeIndex")), -1);
    if (nodeIndex < 0) continue;
    store(nodeIndex, entry, entry.value(QStringLiteral("data")));
  }
}

void readCaches(JsonStreamReader& in, FileParts& parts) {
  SavedQueryCaches& c = parts.caches;
  c = SavedQueryCaches();
  if (in.peek() != JsonStreamReader::Kind::Object) return in.skipValue();
  in.enterObject();
  while (in.nextMember()) {
    if (in.keyIs("handStrategyByNode"_L1)) {
      c.handStrategy.clear();
      readCacheEntries(in, [&c](int node, const QJsonObject&, const QJsonValue& data) {
        c.handStrategy.insert(node, handStrategy(data));
      });
    } else if (in.keyIs("actionStatsByNode"_L1)) {
      c.actionStats.clear();
      readCacheEntries(in, [&c](int node, const QJsonObject&, const QJsonValue& data) {
        c.actionStats.insert(node, actionStats(data));
      });
    } else if (in.keyIs("handCombosByNode"_L1)) {
      c.handCombos.clear();
      readCacheEntries(in, [&c](int node, const QJsonObject&, const QJsonValue& data) {
        c.handCombos.insert(node, handCombos(data));
      });
    } else if (in.keyIs("handBucketsByNode"_L1)) {
      c.handBuckets.clear();
      readCacheEntries(in, [&c](int node, const QJsonObject&, const QJsonValue& data) {
        c.handBuckets.insert(node, handBuckets(data));
      });
    } else if (in.keyIs("seatHandCombosByNode"_L1)) {
      c.seatHandCombosOop.clear();
      c.seatHandCombosIp.clear();
      readCacheEntries(in, [&c](int node, const QJsonObject& e, const QJsonValue& data) {
        const QString seat = text(e.value(QStringLiteral("seat"))).trimmed().toUpper();
        QHash<int, QVariantList>* cache = seat == QStringLiteral("OOP")  ? &c.seatHandCombosOop
                                          : seat == QStringLiteral("IP") ? &c.seatHandCombosIp
                                                                         : nullptr;
        if (cache) cache->insert(node, seatHandCombos(data));
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
// action list for every node, the root's actions as the root actions, every
// action leading to a later node of the file: the tree is stored in
// pre-order).
std::optional<LoadedProject> resultDamage(const FileParts& parts) {
  using Damage = LoadedProject::Damage;
  if (parts.resultsKind == FileParts::Results::Missing) {
    return damaged(Damage::ResultsMissing, QStringLiteral("\"hasResults\" is true but there are no \"results\""));
  }
  if (parts.resultsKind == FileParts::Results::NotObject) {
    return failed(Failure::Damaged, QStringLiteral("\"results\" is not an object"));
  }
  if (parts.nodeCount == 0) return damaged(Damage::NoTree, QStringLiteral("the results hold no node"));
  if (parts.metaCount != parts.nodeCount) {
    return damaged(Damage::TablesDiffer,
                   QStringLiteral("%1 meta records for %2 nodes").arg(parts.metaCount).arg(parts.nodeCount));
  }
  const qsizetype rootActions = parts.results.value(QStringLiteral("rootActions")).toArray().size();
  if (rootActions != parts.rootActionCount) {
    return damaged(Damage::RootActionsDiffer, QStringLiteral("%1 root actions for a root of %2 actions")
                                                  .arg(rootActions)
                                                  .arg(parts.rootActionCount));
  }
  const ResultTree& tree = *parts.tree;
  const int count = tree.nodeCount();
  for (int node = 0; node < count; ++node) {
    const ResultTree::Action* actions = tree.actionsOf(node);
    for (int a = 0; a < tree.actionCount(node); ++a) {
      const std::int32_t child = actions[a].childIndex;
      if (child == kUnusableChild) {
        return failed(Failure::Damaged,
                      QStringLiteral("node %1 has an action without a usable child index").arg(node));
      }
      if (child == kBeyondChild || child <= node || child >= count) {
        const double r = child == kBeyondChild ? parts.firstBeyondIndex : child;
        return failed(Failure::Damaged,
                      QStringLiteral("node %1 leads to node %2 of a tree of %3").arg(node).arg(r).arg(count));
      }
    }
  }
  return std::nullopt;
}

void takeResultFigures(LoadedProject& out, const QJsonObject& results) {
  out.resultsSummary = text(results.value(QStringLiteral("resultsSummary")));
  out.resultBoard = text(results.value(QStringLiteral("resultBoard")));
  out.rakeSaved = results.contains(QStringLiteral("resultRakePercent"));
  out.resultRakePercent = figure(results.value(QStringLiteral("resultRakePercent")));
  out.resultRakeCap = figure(results.value(QStringLiteral("resultRakeCap")));
  out.resultStartingPot = count(results.value(QStringLiteral("resultStartingPot")));
  out.resultIterations = count(results.value(QStringLiteral("resultIterations")));
  out.resultExploitability = figure(results.value(QStringLiteral("resultExploitability")));
  out.resultEvOop = figure(results.value(QStringLiteral("resultEvOop")));
  out.resultEvIp = figure(results.value(QStringLiteral("resultEvIp")));
  for (const QJsonValue& action : results.value(QStringLiteral("rootActions")).toArray()) {
    out.rootActions.append(rootAction(action));
  }
}

}  // namespace

std::uint64_t memoryToOpen(std::uint64_t fileBytes) {
  const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() / kOpenMemoryFactor;
  return fileBytes > limit ? std::numeric_limits<std::uint64_t>::max() : fileBytes * kOpenMemoryFactor;
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
  if (!project.isUndefined() && !project.isObject()) {
    return failed(Failure::Damaged, QStringLiteral("\"project\" is not an object"));
  }
  if (const std::optional<ValueOutOfRange> bad = valueOutOfRange(project.toObject())) {
    LoadedProject refused = failed(Failure::ValueOutOfRange);
    refused.outOfRange = *bad;
    return refused;
  }
  LoadedProject out;
  out.project = project.toObject().toVariantMap();
  out.hasResults = flag(parts.hasResults);
  std::shared_ptr<ResultTree> tree;
  if (out.hasResults) {
    if (std::optional<LoadedProject> damage = resultDamage(parts)) return std::move(*damage);
    takeResultFigures(out, parts.results);
    tree = std::move(parts.tree);
  }
  out.caches = std::move(parts.caches);
  // Cached answers for nodes the tree does not have are dropped, so they are
  // neither counted nor saved again; without a tree the caches are all there is.
  if (tree && tree->nodeCount() > 0) out.caches.dropOutside(tree->nodeCount());
  if (cancelled(cancel)) return failed(Failure::Cancelled);
  if (tree) tree->prepareLookups();
  out.tree = std::move(tree);
  out.nodeLocks = parts.nodeLocks.toArray().toVariantList();
  out.lastUiCfg = solveConfig(parts.lastUiCfg);
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
