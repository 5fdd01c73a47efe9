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
// A growing table starts small and grows towards its bucket count as entries
// come (a dozen tables of 30001 buckets hang from every document, most of
// which hold few entries, and creating and clearing a document must stay
// cheap); a full-size table allocates all its buckets on the first put. The
// bucket count a table is made with is thus a ceiling; nothing outside the
// table can tell the difference. Entries (with their key and any text value)
// come from a memory resource: the heap by default, or an arena for tables
// that are filled once and released whole.
//
// Result codes are the containers' own: 0 success, 1 absent, 2 allocation
// failure, 3 missing or empty key, 4 present without a value, 5 missing index
// out-parameter, 6 missing destination.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
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

enum class TableSizing { kGrowing, kFullSize };

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
                     std::pmr::memory_resource* resource = std::pmr::new_delete_resource(),
                     TableSizing sizing = TableSizing::kGrowing)
      : bucket_count(buckets), resource_(resource), sizing_(sizing) {}
  TermTable(const TermTable&) = delete;
  TermTable& operator=(const TermTable&) = delete;
  ~TermTable() { free(); }

  std::uint32_t bucket_count = 0;
  std::int32_t entry_count = 0;

  // Sets the bucket count and resource of an empty (or freed) table.
  void init(std::uint32_t buckets,
            std::pmr::memory_resource* resource = std::pmr::new_delete_resource(),
            TableSizing sizing = TableSizing::kGrowing) {
    free();
    bucket_count = buckets;
    resource_ = resource;
    sizing_ = sizing;
  }

  // Releases every entry with its key and value, then the bucket array.
  void free() noexcept {
    if (buckets_ != nullptr) {
      // Stop walking once every entry is released.
      std::int32_t left = entry_count;
      for (std::uint32_t i = 0; i < active_buckets_ && left > 0; ++i) {
        Entry* entry = buckets_[i];
        while (entry != nullptr) {
          Entry* next = entry->next;
          release_entry(entry);
          --left;
          entry = next;
        }
      }
      resource_->deallocate(buckets_, sizeof(Entry*) * active_buckets_, alignof(Entry*));
      buckets_ = nullptr;
      active_buckets_ = 0;
    }
    bucket_count = 0;
    entry_count = 0;
  }

  // Forgets every entry without releasing it: for a table whose memory
  // belongs to an arena that is released as a whole.
  void abandon() noexcept {
    buckets_ = nullptr;
    active_buckets_ = 0;
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
    if (buckets_ == nullptr && !resize(initial_buckets())) {
      value.release(resource_);
      return kTableNoMemory;
    }
    const std::uint32_t hash = hash_units(key);
    if (Entry* found = find_in_chain(buckets_[hash % active_buckets_], key)) {
      found->value.release(resource_);
      found->value = value;
      return kTableOk;
    }
    // A growing table keeps at most one entry a bucket on average; if it
    // cannot grow, it goes on with longer chains.
    if (static_cast<std::uint32_t>(entry_count) >= active_buckets_ && active_buckets_ < bucket_count) {
      resize(next_bucket_step(active_buckets_));
    }
    Entry*& head = buckets_[hash % active_buckets_];
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
    const Entry* entry = find_in_chain(buckets_[hash_units(key) % active_buckets_], key);
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
    Entry** link = &buckets_[hash_units(key) % active_buckets_];
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

  std::uint32_t initial_buckets() const {
    return sizing_ == TableSizing::kFullSize ? bucket_count : next_bucket_step(0);
  }
  // Odd bucket counts, since every hash is even; the last step is the table's
  // own bucket count.
  std::uint32_t next_bucket_step(std::uint32_t current) const {
    for (std::uint32_t step : {61u, 509u, 4093u}) {
      if (step > current && step < bucket_count) return step;
    }
    return bucket_count;
  }

  // Moves every entry into a new bucket array of `count` buckets; false (and
  // nothing changed) when it cannot be allocated.
  bool resize(std::uint32_t count) {
    Entry** fresh;
    try {
      void* memory = resource_->allocate(sizeof(Entry*) * count, alignof(Entry*));
      std::memset(memory, 0, sizeof(Entry*) * count);
      fresh = static_cast<Entry**>(memory);
    } catch (...) {
      return false;
    }
    for (std::uint32_t i = 0; i < active_buckets_; ++i) {
      Entry* entry = buckets_[i];
      while (entry != nullptr) {
        Entry* next = entry->next;
        Entry*& head = fresh[hash_units(entry->key()) % count];
        entry->next = head;
        head = entry;
        entry = next;
      }
    }
    if (buckets_ != nullptr) {
      resource_->deallocate(buckets_, sizeof(Entry*) * active_buckets_, alignof(Entry*));
    }
    buckets_ = fresh;
    active_buckets_ = count;
    return true;
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
  std::uint32_t active_buckets_ = 0;
  std::pmr::memory_resource* resource_ = std::pmr::new_delete_resource();
  TableSizing sizing_ = TableSizing::kGrowing;
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
