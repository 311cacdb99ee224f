// Plain records returned by the node result queries. Every record ends with
// `ok`; when it is false the query could not run and every list is empty.
#pragma once
#include <string>
#include <vector>

namespace velmora_app {

struct NodeActionStats {
  std::vector<std::string> labels;
  std::vector<std::string> keys;
  std::vector<float> frequencies;  // NaN at a node no hand of the acting seat reaches
  std::vector<double> combos;
  std::vector<double> equities;  // NaN where no equity could be computed
  std::vector<double> evs;       // chips; NaN at a node no hand reaches
  bool ok = false;
};

struct HandBucketRow {
  std::string name;
  double combos = 0.0;
  std::vector<float> action_probabilities;
};

struct NodeHandBuckets {
  std::vector<HandBucketRow> rows;  // in the fixed bucket order, empty buckets left out
  bool ok = false;
};

struct NodeHandStrategy {
  std::vector<std::string> class_names;   // 169, grid order
  std::vector<float> class_weights;       // 169, reaching combos
  std::vector<std::string> dominant_keys; // 169, empty for a class not held
  std::vector<std::string> action_labels; // A
  std::vector<float> probabilities;       // 169 x A, class-major
  bool ok = false;
};

struct HandComboRow {
  std::string card1;
  std::string card2;
  double weight = 0.0;
  double ev = 0.0;  // chips
  std::vector<float> action_probabilities;
  std::vector<double> action_evs;  // chips
  std::vector<std::string> tags;
};

struct NodeHandCombos {
  std::vector<HandComboRow> rows;
  bool ok = false;
};

struct PocketActionEvs {
  std::vector<double> action_evs;  // chips
  bool ok = false;
};

}  // namespace velmora_app
