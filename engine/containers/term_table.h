// TermTable: a chained hash table keyed by text, with a bucket count fixed when
// the table is made. It carries every word list of the stop memory and every
// count, position and spelling table of a document.
//
// Two flavours share one template: 8-bit keys (char, Latin-1) and wide keys
// (char16_t, UCS2). Keys are unique; a put on an existing key replaces its
// value. New entries go to the head of their chain, so among colliding keys the
// one put last is found first. Nothing ever iterates the buckets to produce
// output, so the hash decides speed only.
//
// The bucket array is allocated on the first put: a document owns a dozen
// tables of 30001 buckets, most of which stay empty for a given language, and
// creating or clearing a document must stay cheap. Entries (with their key and
// any text value) come from a memory resource: the heap by default, or an arena
// for tables that are filled once and released whole.
//
// Result codes are the containers' own: 0 success, 1 absent, 2 allocation
// failure, 3 missing or empty key, 4 present without a value, 5 missing index
// out-parameter, 6 missing destination.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory_resource>
#include <new>
#include <string_view>
#include <utility>

#include "containers/term_value.h"

namespace phx {

enum TermTableResult : int {
  kTableOk = 0,
  kTableAbsent = 1,
  kTableNoMemory = 2,
  kTableBadKey = 3,
  kTableNoValue = 4,
  kTableNoIndexOut = 5,
  kTableNoDestination = 6,
};

// The hash of a key: each unit is folded in with h = (h ^ unit) << 1. Bytes are
// taken as signed (sign-extended), wide units as unsigned.
inline std::uint32_t hash_units(std::string_view key) {
  std::uint32_t h = 0;
  for (char c : key) {
    h = (h ^ static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)))) << 1;
  }
  return h;
}
inline std::uint32_t hash_units(WideView key) {
  std::uint32_t h = 0;
  for (char16_t unit : key) h = (h ^ static_cast<std::uint32_t>(unit)) << 1;
  return h;
}

template <class Unit>
class TermTable {
 public:
  using Key = std::basic_string_view<Unit>;

  struct Entry {
    Entry* next;
    TermValue value;
    std::uint32_t key_length;
    Key key() const { return Key(reinterpret_cast<const Unit*>(this + 1), key_length); }
  };
  static_assert(alignof(Entry) >= alignof(Unit));

  TermTable() = default;
  explicit TermTable(std::uint32_t buckets,
                     std::pmr::memory_resource* resource = std::pmr::new_delete_resource())
      : bucket_count(buckets), resource_(resource) {}
  TermTable(const TermTable&) = delete;
  TermTable& operator=(const TermTable&) = delete;
  ~TermTable() { free(); }

  std::uint32_t bucket_count = 0;
  std::int32_t entry_count = 0;

  // Sets the bucket count and resource of an empty (or freed) table.
  void init(std::uint32_t buckets,
            std::pmr::memory_resource* resource = std::pmr::new_delete_resource()) {
    free();
    bucket_count = buckets;
    resource_ = resource;
  }

  // Releases every entry with its key and value, then the bucket array.
  void free() noexcept {
    if (buckets_ != nullptr) {
      for (std::uint32_t i = 0; i < bucket_count; ++i) {
        Entry* entry = buckets_[i];
        while (entry != nullptr) {
          Entry* next = entry->next;
          release_entry(entry);
          entry = next;
        }
      }
      resource_->deallocate(buckets_, sizeof(Entry*) * bucket_count, alignof(Entry*));
      buckets_ = nullptr;
    }
    bucket_count = 0;
    entry_count = 0;
  }

  // Forgets every entry without releasing it: for a table whose memory
  // belongs to an arena that is released as a whole.
  void abandon() noexcept {
    buckets_ = nullptr;
    bucket_count = 0;
    entry_count = 0;
  }

  // Stores `value` under `key`, taking ownership of the value (which must have
  // been made with this table's resource). On failure the value is released.
  int put(Key key, TermValue value) {
    if (key.data() == nullptr || key.empty() || bucket_count == 0) {
      value.release(resource_);
      return kTableBadKey;
    }
    if (buckets_ == nullptr && !allocate_buckets()) {
      value.release(resource_);
      return kTableNoMemory;
    }
    Entry*& head = buckets_[hash_units(key) % bucket_count];
    if (Entry* found = find_in_chain(head, key)) {
      found->value.release(resource_);
      found->value = value;
      return kTableOk;
    }
    Entry* entry = make_entry(key);
    if (entry == nullptr) {
      value.release(resource_);
      return kTableNoMemory;
    }
    entry->value = value;
    entry->next = head;
    head = entry;
    ++entry_count;
    return kTableOk;
  }
  int put_int(Key key, std::int32_t value) { return put(key, TermValue::of_int(value)); }
  int put_pair(Key key, Pair value) { return put(key, TermValue::of_pair(value)); }
  int put_text(Key key, Key text) {
    if (key.data() == nullptr || key.empty()) return kTableBadKey;
    TermValue value;
    bool copied;
    if constexpr (sizeof(Unit) == 1) {
      copied = value.assign_text(text, resource_);
    } else {
      copied = value.assign_wide_text(text, resource_);
    }
    if (!copied) return kTableNoMemory;
    return put(key, value);
  }

