// A session reader on a second core: the scan goes on cutting lines while
// the sessions are made from the lines before.
#ifndef BRANTLOW_LOG_LANED_READER_H_
#define BRANTLOW_LOG_LANED_READER_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "log/log_dialect.h"
#include "platform/work_lane.h"

namespace brantlow {

// The lines given are copied, in order, into batches the lane hands to the
// reader it wraps; whatever asks that reader anything first waits for every
// line given, so the records are those one core makes.
class LanedReader final : public SessionReader {
 public:
  LanedReader(SessionReader& reader, WorkLane& lane);
  ~LanedReader() override;  // settles

  LanedReader(const LanedReader&) = delete;
  LanedReader& operator=(const LanedReader&) = delete;

  void Read(std::string_view line) override { Put(Call::kRead, line); }
  void Continue(std::string_view piece) override {
    Put(Call::kContinue, piece);
  }
  void ReadAfter(std::string_view line) override { Put(Call::kAfter, line); }
  bool Open() const override;
  void Reset() override;
  // Asks nothing the lines change: the reader's phrases.
  bool StartsAfresh(std::string_view line) const override {
    return reader_.StartsAfresh(line);
  }
  std::int64_t malformed_lines() const override;

  // Returns once every line given has been read.
  void Settle() const;

 private:
  enum class Call : char { kRead, kContinue, kAfter };
  struct Batches;

  void Put(Call call, std::string_view text);
  static void Deliver(SessionReader& reader, Call call, std::string_view text);

  SessionReader& reader_;
  WorkLane& lane_;
  // Behind a pointer so that the const questions may send the batch
  // being filled.
  std::unique_ptr<Batches> batches_;
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LANED_READER_H_
