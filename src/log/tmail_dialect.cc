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

// "dd/mm hh:mm:ss": the day at column 0, the month at 3.
constexpr DateColumns kColumns{0, false, 3, false, 14, 6};

class TmailDialectImpl final : public LogDialect {
 public:
  std::string_view name() const override { return "T-Mail"; }
  std::string_view key() const override { return "tmail"; }

  std::optional<DateColumns> date_columns() const override { return kColumns; }

  bool CertainlyOutside(const char* piece, std::size_t length,
                        const DaySet& days) const override {
    return OutsideAt(kColumns, piece, length, days);
  }

  int QuickMonth(const char* line, std::size_t length) const override {
    return MonthAt(kColumns, line, length);
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
    auto reader = std::make_unique<SessionExtractor>(
        setup.table, setup.phrases, setup.processes, setup.detect_processes,
        setup.scratch);
    if (setup.spans_only) reader->ReadSpansOnly();
    return reader;
  }
};

}  // namespace

const LogDialect& TmailDialect() {
  static const TmailDialectImpl dialect;
  return dialect;
}

}  // namespace brantlow
