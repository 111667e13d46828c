#include "log/laned_reader.h"

#include <cstring>
#include <vector>

namespace brantlow {

namespace {

// A batch holds each line as its call, its length and its bytes. Small
// enough to stay in the caches of both cores; a few of them let the scan
// run ahead of the reader without a wait.
constexpr std::size_t kBatchBytes = std::size_t{32} << 10;
constexpr std::size_t kBatchCount = 4;
constexpr std::size_t kHead = 1 + sizeof(std::uint32_t);

}  // namespace

struct LanedReader::Batches {
  Batches(SessionReader& reader, WorkLane& lane)
      : reader(reader), lane(lane), bytes(kBatchCount * kBatchBytes) {}

  char* Room(std::size_t batch) { return bytes.data() + batch * kBatchBytes; }

  // The batch being filled goes to the lane; the next one is taken once
  // the reader is done with what it held before.
  void Send() {
    if (used == 0) return;
    const std::size_t batch = filling;
    lengths[batch] = used;
    tickets[batch] = lane.Post([this, batch] { ReadBatch(batch); });
    used = 0;
    filling = (filling + 1) % kBatchCount;
    lane.Await(tickets[filling]);
  }

  void ReadBatch(std::size_t batch) {
    const char* at = Room(batch);
    const char* const end = at + lengths[batch];
    while (at < end) {
      std::uint32_t length = 0;
      std::memcpy(&length, at + 1, sizeof length);
      Deliver(reader, static_cast<Call>(at[0]), {at + kHead, length});
      at += kHead + length;
    }
  }

  void Settle() {
    Send();
    lane.Drain();
  }

  SessionReader& reader;
  WorkLane& lane;
  std::vector<char> bytes;  // kBatchCount batches
  std::array<std::size_t, kBatchCount> lengths{};
  std::array<WorkLane::Ticket, kBatchCount> tickets{};
  std::size_t filling = 0;  // the batch the lines go into
  std::size_t used = 0;     // of it
};

LanedReader::LanedReader(SessionReader& reader, WorkLane& lane)
    : reader_(reader),
      lane_(lane),
      batches_(std::make_unique<Batches>(reader, lane)) {}

LanedReader::~LanedReader() { Settle(); }

void LanedReader::Put(Call call, std::string_view text) {
  Batches& b = *batches_;
  if (kHead + text.size() > kBatchBytes) {  // read in its turn, at once
    b.Settle();
    Deliver(reader_, call, text);
    return;
  }
  if (b.used + kHead + text.size() > kBatchBytes) b.Send();
  char* at = b.Room(b.filling) + b.used;
  at[0] = static_cast<char>(call);
  const auto length = static_cast<std::uint32_t>(text.size());
  std::memcpy(at + 1, &length, sizeof length);
  std::memcpy(at + kHead, text.data(), text.size());
  b.used += kHead + text.size();
}

void LanedReader::Deliver(SessionReader& reader, Call call,
                          std::string_view text) {
  switch (call) {
    case Call::kRead: reader.Read(text); return;
    case Call::kContinue: reader.Continue(text); return;
    case Call::kAfter: reader.ReadAfter(text); return;
  }
}

void LanedReader::Settle() const { batches_->Settle(); }

bool LanedReader::Open() const {
  Settle();
  return reader_.Open();
}

void LanedReader::Reset() {
  Settle();
  reader_.Reset();
}

std::int64_t LanedReader::malformed_lines() const {
  Settle();
  return reader_.malformed_lines();
}

}  // namespace brantlow
