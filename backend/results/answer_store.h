// What the Results page holds of a result's answers: the typed tables of
// the nodes looked at, within a room of bytes. Past the room, the answers of
// the solved game looked at least recently are dropped (they are computed
// again when looked at again); the root's stay, since for a large tree they
// take long to compute, and so do the answers a project file brought, which
// nothing can compute again.
//
// The room is the one the memory gate keeps for the Results page
// (solve_room.h counts answerRoomBytes for the spot it lets through). The
// store lives on the GUI thread; a save takes a snapshot of shared tables.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "backend/results/node_answers.h"

namespace results {

// The nodes whose answers the room holds: a user's look through a solved
// tree (each answer of both seats, strategy, combos, buckets and figures).
inline constexpr std::uint64_t kNodesLookedAt = 50;

// What one node's answers take in the tables, for a spot whose seats hold
// `oopHands` and `ipHands` combos (either seat acting, with up to
// kActionsCounted actions).
inline constexpr int kActionsCounted = 4;
std::uint64_t nodeAnswerBytes(std::uint64_t oopHands, std::uint64_t ipHands);
// The room the Results page keeps for answers: kNodesLookedAt nodes' worth,
// or the worth of every decision node of a smaller tree.
std::uint64_t answerRoomBytes(std::uint64_t oopHands, std::uint64_t ipHands,
                              std::uint64_t decisionNodes = kNodesLookedAt);

class AnswerStore {
 public:
  struct Entry {
    NodeAnswerTables tables;
    std::size_t bytes = 0;
    std::uint64_t lastLook = 0;
    bool fromFile = false;
  };
  using Entries = std::unordered_map<int, Entry>;

  explicit AnswerStore(std::uint64_t roomBytes = answerRoomBytes(1326, 1326)) : m_room(roomBytes) {}

  // The answers known for `node`, or nullptr; the look makes them the most
  // recently looked at.
  const NodeAnswerTables* find(int node);
  // The same without counting as a look.
  const NodeAnswerTables* peek(int node) const;

  // Answers of the solved game for `node`, replacing those of the same
  // kind; then answers of other nodes go until the store is within its room.
  void add(int node, const NodeAnswerTables& answers);
  // A project file's answers, which are never dropped.
  void adoptFile(SavedAnswers answers);
  // Every node's answers, sharing the tables (for a save).
  SavedAnswers snapshot() const;

  // The nodes that hold an answer of the kind `member` names.
  template <class Table>
  int countHolding(std::shared_ptr<const Table> NodeAnswerTables::*member) const {
    int n = 0;
    for (const auto& [node, entry] : m_entries) n += (entry.tables.*member) ? 1 : 0;
    return n;
  }

  void setRoom(std::uint64_t bytes);
  std::uint64_t room() const { return m_room; }
  std::uint64_t bytes() const { return m_bytes; }

  // Empties the store (its room stays) and gives what it held, to be
  // dropped elsewhere.
  Entries take();

 private:
  void fitRoom(int keep);

  Entries m_entries;
  std::uint64_t m_room;
  std::uint64_t m_bytes = 0;
  std::uint64_t m_looks = 0;
};

}  // namespace results
