#include "scripts/rangegen/json_writer.h"

#include <cstdio>

namespace rangegen {

namespace {

std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string pad(int depth) { return std::string(static_cast<std::size_t>(depth) * 2, ' '); }

// A JSON list of `items` at `depth`, each object's fields written by `fields`.
template <typename T, typename Fields>
void write_list(std::string& out, const std::vector<T>& items, int depth, Fields fields) {
  if (items.empty()) {
    out += "[]";
    return;
  }
  out += "[\n";
  for (std::size_t i = 0; i < items.size(); ++i) {
    out += pad(depth + 1) + "{\n";
    fields(items[i]);
    out += pad(depth + 1) + "}" + (i + 1 < items.size() ? ",\n" : "\n");
  }
  out += pad(depth) + "]";
}

void write_entries(std::string& out, const std::vector<Entry>& entries, int depth) {
  write_list(out, entries, depth, [&](const Entry& e) {
    out += pad(depth + 2) + "\"name\": " + quoted(e.name) + ",\n";
    out += pad(depth + 2) + "\"value\": " + quoted(e.value) + "\n";
  });
}

void write_nodes(std::string& out, const std::vector<Node>& nodes, int depth) {
  write_list(out, nodes, depth, [&](const Node& n) {
    if (n.folder) {
      out += pad(depth + 2) + "\"type\": \"folder\",\n";
      out += pad(depth + 2) + "\"name\": " + quoted(n.name) + ",\n";
      out += pad(depth + 2) + "\"children\": ";
      write_nodes(out, n.children, depth + 2);
      out += "\n";
    } else {
      out += pad(depth + 2) + "\"name\": " + quoted(n.name) + ",\n";
      out += pad(depth + 2) + "\"value\": " + quoted(n.value) + "\n";
    }
  });
}

}  // namespace

std::string standard_json(const StandardTable& table) {
  std::string out = "{\n  \"oop\": {\n    \"standard\": ";
  write_entries(out, table.oop, 2);
  out += "\n  },\n  \"ip\": {\n    \"standard\": ";
  write_entries(out, table.ip, 2);
  out += "\n  }\n}";
  return out;
}

std::string population_json(const PopulationTable& table, const std::string& generated_at) {
  std::string out = "{\n  \"format\": \"velmora_ranges_export\",\n  \"version\": 1,\n";
  out += "  \"generatedAt\": " + quoted(generated_at) + ",\n";
  out += "  \"oop\": {\n    \"standard\": [],\n    \"exploit\": ";
  write_nodes(out, table.oop, 2);
  out += "\n  },\n  \"ip\": {\n    \"standard\": [],\n    \"exploit\": ";
  write_nodes(out, table.ip, 2);
  out += "\n  }\n}";
  return out;
}

}  // namespace rangegen
