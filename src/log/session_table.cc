#include "log/session_table.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace brantlow {

RecordBlock& RecordBlock::operator=(RecordBlock&& other) noexcept {
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
  return *this;
}

RecordBlock::~RecordBlock() { std::free(data_); }

void RecordBlock::Reserve(std::size_t count) {
  if (count <= capacity_) return;
  void* grown = std::realloc(data_, count * sizeof(SessionRecord));
  if (grown == nullptr) throw std::bad_alloc();
  data_ = static_cast<SessionRecord*>(grown);
  capacity_ = count;
}

void RecordBlock::AppendZeroed() {
  if (size_ == capacity_) Reserve(capacity_ < 64 ? 64 : capacity_ * 2);
  std::memset(static_cast<void*>(data_ + size_), 0, sizeof(SessionRecord));
  ++size_;
}

void RecordBlock::Resize(std::size_t count) {
  Reserve(count);
  if (count > size_)
    std::memset(static_cast<void*>(data_ + size_), 0,
                (count - size_) * sizeof(SessionRecord));
  size_ = count;
}

void SessionTable::Reorder(const std::vector<int>& order) {
  // Where each record goes: its place in order, or after the kept ones.
  const std::size_t count = records_.size();
  std::vector<std::size_t> place(count, count);
  for (std::size_t k = 0; k < order.size(); ++k) place[Slot(order[k])] = k;
  std::size_t dropped = order.size();
  for (std::size_t& p : place)
    if (p == count) p = dropped++;
  // Each swap puts one record in its place for good.
  SessionRecord* r = records_.data();
  for (std::size_t i = 0; i < count; ++i)
    while (place[i] != i) {
      std::swap(r[i], r[place[i]]);
      std::swap(place[i], place[place[i]]);
    }
  records_.Resize(order.size());
}

}  // namespace brantlow