  // The stored value of `key`, or null when absent.
  const TermValue* find(Key key) const {
    if (buckets_ == nullptr || key.empty()) return nullptr;
    const Entry* entry = find_in_chain(buckets_[hash_units(key) % bucket_count], key);
    return entry != nullptr ? &entry->value : nullptr;
  }
  TermValue* find(Key key) {
    return const_cast<TermValue*>(std::as_const(*this).find(key));
  }

  int get(Key key, const TermValue** out) const {
    if (key.data() == nullptr || key.empty()) return kTableBadKey;
    const TermValue* value = find(key);
    if (value == nullptr) return kTableAbsent;
    if (value->empty()) return kTableNoValue;
    if (out != nullptr) *out = value;
    return kTableOk;
  }
  int get_int(Key key, std::int32_t* out) const {
    if (out == nullptr) return kTableNoDestination;
    const TermValue* value = nullptr;
    int result = get(key, &value);
    if (result == kTableOk) *out = value->as_int();
    return result;
  }
  int get_pair(Key key, Pair* out) const {
    if (out == nullptr) return kTableNoDestination;
    const TermValue* value = nullptr;
    int result = get(key, &value);
    if (result == kTableOk) *out = value->as_pair();
    return result;
  }

  // 0 when present, 1 when absent: the inverted sense every caller relies on.
  int contains(Key key) const {
    if (key.data() == nullptr || key.empty()) return kTableBadKey;
    return find(key) != nullptr ? kTableOk : kTableAbsent;
  }
  bool has(Key key) const { return find(key) != nullptr; }

  int remove(Key key) {
    if (key.data() == nullptr || key.empty()) return kTableBadKey;
    if (buckets_ == nullptr) return kTableAbsent;
    Entry** link = &buckets_[hash_units(key) % bucket_count];
    for (; *link != nullptr; link = &(*link)->next) {
      if (keys_equal(*link, key)) {
        Entry* entry = *link;
        *link = entry->next;
        release_entry(entry);
        --entry_count;
        return kTableOk;
      }
    }
    return kTableAbsent;
  }

 private:
  static bool keys_equal(const Entry* entry, Key key) {
    return entry->key_length == key.size() &&
           std::memcmp(entry + 1, key.data(), key.size() * sizeof(Unit)) == 0;
  }
  static Entry* find_in_chain(Entry* entry, Key key) {
    for (; entry != nullptr; entry = entry->next) {
      if (keys_equal(entry, key)) return entry;
    }
    return nullptr;
  }

  bool allocate_buckets() {
    try {
      void* memory = resource_->allocate(sizeof(Entry*) * bucket_count, alignof(Entry*));
      std::memset(memory, 0, sizeof(Entry*) * bucket_count);
      buckets_ = static_cast<Entry**>(memory);
      return true;
    } catch (...) {
      return false;
    }
  }

  static std::size_t entry_bytes(std::size_t key_length) {
    return sizeof(Entry) + (key_length + 1) * sizeof(Unit);
  }

  Entry* make_entry(Key key) {
    void* memory;
    try {
      memory = resource_->allocate(entry_bytes(key.size()), alignof(Entry));
    } catch (...) {
      return nullptr;
    }
    Entry* entry = new (memory) Entry{nullptr, TermValue(), static_cast<std::uint32_t>(key.size())};
    Unit* key_copy = reinterpret_cast<Unit*>(entry + 1);
    std::memcpy(key_copy, key.data(), key.size() * sizeof(Unit));
    key_copy[key.size()] = Unit{0};
    return entry;
  }

  void release_entry(Entry* entry) noexcept {
    entry->value.release(resource_);
    std::size_t bytes = entry_bytes(entry->key_length);
    entry->~Entry();
    resource_->deallocate(entry, bytes, alignof(Entry));
  }

  Entry** buckets_ = nullptr;
  std::pmr::memory_resource* resource_ = std::pmr::new_delete_resource();
};

using TextTable = TermTable<char>;
using WideTable = TermTable<WideChar>;

// The bucket index of a key, as the table computes it.
template <class Unit>
inline int TermTableHash(std::basic_string_view<Unit> key, std::uint32_t bucket_count,
                         std::uint32_t* index) {
  if (key.data() == nullptr || key.empty()) return kTableBadKey;
  if (index == nullptr) return kTableNoIndexOut;
  *index = bucket_count == 0 ? 0 : hash_units(key) % bucket_count;
  return kTableOk;
}

}  // namespace phx
