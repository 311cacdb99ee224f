// The process-wide card-context cache: 64-bit keys of (board, ranges) mapped to
// weak references to the derived tables of a context.
#include <bit>
#include <mutex>
#include <unordered_map>

#include "core/card_context.h"

namespace velmora {

namespace {

struct ContextCache {
  std::mutex mutex;
  std::unordered_map<std::uint64_t, std::weak_ptr<CardContext::CachedArtifacts>> records;
};

ContextCache& context_cache() {
  static ContextCache cache;
  return cache;
}

}  // namespace

std::uint64_t hash_combine(std::uint64_t seed, std::uint64_t h) {
  return seed ^ (h + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2));
}

std::uint64_t fnv1a_u64(std::uint64_t value) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (int i = 0; i < 8; ++i) {
    hash ^= (value >> (8 * i)) & 0xFF;  // little-endian byte order
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::uint64_t range_hash(const Range& range) {
  std::uint64_t seed = kNumPockets;
  for (const float w : range) seed = hash_combine(seed, fnv1a_u64(std::bit_cast<std::uint32_t>(w)));
  return seed;
}

std::uint64_t cache_key(const Board& board, const std::array<Range, 2>& ranges) {
  std::uint64_t seed = 0;
  for (const Card c : board) seed = hash_combine(seed, fnv1a_u64(c));
  seed = hash_combine(seed, fnv1a_u64(1));
  seed = hash_combine(seed, fnv1a_u64(range_hash(ranges[0])));
  seed = hash_combine(seed, fnv1a_u64(range_hash(ranges[1])));
  return seed;
}

std::uint64_t cache_key(const CardContext& context) { return cache_key(context.board(), context.ranges()); }

std::shared_ptr<CardContext::CachedArtifacts> find_cached_artifacts(std::uint64_t key) {
  auto& cache = context_cache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  const auto it = cache.records.find(key);
  if (it == cache.records.end()) return nullptr;
  auto record = it->second.lock();
  if (!record) cache.records.erase(it);
  return record;
}

void store_cached_artifacts(std::uint64_t key, const std::shared_ptr<CardContext::CachedArtifacts>& record) {
  auto& cache = context_cache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  // Drop entries whose records are gone, so that a long session of edits
  // does not grow the map without bound.
  std::erase_if(cache.records, [](const auto& entry) { return entry.second.expired(); });
  cache.records[key] = record;
}

}  // namespace velmora
