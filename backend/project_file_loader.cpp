#include "backend/project_file_loader.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>

#include "backend/project_file_check.h"
#include "backend/project_file_reader.h"

namespace project_file {
namespace {

const QString kFormatTag = QStringLiteral("velmora_project");
constexpr int kProjectVersion = 1;
constexpr qint64 kReadChunk = 8 << 20;
// The first piece read, to find the first byte that is not blank.
constexpr qint64 kHeadChunk = 64 << 10;
// Opening takes at its peak about four to five times the file's size (the
// text and the parsed document side by side, then the tables and caches,
// whose records weigh more than their text): measured 3.8 for a file of
// node tables, 4.7 for one of per-combo caches.
constexpr std::uint64_t kOpenMemoryFactor = 5;

// Shares of the whole load: reading the bytes, parsing, building the tables.
constexpr double kReadShare = 0.4;
constexpr double kParseShare = 0.3;

using Failure = LoadedProject::Failure;

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

LoadedProject damaged(const Fault& fault) {
  LoadedProject out = failed(Failure::Damaged, fault.logText());
  out.fault = fault;
  return out;
}

// Why a result that the file says it holds cannot be shown: it is missing,
// has no node, or its parts do not describe one tree (a meta record and an
// action list for every node, the root's actions as the root actions).
std::optional<LoadedProject> resultDamage(const QJsonValue& results) {
  using Damage = LoadedProject::Damage;
  if (results.isUndefined()) {
    return damaged(Damage::ResultsMissing, QStringLiteral("\"hasResults\" is true but there are no \"results\""));
  }
  if (!results.isObject()) return damaged(wrongKindOfPart("results", results, Fault::Expected::Object));
  const QJsonObject r = results.toObject();
  const QJsonArray actionLists = r.value(QStringLiteral("treeNodeActions")).toArray();
  const qsizetype metaCount = r.value(QStringLiteral("treeNodeMeta")).toArray().size();
  if (actionLists.isEmpty()) return damaged(Damage::NoTree, QStringLiteral("the results hold no node"));
  if (metaCount != actionLists.size()) {
    return damaged(Damage::TablesDiffer,
                   QStringLiteral("%1 meta records for %2 nodes").arg(metaCount).arg(actionLists.size()));
  }
  const qsizetype rootActions = r.value(QStringLiteral("rootActions")).toArray().size();
  if (rootActions != actionLists.at(0).toArray().size()) {
    return damaged(Damage::RootActionsDiffer, QStringLiteral("%1 root actions for a root of %2 actions")
                                                  .arg(rootActions)
                                                  .arg(actionLists.at(0).toArray().size()));
  }
  return std::nullopt;
}

// The node tables of "results"; nothing (with `fault` set when the tables
// are damaged) when they cannot be read.
std::shared_ptr<ResultTree> readTree(const QJsonObject& results, const LoadProgress& progress,
                                     const std::atomic<bool>* cancel, Fault& fault) {
  const QJsonArray metaList = results.value(QStringLiteral("treeNodeMeta")).toArray();
  const QJsonArray actionLists = results.value(QStringLiteral("treeNodeActions")).toArray();
  auto tree = std::make_shared<ResultTree>();
  tree->reserve(static_cast<std::size_t>(actionLists.size()), static_cast<std::size_t>(actionLists.size()) * 2);
  const qsizetype total = metaList.size() + actionLists.size();
  const qsizetype count = actionLists.size();
  qsizetype done = 0;
  const auto step = [&]() {
    if ((++done & 0x3fff) != 0) return true;
    if (cancelled(cancel)) return false;
    if (progress) progress(kReadShare + kParseShare + (1.0 - kReadShare - kParseShare) * done / total);
    return true;
  };

  for (qsizetype node = 0; node < metaList.size(); ++node) {
    tree->appendMeta(nodeMeta(metaList.at(node), *tree, fault));
    if (fault) {
      fault.at(Fault::Part::NodeMeta, static_cast<int>(node));
      return nullptr;
    }
    if (!step()) return nullptr;
  }

  // The tree is stored in pre-order: every action leads to a later node of
  // the file. Any other link (back up the tree, to the node itself, past the
  // end) makes the file damaged.
  for (qsizetype node = 0; node < count; ++node) {
    tree->beginNode();
    fault = wrongKindOfPart("", actionLists.at(node), Fault::Expected::List);
    if (fault) {
      fault.at(Fault::Part::NodeAction, static_cast<int>(node));
      return nullptr;
    }
    const QJsonArray items = actionLists.at(node).toArray();
    for (qsizetype a = 0; a < items.size(); ++a) {
      const ResultTree::Action action = nodeAction(items.at(a), *tree, fault);
      if (!fault && (action.childIndex <= node || action.childIndex >= count)) {
        fault.problem = node + 1 < count ? Fault::Problem::OutOfRange : Fault::Problem::NoLaterNode;
        fault.key = QStringLiteral("childIndex");
        fault.value = QString::number(action.childIndex);
        fault.minimum = static_cast<double>(node + 1);
        fault.maximum = static_cast<double>(count - 1);
      }
      if (fault) {
        fault.at(Fault::Part::NodeAction, static_cast<int>(node), static_cast<int>(a));
        return nullptr;
      }
      tree->appendAction(action);
    }
    if (!step()) return nullptr;
  }
  return tree;
}

void readResults(LoadedProject& out, const QJsonObject& results, Fault& fault) {
  Record r(results, fault);
  out.resultsSummary = r.text("resultsSummary");
  out.resultBoard = r.text("resultBoard");
  out.rakeSaved = r.has("resultRakePercent");
  out.resultRakePercent = r.number("resultRakePercent", 0.0, 100.0, 0.0, true);
  out.resultRakeCap = r.number("resultRakeCap", 0.0, std::numeric_limits<double>::max(), 0.0, true);
  out.resultStartingPot = r.whole("resultStartingPot", 0, std::numeric_limits<int>::max(), 0);
  out.resultIterations = r.whole("resultIterations", 0, std::numeric_limits<int>::max(), 0);
  out.resultExploitability = r.figure("resultExploitability");
  out.resultEvOop = r.figure("resultEvOop");
  out.resultEvIp = r.figure("resultEvIp");
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

// An entry's node index as written ("nodeIndex" read as an integer, -1 when
// missing or not a number): an entry of a negative index is skipped.
int cacheNodeIndex(const QJsonObject& entry) {
  const QVariant v = entry.value(QStringLiteral("nodeIndex")).toVariant();
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok && std::isfinite(d) && std::abs(d) < 2147483648.0 ? static_cast<int>(std::round(d)) : -1;
}

void readCaches(LoadedProject& out, const QJsonObject& caches, Fault& fault) {
  using Part = Fault::Part;
  const auto restore = [&caches, &fault](const char* key, Part part, auto&& store) {
    for (const QJsonValue& item : caches.value(QLatin1String(key)).toArray()) {
      if (fault) return;
      const QJsonObject entry = item.toObject();
      const int nodeIndex = cacheNodeIndex(entry);
      if (nodeIndex < 0) continue;
      store(nodeIndex, entry, entry.value(QStringLiteral("data")), part);
      if (fault) {
        if (fault.part == Part::File) fault.part = part;
        fault.node = nodeIndex;
      }
    }
  };
  restore("handStrategyByNode", Part::Strategy, [&](int node, const QJsonObject&, const QJsonValue& data, Part) {
    out.caches.handStrategy.insert(node, handStrategy(data, fault));
  });
  restore("actionStatsByNode", Part::ActionStats, [&](int node, const QJsonObject&, const QJsonValue& data, Part) {
    out.caches.actionStats.insert(node, actionStats(data, fault));
  });
  restore("handCombosByNode", Part::Combos, [&](int node, const QJsonObject&, const QJsonValue& data, Part) {
    out.caches.handCombos.insert(node, handCombos(data, fault));
  });
  restore("handBucketsByNode", Part::Buckets, [&](int node, const QJsonObject&, const QJsonValue& data, Part) {
    out.caches.handBuckets.insert(node, handBuckets(data, fault));
  });
  restore("seatHandCombosByNode", Part::OopCombos,
          [&](int node, const QJsonObject& e, const QJsonValue& data, Part) {
            const QString seat = e.value(QStringLiteral("seat")).toVariant().toString().trimmed().toUpper();
            const bool ip = seat == QStringLiteral("IP");
            if (!ip && seat != QStringLiteral("OOP")) return;
            (ip ? out.caches.seatHandCombosIp : out.caches.seatHandCombosOop).insert(node, seatHandCombos(data, fault));
            if (fault && ip) fault.part = Part::IpCombos;
          });
}

// JSON's blanks (a UTF-8 byte order mark at the start is skipped too).
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Reads from the start of the file up to its first byte that is not blank
// and checks that it can begin a project; the bytes from there on, read so
// far, are left in `data`.
Failure readHead(QFile& file, QByteArray& data, const std::atomic<bool>* cancel) {
  bool atStart = true;
  while (true) {
    if (cancelled(cancel)) return Failure::Cancelled;
    QByteArray chunk = file.read(kHeadChunk);
    if (chunk.isEmpty()) return file.error() != QFileDevice::NoError ? Failure::OpenFailed : Failure::InvalidJson;
    qsizetype i = 0;
    if (atStart && chunk.startsWith("\xEF\xBB\xBF")) i = 3;
    atStart = false;
    while (i < chunk.size() && isBlank(chunk.at(i))) ++i;
    if (i == chunk.size()) continue;
    // A project is one JSON object; an array is JSON, but not a project.
    if (chunk.at(i) != '{') return chunk.at(i) == '[' ? Failure::UnrecognizedFormat : Failure::InvalidJson;
    data = chunk.mid(i);
    return Failure::None;
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
  QByteArray data;
  if (const Failure head = readHead(file, data, cancel); head != Failure::None) return failed(head);
  {
    const qint64 size = file.size();
    const std::uint64_t needed = memoryToOpenFile(QFileInfo(file));
    if (availableBytes != 0 && needed > availableBytes) return notEnoughMemory(needed, availableBytes);
    data.reserve(static_cast<qsizetype>(std::max<qint64>(size - file.pos() + data.size(), data.size())));
    while (true) {
      const QByteArray chunk = file.read(kReadChunk);
      if (chunk.isEmpty()) break;
      data.append(chunk);
      if (cancelled(cancel)) return failed(Failure::Cancelled);
      if (progress && size > 0) progress(kReadShare * std::min(1.0, static_cast<double>(file.pos()) / size));
    }
    if (file.error() != QFileDevice::NoError) return failed(Failure::OpenFailed);
    file.close();
  }

  QJsonParseError parseError{};
  const QJsonDocument doc = QJsonDocument::fromJson(data, &parseError);
  data = QByteArray();  // the text is no longer needed; a large file frees its memory here
  if (parseError.error != QJsonParseError::NoError || doc.isNull()) return failed(Failure::InvalidJson);
  if (cancelled(cancel)) return failed(Failure::Cancelled);
  if (progress) progress(kReadShare + kParseShare);

  const QJsonObject root = doc.isObject() ? doc.object() : QJsonObject();
  if (root.value(QStringLiteral("format")).toVariant().toString() != kFormatTag) {
    return failed(Failure::UnrecognizedFormat);
  }
  bool versionOk = false;
  const double version = root.value(QStringLiteral("version")).toVariant().toDouble(&versionOk);
  if (!versionOk || version != kProjectVersion) return failed(Failure::UnsupportedVersion);

  // A missing part reads as empty; a part of the wrong kind means the file
  // is not what it claims to be.
  const QJsonValue project = root.value(QStringLiteral("project"));
  if (const Fault f = wrongKindOfPart("project", project, Fault::Expected::Object)) return damaged(f);
  if (const std::optional<ValueOutOfRange> bad = valueOutOfRange(project.toObject())) {
    LoadedProject refused = failed(Failure::ValueOutOfRange);
    refused.outOfRange = *bad;
    return refused;
  }
  if (const Fault typeFault = projectTypeFault(project.toObject())) return damaged(typeFault);
  LoadedProject out;
  out.project = project.toObject().toVariantMap();
  const QJsonValue hasResults = root.value(QStringLiteral("hasResults"));
  if (const Fault f = wrongKindOfPart("hasResults", hasResults, Fault::Expected::Flag)) return damaged(f);
  out.hasResults = hasResults.toBool();
  const QJsonValue results = root.value(QStringLiteral("results"));
  std::shared_ptr<ResultTree> tree;
  Fault fault;
  if (out.hasResults) {
    if (std::optional<LoadedProject> damage = resultDamage(results)) return std::move(*damage);
    readResults(out, results.toObject(), fault);
    if (fault) return damaged(fault);
    tree = readTree(results.toObject(), progress, cancel, fault);
    if (fault) return damaged(fault);
    if (!tree) return failed(Failure::Cancelled);
  }

  const QJsonValue caches = root.value(QStringLiteral("nodeCaches"));
  if (const Fault f = wrongKindOfPart("nodeCaches", caches, Fault::Expected::Object)) return damaged(f);
  readCaches(out, caches.toObject(), fault);
  if (fault) return damaged(fault);
  // Cached answers for nodes the tree does not have are dropped, so they are
  // neither counted nor saved again; without a tree the caches are all there is.
  if (tree && tree->nodeCount() > 0) out.caches.dropOutside(tree->nodeCount());
  if (cancelled(cancel)) return failed(Failure::Cancelled);
  if (tree) tree->prepareLookups();
  out.tree = std::move(tree);
  const QJsonValue locks = root.value(QStringLiteral("nodeLocks"));
  if (const Fault f = wrongKindOfPart("nodeLocks", locks, Fault::Expected::List)) return damaged(f);
  for (qsizetype i = 0; i < locks.toArray().size() && !fault; ++i) {
    out.nodeLocks.append(nodeLock(locks.toArray().at(i), fault));
    if (fault) fault.at(Fault::Part::Lock, -1, static_cast<int>(i));
  }
  out.lastUiCfg = solveConfig(root.value(QStringLiteral("lastUiCfg")), fault);
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
