#include "scripts/rangegen/range_tree.h"

namespace rangegen {

Node& Node::subfolder(const std::string& child) {
  for (Node& n : children)
    if (n.folder && n.name == child) return n;
  children.push_back(dir(child));
  return children.back();
}

int count_folders(const std::vector<Node>& nodes) {
  int n = 0;
  for (const Node& node : nodes)
    if (node.folder) n += 1 + count_folders(node.children);
  return n;
}

int count_ranges(const std::vector<Node>& nodes) {
  int n = 0;
  for (const Node& node : nodes) n += node.folder ? count_ranges(node.children) : 1;
  return n;
}

}  // namespace rangegen
