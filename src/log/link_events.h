// The calls a station made to each link and how they ended, and the good
// sessions it had with each: read beside the session reader from the same
// lines, by a recogniser of the log's own mailer.
#ifndef BRANTLOW_LOG_LINK_EVENTS_H_
#define BRANTLOW_LOG_LINK_EVENTS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/calendar.h"
#include "log/log_dialect.h"
#include "log/log_phrases.h"

namespace brantlow {

// Why a call did not give a session: the modem's answers to a dial, a
// handshake that failed after the connect, and binkd's failed connects.
enum class CallFailure : std::uint8_t {
  kNoCarrier,
  kBusy,
  kNoAnswer,
  kNoDialTone,
  kHandshake,
  kRefused,     // binkd: connection refused
  kTimedOut,    // binkd: connection timed out
  kUnresolved,  // binkd: the host name could not be resolved
  kNetwork,     // binkd: any other reason its connect failed
};
inline constexpr std::size_t kCallFailures = 9;

inline std::size_t Slot(CallFailure f) { return static_cast<std::size_t>(f); }

// When a good session began, as its first line gives it.
struct SessionStart {
  DayMonth date;
  int second = 0;  // of the day
};

// What one address's lines held. A good session is one that reached its
// closing line (T-Mail's summary line, binkd's "done" saying OK).
struct LinkCounts {
  int calls = 0;      // calls the station made to it
  int connected = 0;  // calls that reached a connect
  std::array<int, kCallFailures> failed{};
  int incoming = 0;  // good sessions it called in
  std::vector<SessionStart> good;
};

// Per address (as the session table writes it), in address order.
using LinkEvents = std::map<std::string, LinkCounts, std::less<>>;

// Fed the same lines as the session reader. Allocates only for an
// address or a good session it has not seen.
class LinkRecogniser {
 public:
  virtual ~LinkRecogniser() = default;
  virtual void Read(std::string_view line) = 0;
  // The next piece of a line longer than one read.
  virtual void Continue(std::string_view /*piece*/) {}
  // Forgets everything: the scan starts over with a later year.
  void Reset() {
    events_.clear();
    Forget();
  }
  const LinkEvents& events() const { return events_; }

 protected:
  LinkCounts& At(std::string_view address);
  virtual void Forget() = 0;

 private:
  LinkEvents events_;
};

// The recogniser of a dialect's log; the phrases are T-Mail's language.
std::unique_ptr<LinkRecogniser> MakeLinkRecogniser(const LogDialect& dialect,
                                                   const LogPhrases& phrases);

// A session reader that also hands every line to a link recogniser; the
// scan sees one reader.
class LinkWatch final : public SessionReader {
 public:
  LinkWatch(std::unique_ptr<SessionReader> reader,
            std::unique_ptr<LinkRecogniser> links)
      : reader_(std::move(reader)), links_(std::move(links)) {}
  void Read(std::string_view line) override {
    reader_->Read(line);
    links_->Read(line);
  }
  void Continue(std::string_view piece) override {
    reader_->Continue(piece);
    links_->Continue(piece);
  }
  // Past the window the sessions' own lines go on; the calls counted are
  // those of the window's lines.
  bool Open() const override { return reader_->Open(); }
  void ReadAfter(std::string_view line) override { reader_->ReadAfter(line); }
  void Reset() override {
    reader_->Reset();
    links_->Reset();
  }
  std::int64_t malformed_lines() const override {
    return reader_->malformed_lines();
  }
  const LinkEvents& events() const { return links_->events(); }

 private:
  std::unique_ptr<SessionReader> reader_;
  std::unique_ptr<LinkRecogniser> links_;
};

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LINK_EVENTS_H_
