// TermList: a singly linked list with one cursor. Every ordered result of the
// engine (phrases, scores, highlights, candidates in order of first
// occurrence, held-back text, go phrases) is one of these.
//
// Items are owned: an 8-bit text, a wide text or an 8-byte pair. Appending
// inserts after the cursor and moves the cursor onto the new node, so
// consecutive appends keep their order; inserting before the cursor is how
// sorted lists are built. The cursor persists between calls, so a list has one
// reader position at a time.
//
// Result codes are the containers' own: 0 success, 1 empty list (first, free),
// 2 no cursor, 3 cursor on the last node (next), 4 allocation failure,
// 5 missing out-parameter.
#pragma once

#include <cstdint>
#include <string_view>

#include "containers/term_value.h"

namespace phx {

enum TermListResult : int {
  kListOk = 0,
  kListEmpty = 1,
  kListNoCursor = 2,
  kListAtEnd = 3,
  kListNoMemory = 4,
  kListNoOut = 5,
};

class TermList {
 public:
  struct Node {
    TermValue item;
    Node* next = nullptr;
  };

  TermList() = default;
  TermList(const TermList&) = delete;
  TermList& operator=(const TermList&) = delete;
  ~TermList() { free(); }

  // Makes the list empty without releasing anything (the list must not own
  // nodes at this point; use free() for that).
  void init() { head_ = cursor_ = previous_ = nullptr; count_ = 0; }

  int first();
  int next();
  // Moves the cursor to the last node, so that appends extend the list at its
  // end after a walk; 1 if the list is empty.
  int last();
  int get(const TermValue** out) const;
  int get_pair(Pair* out) const;
  // Copies the text under the cursor, with its terminator, into `destination`,
  // which must hold at least `capacity` units; a longer text is cut.
  int get_text(char* destination, std::size_t capacity) const;
  int get_text(WideChar* destination, std::size_t capacity) const;

  // Takes ownership of `item` (made with the heap resource); on failure the
  // item is released.
  int append(TermValue item);
  int append_text(std::string_view text);
  int append_text(WideView text);
  int append_pair(Pair pair);
  int insert_before(TermValue item);
  int insert_text_before(std::string_view text);
  int insert_text_before(WideView text);
  int remove();
  int free() noexcept;

  bool empty() const { return head_ == nullptr; }
  std::int32_t size() const { return count_; }
  const Node* head() const { return head_; }
  const Node* cursor() const { return cursor_; }

  // The item at `index` (from 0), reached by walking from the head as the
  // positional lookups do; leaves the cursor there. Null when out of range.
  const TermValue* at(std::int32_t index);

 private:
  Node* make_node(TermValue item);

  Node* head_ = nullptr;
  Node* cursor_ = nullptr;
  Node* previous_ = nullptr;
  std::int32_t count_ = 0;
};

}  // namespace phx
