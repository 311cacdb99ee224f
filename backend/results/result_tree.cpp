#include "backend/results/result_tree.h"

#include <string>
#include <unordered_map>

namespace {

const QString kNodeType = QStringLiteral("nodeType");
const QString kChanceDeal = QStringLiteral("chanceDeal");
const QString kPlayer = QStringLiteral("player");
const QString kPot = QStringLiteral("pot");
const QString kEffectiveStack = QStringLiteral("effectiveStack");
const QString kInvestedOop = QStringLiteral("investedOop");
const QString kInvestedIp = QStringLiteral("investedIp");
const QString kHasChildren = QStringLiteral("hasChildren");
const QString kName = QStringLiteral("name");
const QString kActionType = QStringLiteral("actionType");
const QString kFrequency = QStringLiteral("frequency");
const QString kChildIndex = QStringLiteral("childIndex");

}  // namespace

ResultTree::ResultTree() { text(QString()); }  // id 0 is the empty text

std::uint32_t ResultTree::text(const QString& s) {
  const auto it = m_textIds.constFind(s);
  if (it != m_textIds.cend()) return it.value();
  const auto id = static_cast<std::uint32_t>(m_texts.size());
  m_texts.push_back(s);
  m_textIds.insert(s, id);
  return id;
}

void ResultTree::reserve(std::size_t nodes, std::size_t actions) {
  m_meta.reserve(nodes);
  m_actionSpans.reserve(nodes);
  m_actions.reserve(actions);
}

void ResultTree::beginNode() {
  m_actionSpans.push_back(Span{static_cast<std::uint32_t>(m_actions.size()), 0});
}

void ResultTree::appendAction(const Action& action) {
  m_actions.push_back(action);
  ++m_actionSpans.back().count;
}

const ResultTree::Meta* ResultTree::metaAt(int node) const {
  return node >= 0 && node < metaCount() ? &m_meta[static_cast<std::size_t>(node)] : nullptr;
}

const ResultTree::Action* ResultTree::actionsOf(int node) const {
  if (node < 0 || node >= nodeCount()) return nullptr;
  return m_actions.data() + m_actionSpans[static_cast<std::size_t>(node)].first;
}

int ResultTree::actionCount(int node) const {
  return node >= 0 && node < nodeCount() ? static_cast<int>(m_actionSpans[static_cast<std::size_t>(node)].count) : 0;
}

QVariant ResultTree::frequencyValue(double f) const {
  return m_floatFrequencies ? QVariant::fromValue(static_cast<float>(f)) : QVariant(f);
}

QVariantMap ResultTree::meta(int node) const {
  const Meta* m = metaAt(node);
  if (!m) return QVariantMap();
  return metaRecord(*m);
}

QVariantMap ResultTree::metaRecord(const Meta& m) const {
  QVariantMap out;
  out.insert(kNodeType, m_texts[m.nodeType]);
  out.insert(kChanceDeal, m_texts[m.chanceDeal]);
  out.insert(kPlayer, m_texts[m.player]);
  out.insert(kPot, m.pot);
  out.insert(kEffectiveStack, m.effectiveStack);
  out.insert(kInvestedOop, m.investedOop);
  out.insert(kInvestedIp, m.investedIp);
  out.insert(kHasChildren, m.hasChildren);
  return out;
}

QVariantList ResultTree::actions(int node) const {
  QVariantList out;
  const int count = actionCount(node);
  const Action* actions = actionsOf(node);
  out.reserve(count);
  for (int a = 0; a < count; ++a) {
    QVariantMap entry;
    entry.insert(kName, m_texts[actions[a].name]);
    entry.insert(kActionType, m_texts[actions[a].actionType]);
    entry.insert(kFrequency, frequencyValue(actions[a].frequency));
    entry.insert(kChildIndex, actions[a].childIndex);
    out.append(entry);
  }
  return out;
}

QString ResultTree::actionType(int node, int a) const {
  if (a < 0 || a >= actionCount(node)) return QString();
  return m_texts[actionsOf(node)[a].actionType];
}

const std::vector<std::int32_t>& ResultTree::parents() const {
  std::call_once(m_parentsOnce, [this] {
    const int n = nodeCount();
    m_parents.assign(static_cast<std::size_t>(n), -1);
    for (int i = 0; i < n; ++i) {
      const Action* actions = actionsOf(i);
      for (int a = 0; a < actionCount(i); ++a) {
        const int c = actions[a].childIndex;
        if (c > 0 && c < n && m_parents[static_cast<std::size_t>(c)] < 0) m_parents[static_cast<std::size_t>(c)] = i;
      }
    }
  });
  return m_parents;
}

QStringList ResultTree::dealtCards(int node) const {
  const int n = nodeCount();
  if (node < 0 || node >= n) return {};
  const std::vector<std::int32_t>& up = parents();
  QStringList dealt;
  const std::uint32_t chance = m_textIds.value(QStringLiteral("chance"), 0);
  for (int cur = node, steps = 0; cur != 0; ++steps) {
    const int parent = up[static_cast<std::size_t>(cur)];
    if (parent < 0 || steps >= n) return {};
    const Meta* m = metaAt(parent);
    if (m && chance != 0 && m->nodeType == chance) {
      const Action* actions = actionsOf(parent);
      for (int a = 0; a < actionCount(parent); ++a) {
        if (actions[a].childIndex == cur) {
          dealt.prepend(m_texts[actions[a].name]);
          break;
        }
      }
    }
    cur = parent;
  }
  return dealt;
}

std::shared_ptr<const ResultTree> ResultTree::fromResult(const velmora_app::SolveResult& result) {
  auto tree = std::make_shared<ResultTree>();
  std::size_t actionTotal = 0;
  for (const velmora_app::ResultNode& node : result.nodes) actionTotal += node.children.size();
  tree->reserve(result.nodes.size(), actionTotal);
  tree->setFloatFrequencies(true);

  // The snapshot repeats a handful of texts hundreds of thousands of times.
  std::unordered_map<std::string, std::uint32_t> ids;
  const auto id = [&](const std::string& s) {
    const auto it = ids.find(s);
    if (it != ids.end()) return it->second;
    const std::uint32_t fresh = tree->text(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    ids.emplace(s, fresh);
    return fresh;
  };

  for (const velmora_app::ResultNode& node : result.nodes) {
    Meta meta;
    meta.nodeType = id(node.kind);
    meta.chanceDeal = id(node.chance_deal);
    meta.player = id(node.seat);
    meta.pot = node.pot;
    meta.effectiveStack = result.effective_stack;
    meta.investedOop = node.invested_oop;
    meta.investedIp = node.invested_ip;
    meta.hasChildren = !node.children.empty();
    tree->appendMeta(meta);
    tree->beginNode();
    for (const velmora_app::ResultChild& child : node.children) {
      Action action;
      action.name = id(child.label);
      action.actionType = id(child.key);
      action.childIndex = child.child_index;
      action.frequency = static_cast<double>(child.frequency);
      tree->appendAction(action);
    }
  }
  return tree;
}
