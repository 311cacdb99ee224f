// A short list held in one pointer: the tree has close to a million nodes,
// and a node's actions and children (rarely more than a handful) cost 8
// bytes each this way instead of a vector's 24 plus its allocation.
//
// The list owns one block, its length followed by the items; an empty list
// holds nothing. A list may instead borrow a block laid out the same way in
// storage that outlives it (the game packs all of its nodes' lists into one
// buffer). Copies are deep and owned; the vector-like interface covers what
// the tree's users do with a node's lists.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace velmora {

template <class T>
class CompactList {
  static_assert(std::is_trivially_copyable_v<T> && alignof(T) <= alignof(std::uint64_t));

 public:
  using value_type = T;
  using size_type = std::size_t;
  using iterator = T*;
  using const_iterator = const T*;

  CompactList() = default;
  CompactList(std::initializer_list<T> items) { assign(items.begin(), items.end()); }
  explicit CompactList(const std::vector<T>& items) { assign(items.begin(), items.end()); }
  CompactList(const CompactList& o) { assign(o.begin(), o.end()); }
  CompactList(CompactList&& o) noexcept : block_(o.block_) { o.block_ = nullptr; }
  CompactList& operator=(const CompactList& o) {
    if (this != &o) assign(o.begin(), o.end());
    return *this;
  }
  CompactList& operator=(CompactList&& o) noexcept {
    if (this != &o) {
      release();
      block_ = o.block_;
      o.block_ = nullptr;
    }
    return *this;
  }
  ~CompactList() { release(); }

  template <class It>
  void assign(It first, It last) {
    const auto n = static_cast<std::size_t>(std::distance(first, last));
    std::uint64_t* block = nullptr;
    if (n != 0) {
      block = static_cast<std::uint64_t*>(std::malloc(block_words(n) * sizeof(std::uint64_t)));
      if (block == nullptr) throw std::bad_alloc();
      block[0] = n;
      std::copy(first, last, reinterpret_cast<T*>(block + 1));
    }
    release();
    block_ = block;
  }
  void push_back(const T& item) {
    std::vector<T> items(begin(), end());
    items.push_back(item);
    assign(items.begin(), items.end());
  }
  void clear() { release(); }

  // Words of a block holding n items.
  static constexpr std::size_t block_words(std::size_t n) {
    return n == 0 ? 0 : 1 + (n * sizeof(T) + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t);
  }
  // Copies the list's block to `words` (block_words(size()) of them) and
  // reads it from there from now on; the list's own block is freed.
  void move_to(std::uint64_t* words) {
    if (empty()) return;
    std::copy(block(), block() + block_words(size()), words);
    release();
    block_ = reinterpret_cast<std::uint64_t*>(reinterpret_cast<std::uintptr_t>(words) | kBorrowed);
  }

  std::size_t size() const { return block_ ? static_cast<std::size_t>(block()[0]) : 0; }
  std::size_t capacity() const { return size(); }
  bool empty() const { return block_ == nullptr; }
  T* data() { return block_ ? reinterpret_cast<T*>(block() + 1) : nullptr; }
  const T* data() const { return block_ ? reinterpret_cast<const T*>(block() + 1) : nullptr; }
  T* begin() { return data(); }
  T* end() { return data() + size(); }
  const T* begin() const { return data(); }
  const T* end() const { return data() + size(); }
  T& operator[](std::size_t i) { return data()[i]; }
  const T& operator[](std::size_t i) const { return data()[i]; }
  const T& at(std::size_t i) const {
    if (i >= size()) throw std::out_of_range("CompactList::at");
    return data()[i];
  }
  const T& front() const { return data()[0]; }
  const T& back() const { return data()[size() - 1]; }
  // Bytes the list holds beyond itself.
  std::size_t heap_bytes() const { return block_words(size()) * sizeof(std::uint64_t); }

  friend bool operator==(const CompactList& a, const CompactList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }
  friend bool operator==(const CompactList& a, const std::vector<T>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  static constexpr std::uintptr_t kBorrowed = 1;  // tag in the pointer's low bit
  std::uint64_t* block() const {
    return reinterpret_cast<std::uint64_t*>(reinterpret_cast<std::uintptr_t>(block_) & ~kBorrowed);
  }
  void release() {
    if (!(reinterpret_cast<std::uintptr_t>(block_) & kBorrowed)) std::free(block_);
    block_ = nullptr;
  }
  std::uint64_t* block_ = nullptr;
};

}  // namespace velmora
