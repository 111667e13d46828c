// T-Mail's log: "dd/mm hh:mm:ss " at the start of every line it writes.
#include <cstring>

#include "base/text_fields.h"
#include "log/line_processor.h"
#include "log/log_dialect.h"
#include "log/log_scan.h"
#include "log/session_extractor.h"

namespace brantlow {

namespace {

unsigned Digit(char c) {
  return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
}

class TmailDialectImpl final : public LogDialect {
 public:
  std::string_view name() const override { return "T-Mail"; }
  std::string_view key() const override { return "tmail"; }

  bool CertainlyOutside(const char* piece, std::size_t length,
                        const DaySet& days) const override {
    // A line is seen up to its first NUL: one that begins with it is
    // empty, and its day reads as 0.
    if (length >= 1 && piece[0] == '\0') return !days.HasDay(0);
    if (length < 2) return false;
    const unsigned d0 = Digit(piece[0]), d1 = Digit(piece[1]);
    if (d0 > 9 || d1 > 9) return false;
    const int day = static_cast<int>(d0 * 10 + d1);
    if (!days.HasDay(day)) return true;
    if (length < 5 || piece[2] == '\0') return false;
    const unsigned m0 = Digit(piece[3]), m1 = Digit(piece[4]);
    return m0 <= 9 && m1 <= 9 &&
           days.Index(day, static_cast<int>(m0 * 10 + m1)) < 0;
  }

  int QuickMonth(const char* line, std::size_t length) const override {
    if (length < 14) return 0;
    const unsigned m0 = Digit(line[3]), m1 = Digit(line[4]);
    if (m0 > 9 || m1 > 9) return 0;
    const int month = static_cast<int>(m0 * 10 + m1);
    return month >= 1 && month <= 12 ? month : 0;
  }

  // "dd/mm hh:mm:ss", day 1 to 31, month 1 to 12.
  std::optional<LineStamp> Stamp(std::string_view line) const override {
    if (QuickMonth(line.data(), line.size()) == 0 ||
        !LooksLikeTmailLine(line.data(), line.size()))
      return std::nullopt;
    const unsigned day = Digit(line[0]) * 10 + Digit(line[1]);
    if (day < 1 || day > 31) return std::nullopt;
    auto two = [&line](std::size_t i) {
      return static_cast<int>(Digit(line[i]) * 10 + Digit(line[i + 1]));
    };
    LineStamp stamp;
    stamp.date = {static_cast<int>(day), two(3)};
    stamp.hour = two(6);
    stamp.minute = two(9);
    stamp.second = two(12);
    return stamp;
  }

  bool Inside(std::string_view line, const WindowDay& day) const override {
    return InsideWindow(line, day);
  }

  std::optional<DayMonth> DayOf(std::string_view line) const override {
    return DayMonth{FieldNumber(line, 0, 2), FieldNumber(line, 3, 2)};
  }

  std::unique_ptr<SessionReader> MakeReader(
      const ReaderSetup& setup) const override {
    return std::make_unique<SessionExtractor>(
        setup.table, setup.phrases, setup.processes, setup.detect_processes,
        setup.scratch);
  }
};

}  // namespace

const LogDialect& TmailDialect() {
  static const TmailDialectImpl dialect;
  return dialect;
}

}  // namespace brantlow
