#include "backend/project_file/project_file.h"

#include <QLatin1StringView>

#include <vector>

#include "backend/project_file/json_stream_writer.h"
#include "session/threads.h"

namespace project_file {
namespace {

using namespace Qt::StringLiterals;

constexpr int kProjectVersion = 1;
// The text goes to the file a buffer at a time.
constexpr qsizetype kWriteBuffer = qsizetype(1) << 20;

// The node tables, from the tree's compact records; each of its texts is
// escaped once.
void writeTables(const ResultTree* tree, JsonStreamWriter& out, bool meta) {
  out.beginArray();
  if (tree) {
    std::vector<QByteArray> texts(tree->textCount());
    for (std::uint32_t id = 0; id < tree->textCount(); ++id) texts[id] = JsonStreamWriter::escaped(tree->textAt(id));
    for (int node = 0; node < tree->nodeCount(); ++node) {
      if (meta) {
        out.beginObject();
        // A node without a meta record is an empty object.
        if (const ResultTree::Meta* m = tree->metaAt(node)) {
          out.key("chanceDeal"_L1); out.rawString(texts[m->chanceDeal]);
          out.key("effectiveStack"_L1); out.integer(m->effectiveStack);
          out.key("hasChildren"_L1); out.boolean(m->hasChildren);
          out.key("investedIp"_L1); out.integer(m->investedIp);
          out.key("investedOop"_L1); out.integer(m->investedOop);
          out.key("nodeType"_L1); out.rawString(texts[m->nodeType]);
          out.key("player"_L1); out.rawString(texts[m->player]);
          out.key("pot"_L1); out.integer(m->pot);
        }
        out.endObject();
        continue;
      }
      out.beginArray();
      const ResultTree::Action* actions = tree->actionsOf(node);
      for (int a = 0; a < tree->actionCount(node); ++a) {
        out.beginObject();
        out.key("actionType"_L1); out.rawString(texts[actions[a].actionType]);
        out.key("childIndex"_L1); out.integer(actions[a].childIndex);
        // A figure without a value is written as null, as every figure is.
        out.key("frequency"_L1); out.number(tree->frequencyOf(actions[a]));
        out.key("name"_L1); out.rawString(texts[actions[a].name]);
        out.endObject();
      }
      out.endArray();
    }
  }
  out.endArray();
}

// "results": the figures and the two node tables, keys in order.
void writeResults(const ProjectSnapshot& s, JsonStreamWriter& out) {
  const QLatin1StringView tables[] = {"treeNodeActions"_L1, "treeNodeMeta"_L1};
  std::size_t nextTable = 0;
  const auto writeTablesUpTo = [&](const QString* key) {
    while (nextTable < std::size(tables) && (!key || QString(tables[nextTable]) <= *key)) {
      out.key(tables[nextTable]);
      writeTables(s.tree.get(), out, nextTable == 1);
      ++nextTable;
    }
  };
  out.beginObject();
  for (auto it = s.resultFigures.cbegin(); it != s.resultFigures.cend(); ++it) {
    const bool isTable = it.key() == tables[0] || it.key() == tables[1];
    writeTablesUpTo(&it.key());
    // The tables are the tree's; a member Qt would drop is left out.
    if (isTable || JsonStreamWriter::dropped(it.value())) continue;
    out.key(QStringView(it.key()));
    out.writeVariant(it.value());
  }
  writeTablesUpTo(nullptr);
  out.endObject();
}

// One cache as the entries {"data", "nodeIndex"[, "seat"]}, in the cache's
// own order.
template <typename Value>
void writeCacheEntries(const QHash<int, Value>& cache, JsonStreamWriter& out, QLatin1StringView seat = {}) {
  for (auto it = cache.cbegin(); it != cache.cend(); ++it) {
    out.beginObject();
    out.key("data"_L1); out.writeVariant(QVariant(it.value()));
    out.key("nodeIndex"_L1); out.integer(it.key());
    if (!seat.isEmpty()) {
      out.key("seat"_L1);
      out.string(QString(seat));
    }
    out.endObject();
  }
}

void writeCaches(const SavedQueryCaches& c, JsonStreamWriter& out) {
  const auto array = [&out](QLatin1StringView key, const auto& cache) {
    out.key(key);
    out.beginArray();
    writeCacheEntries(cache, out);
    out.endArray();
  };
  out.beginObject();
  array("actionStatsByNode"_L1, c.actionStats);
  array("handBucketsByNode"_L1, c.handBuckets);
  array("handCombosByNode"_L1, c.handCombos);
  array("handStrategyByNode"_L1, c.handStrategy);
  // All OOP entries first, then all IP entries.
  out.key("seatHandCombosByNode"_L1);
  out.beginArray();
  writeCacheEntries(c.seatHandCombosOop, out, "OOP"_L1);
  writeCacheEntries(c.seatHandCombosIp, out, "IP"_L1);
  out.endArray();
  out.endObject();
}

// The file's text (Qt's indented JSON form) written to `out`, finished.
void writeProject(const ProjectSnapshot& s, JsonStreamWriter& out) {
  // The top-level keys in order.
  out.beginObject();
  out.key("format"_L1); out.string(u"velmora_project");
  out.key("hasResults"_L1); out.boolean(s.hasResults);
  out.key("lastUiCfg"_L1); out.writeVariant(s.lastUiCfg);
  if (s.hasResults) {
    out.key("nodeCaches"_L1);
    writeCaches(s.caches, out);
  }
  out.key("nodeLocks"_L1); out.writeVariant(s.nodeLocks);
  out.key("project"_L1); out.writeVariant(s.project);
  if (s.hasResults) {
    out.key("results"_L1);
    writeResults(s, out);
  }
  out.key("version"_L1); out.integer(kProjectVersion);
  out.endObject();
  out.finish();
}

constexpr std::uint64_t kMiB = std::uint64_t(1) << 20;

}  // namespace

// Measured: a save of a 263 MiB file grows the resident size by less than
// 1 MiB (project_file_bench).
std::uint64_t memoryToSave() { return static_cast<std::uint64_t>(kWriteBuffer) + 7 * kMiB; }

std::uint64_t addressSpaceToSave() {
  // A thread's stack and the 64 MiB arena the allocator may map for it.
  return memoryToSave() + static_cast<std::uint64_t>(velmora_app::kThreadStackBytes) + 64 * kMiB;
}

local_files::WriteOutcome saveProjectFile(const QString& path, const ProjectSnapshot& snapshot) {
  return local_files::writeAtomically(path, [&snapshot](const local_files::PieceWriter& write) {
    JsonStreamWriter out(write, kWriteBuffer);
    writeProject(snapshot, out);
  });
}

}  // namespace project_file
