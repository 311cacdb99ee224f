// A folder tree of named ranges, the shape of the population table.
#pragma once
#include <string>
#include <vector>

namespace rangegen {

struct Node {
  std::string name;
  bool folder = false;
  std::vector<Node> children;  // folders only
  std::string value;           // ranges only

  static Node range(std::string name, std::string value) { return Node{std::move(name), false, {}, std::move(value)}; }
  static Node dir(std::string name, std::vector<Node> children = {}) {
    return Node{std::move(name), true, std::move(children), {}};
  }
  // The child folder of that name, made at the end when missing.
  Node& subfolder(const std::string& child);
};

int count_folders(const std::vector<Node>& nodes);
int count_ranges(const std::vector<Node>& nodes);

}  // namespace rangegen
