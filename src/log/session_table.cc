#include "log/session_table.h"

#include <algorithm>
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

void SessionTable::Store(StoredText& t, std::string_view text,
                         std::size_t room) {
  text = text.substr(0, std::min(room, text.find('\0')));
  // Most records repeat a text another holds (their mailer, their modem's
  // connect string): one kept lately is shared. A text set again goes to
  // the end, the old one staying unread.
  if (text.empty()) {
    t = {};
    return;
  }
  StoredText& recent =
      recent_[(text.size() * 31 + static_cast<unsigned char>(text.front()) +
               static_cast<unsigned char>(text.back())) %
              recent_.size()];
  if (recent.length == text.size() && Stored(recent) == text) {
    t = recent;
    return;
  }
  t.at = static_cast<std::uint32_t>(text_.size());
  t.length = static_cast<std::uint32_t>(text.size());
  text_.append(text);
  recent = t;
}

void SessionTable::AddAka(SessionRecord& r, std::string_view address) {
  const std::size_t used = r.akas.length;
  const std::size_t blank = used > 0 ? 1 : 0;
  if (address.empty() || used + blank + address.size() >= kAkaRoom) return;
  // The record's text goes on at the end of the store; moved there first
  // when another record's came after it.
  if (r.akas.at + used != text_.size()) {
    const std::string text(Akas(r));
    r.akas.at = static_cast<std::uint32_t>(text_.size());
    text_.append(text);
  }
  if (blank != 0) text_.push_back(' ');
  text_.append(address);
  r.akas.length = static_cast<std::uint32_t>(used + blank + address.size());
}

void SessionTable::Reorder(const std::vector<int>& order) {
  // Where each place's record comes from: its source in order, the
  // dropped records after the kept ones.
  const std::size_t count = records_.size();
  std::vector<std::size_t> source(count, count);
  std::vector<bool> kept(count, false);
  for (std::size_t k = 0; k < order.size(); ++k) {
    source[k] = Slot(order[k]);
    kept[Slot(order[k])] = true;
  }
  std::size_t dropped = order.size();
  for (std::size_t i = 0; i < count; ++i)
    if (!kept[i]) source[dropped++] = i;
  // Each cycle of places is followed once with one record held aside:
  // every record is copied once, where swaps would copy it three times.
  SessionRecord* r = records_.data();
  for (std::size_t start = 0; start < count; ++start) {
    if (source[start] == start || source[start] == count) continue;
    const SessionRecord held = r[start];
    std::size_t at = start;
    while (source[at] != start) {
      const std::size_t from = source[at];
      r[at] = r[from];
      source[at] = count;  // in place
      at = from;
    }
    r[at] = held;
    source[at] = count;
  }
  records_.Resize(order.size());
}

}  // namespace brantlow
