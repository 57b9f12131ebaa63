#pragma once
#include <cstddef>
#include <list>
#include <map>
#include <utility>

// Values made from others and kept for reuse, the least recently used dropped once they hold
// `maxBytes` as `bytesOf` counts them. Not locked: its owner locks.
template <class Key, class Value>
class BoundedCache {
 public:
  BoundedCache(size_t maxBytes, size_t (*bytesOf)(const Value&)) : maxBytes_(maxBytes), bytesOf_(bytesOf) {}

  const Value* Find(const Key& key) {
    auto found = byKey_.find(key);
    if (found == byKey_.end()) return nullptr;
    byUse_.splice(byUse_.begin(), byUse_, found->second);
    return &found->second->second;
  }
  // Replaces what the key held.
  const Value& Add(const Key& key, Value value) {
    Remove(key);
    bytes_ += bytesOf_(value);
    byUse_.emplace_front(key, std::move(value));
    byKey_[key] = byUse_.begin();
    // The newest stays even when it alone is larger than the bound: it is about to be used.
    while (bytes_ > maxBytes_ && byUse_.size() > 1) {
      bytes_ -= bytesOf_(byUse_.back().second);
      byKey_.erase(byUse_.back().first);
      byUse_.pop_back();
    }
    return byUse_.front().second;
  }
  size_t Bytes() const { return bytes_; }
  void Clear() {
    byKey_.clear();
    byUse_.clear();
    bytes_ = 0;
  }

 private:
  void Remove(const Key& key) {
    auto found = byKey_.find(key);
    if (found == byKey_.end()) return;
    bytes_ -= bytesOf_(found->second->second);
    byUse_.erase(found->second);
    byKey_.erase(found);
  }

  size_t maxBytes_;
  size_t (*bytesOf_)(const Value&);
  std::list<std::pair<Key, Value>> byUse_;  // most recently used first
  std::map<Key, typename decltype(byUse_)::iterator> byKey_;
  size_t bytes_ = 0;
};
