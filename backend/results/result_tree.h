// The node tables of a result as the pages read them, node by node: a meta
// record per node ("nodeType", "pot", ...) and the node's actions ("name",
// "actionType", "frequency", "childIndex"). A large tree has hundreds of
// thousands of nodes, so the records are kept compact (each text stored
// once) and turned into QVariant maps only when a node is asked for.
//
// A tree is built off the GUI thread, from a solve's snapshot or from a
// project file, and never changes once it is shared: the GUI thread reads it
// without locks, and dropping it costs a few frees.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "session/solve_types.h"

class ResultTree {
 public:
  struct Meta {
    std::uint32_t nodeType = 0;  // text ids
    std::uint32_t chanceDeal = 0;
    std::uint32_t player = 0;
    std::int32_t pot = 0;
    std::int32_t effectiveStack = 0;
    std::int32_t investedOop = 0;
    std::int32_t investedIp = 0;
    bool hasChildren = false;
  };
  struct Action {
    std::uint32_t name = 0;  // text ids
    std::uint32_t actionType = 0;
    std::int32_t childIndex = 0;
    double frequency = 0.0;
  };

  ResultTree();

  // The node tables of a solve's snapshot; the frequencies stay 32-bit
  // floats, as the snapshot gives them.
  static std::shared_ptr<const ResultTree> fromResult(const velmora_app::SolveResult& result);

  // --- reading ---
  // Nodes with an action list (the tree's node count).
  int nodeCount() const { return static_cast<int>(m_actionSpans.size()); }
  // Nodes with a meta record; a project file may hold fewer or more of them.
  int metaCount() const { return static_cast<int>(m_meta.size()); }
  // The node's meta map; empty outside the meta records.
  QVariantMap meta(int node) const;
  // The node's actions; empty outside the tree.
  QVariantList actions(int node) const;
  int actionCount(int node) const;
  // The key of action `a` of the node ("" outside).
  QString actionType(int node, int a) const;
  // The cards the chance nodes deal on the way from the root to the node, in
  // that order (each node reached through the first action that leads to
  // it); empty outside the tree or off the root's subtree.
  QStringList dealtCards(int node) const;
  // The texts the records name by id (id 0 is the empty text).
  const QString& textAt(std::uint32_t id) const { return m_texts[id]; }
  std::uint32_t textCount() const { return static_cast<std::uint32_t>(m_texts.size()); }
  // An action's frequency as the result holds it: a solve's tree keeps the
  // 32-bit float its snapshot gave.
  double frequencyOf(const Action& action) const {
    return m_floatFrequencies ? static_cast<double>(static_cast<float>(action.frequency)) : action.frequency;
  }

  // --- building (before the tree is shared) ---
  std::uint32_t text(const QString& s);
  void reserve(std::size_t nodes, std::size_t actions);
  void appendMeta(const Meta& meta) { m_meta.push_back(meta); }
  // Starts the action list of the next node.
  void beginNode();
  // Drops every meta record, or every action list, read so far (a file
  // that gives a table twice counts its last).
  void dropMeta() { m_meta.clear(); }
  void dropActions() {
    m_actionSpans.clear();
    m_actions.clear();
  }
  void appendAction(const Action& action);
  const Meta* metaAt(int node) const;
  const Action* actionsOf(int node) const;
  void setFloatFrequencies(bool on) { m_floatFrequencies = on; }
  // Builds the look-up tables otherwise made on first use (each node's
  // parent), so that the thread that made the tree spends that time rather
  // than the first query on the GUI thread.
  void prepareLookups() const { parents(); }

 private:
  QVariant frequencyValue(double f) const;
  // Per node, the first node with an action leading to it (-1 for the root
  // and for nodes nothing leads to); made once, when first asked for.
  const std::vector<std::int32_t>& parents() const;
  QVariantMap metaRecord(const Meta& m) const;

  struct Span {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
  };
  std::vector<QString> m_texts;
  QHash<QString, std::uint32_t> m_textIds;
  std::vector<Meta> m_meta;
  std::vector<Span> m_actionSpans;
  std::vector<Action> m_actions;
  bool m_floatFrequencies = false;
  mutable std::once_flag m_parentsOnce;
  mutable std::vector<std::int32_t> m_parents;
};
