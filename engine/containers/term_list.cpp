#include "containers/term_list.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace phx {
namespace {

std::pmr::memory_resource* heap() { return std::pmr::new_delete_resource(); }

template <class Unit>
int copy_text_out(const TermValue* item, Unit* destination, std::size_t capacity) {
  if (destination == nullptr) return kListNoOut;
  if (item == nullptr) return kListNoCursor;
  if (capacity == 0) return kListOk;
  std::basic_string_view<Unit> text;
  if constexpr (sizeof(Unit) == 1) {
    text = item->text_view();
  } else {
    text = item->wide_text_view();
  }
  std::size_t n = std::min(text.size(), capacity - 1);
  if (n != 0) std::memcpy(destination, text.data(), n * sizeof(Unit));
  destination[n] = Unit{0};
  return kListOk;
}

}  // namespace

int TermList::first() {
  if (head_ == nullptr) return kListEmpty;
  cursor_ = head_;
  previous_ = nullptr;
  return kListOk;
}

int TermList::next() {
  if (cursor_ == nullptr) return kListNoCursor;
  if (cursor_->next == nullptr) return kListAtEnd;
  previous_ = cursor_;
  cursor_ = cursor_->next;
  return kListOk;
}

int TermList::last() {
  if (first() != kListOk) return kListEmpty;
  while (next() == kListOk) {
  }
  return kListOk;
}

int TermList::get(const TermValue** out) const {
  if (cursor_ == nullptr) return kListNoCursor;
  if (out != nullptr) *out = &cursor_->item;
  return kListOk;
}

int TermList::get_pair(Pair* out) const {
  if (out == nullptr) return kListNoOut;
  if (cursor_ == nullptr) return kListNoCursor;
  *out = cursor_->item.as_pair();
  return kListOk;
}

int TermList::get_text(char* destination, std::size_t capacity) const {
  return copy_text_out(cursor_ != nullptr ? &cursor_->item : nullptr, destination, capacity);
}

int TermList::get_text(WideChar* destination, std::size_t capacity) const {
  return copy_text_out(cursor_ != nullptr ? &cursor_->item : nullptr, destination, capacity);
}

TermList::Node* TermList::make_node(TermValue item) {
  Node* node = new (std::nothrow) Node{item, nullptr};
  if (node == nullptr) item.release(heap());
  return node;
}

int TermList::append(TermValue item) {
  if (head_ != nullptr && cursor_ == nullptr) {
    item.release(heap());
    return kListNoCursor;
  }
  Node* node = make_node(item);
  if (node == nullptr) return kListNoMemory;
  if (head_ == nullptr) {
    head_ = cursor_ = node;
    previous_ = nullptr;
  } else {
    node->next = cursor_->next;
    cursor_->next = node;
    previous_ = cursor_;
    cursor_ = node;
  }
  ++count_;
  return kListOk;
}

int TermList::append_text(std::string_view text) {
  TermValue item;
  if (!item.assign_text(text, heap())) return kListNoMemory;
  return append(item);
}

int TermList::append_text(WideView text) {
  TermValue item;
  if (!item.assign_wide_text(text, heap())) return kListNoMemory;
  return append(item);
}

int TermList::append_pair(Pair pair) { return append(TermValue::of_pair(pair)); }

int TermList::insert_before(TermValue item) {
  if (head_ != nullptr && cursor_ == nullptr) {
    item.release(heap());
    return kListNoCursor;
  }
  Node* node = make_node(item);
  if (node == nullptr) return kListNoMemory;
  node->next = cursor_;
  if (previous_ == nullptr) {
    head_ = node;
  } else {
    previous_->next = node;
  }
  cursor_ = node;
  ++count_;
  return kListOk;
}

int TermList::insert_text_before(std::string_view text) {
  TermValue item;
  if (!item.assign_text(text, heap())) return kListNoMemory;
  return insert_before(item);
}

int TermList::insert_text_before(WideView text) {
  TermValue item;
  if (!item.assign_wide_text(text, heap())) return kListNoMemory;
  return insert_before(item);
}

int TermList::remove() {
  if (cursor_ == nullptr) return kListNoCursor;
  Node* node = cursor_;
  if (previous_ == nullptr) {
    head_ = node->next;
  } else {
    previous_->next = node->next;
  }
  cursor_ = node->next;
  node->item.release(heap());
  delete node;
  --count_;
  return kListOk;
}

int TermList::free() noexcept {
  if (head_ == nullptr) return kListEmpty;
  Node* node = head_;
  while (node != nullptr) {
    Node* next = node->next;
    node->item.release(heap());
    delete node;
    node = next;
  }
  init();
  return kListOk;
}

const TermValue* TermList::at(std::int32_t index) {
  if (index < 0 || first() != kListOk) return nullptr;
  for (std::int32_t i = 0; i < index; ++i) {
    if (next() != kListOk) return nullptr;
  }
  return &cursor_->item;
}

}  // namespace phx
