// The six query caches of the Results page's answers that a project file
// keeps, node by node, so that a loaded project answers the nodes that were
// viewed before it was saved.
#pragma once

#include <QHash>
#include <QVariantList>
#include <QVariantMap>

#include <iterator>

struct SavedQueryCaches {
  QHash<int, QVariantMap> handStrategy;
  QHash<int, QVariantList> actionStats;
  QHash<int, QVariantList> handCombos;
  QHash<int, QVariantList> handBuckets;
  QHash<int, QVariantList> seatHandCombosOop;
  QHash<int, QVariantList> seatHandCombosIp;

  // Calls `fn` with each of the six caches.
  template <class Fn>
  void forEach(Fn&& fn) {
    fn(handStrategy);
    fn(actionStats);
    fn(handCombos);
    fn(handBuckets);
    fn(seatHandCombosOop);
    fn(seatHandCombosIp);
  }

  // Drops the entries of nodes at or beyond `nodeCount`.
  void dropOutside(int nodeCount) {
    forEach([nodeCount](auto& cache) {
      for (auto it = cache.begin(); it != cache.end();) it = it.key() >= nodeCount ? cache.erase(it) : std::next(it);
    });
  }
};
