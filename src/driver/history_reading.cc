#include "driver/history_reading.h"

#include <optional>

#include "base/text_fields.h"
#include "log/log_piece_reader.h"
#include "log/log_years.h"
#include "log/window.h"
#include "platform/console.h"

namespace brantlow {

namespace {

// How much of the log's end is looked at for its last dated line.
constexpr std::size_t kTailBytes = 64 << 10;

// The first dated line among the log's first bytes.
std::optional<DayMonth> FirstLogDay(ByteWindow& log, const LogDialect& d) {
  std::string_view head = log.At(0).substr(0, kTailBytes);
  while (!head.empty()) {
    const std::size_t end = head.find('\n');
    if (const auto stamp = d.Stamp(head.substr(0, end))) return stamp->date;
    if (end == std::string_view::npos) break;
    head.remove_prefix(end + 1);
  }
  return std::nullopt;
}

// The last dated line among the log's last bytes.
std::optional<DayMonth> LastLogDay(FileWindow& log, const LogDialect& d) {
  const std::int64_t from =
      log.size() > static_cast<std::int64_t>(kTailBytes)
          ? log.size() - static_cast<std::int64_t>(kTailBytes)
          : 0;
  std::string tail(kTailBytes, '\0');
  tail.resize(log.ReadAt(from, tail.data(), tail.size()));
  std::string_view rest = tail;
  // A cut first line is not a line.
  if (from > 0) rest.remove_prefix(std::min(rest.size(), rest.find('\n') + 1));
  std::optional<DayMonth> last;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    if (const auto stamp = d.Stamp(rest.substr(0, end))) last = stamp->date;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return last;
}

// The years the log's lines run over, counted from its first line.
int LogYearCount(const std::string& path, const LogDialect& d) {
  FileWindow log;
  if (!log.Open(path.c_str())) return 0;
  LogYears years(d);
  LogPieceReader reader(log);
  LogPiece piece;
  bool line_start = true;
  while (reader.Next(piece)) {
    if (line_start) years.See(piece.data, piece.raw_length);
    line_start = piece.line_end;
  }
  return years.year();
}

// The first day and the number of days the run reads.
struct RunDays {
  YearDay first;
  int count = 1;
};

RunDays DaysOf(const RunSettings& s) {
  if (s.period_given)
    return {{s.period.first_year, s.period.first}, s.period.days};
  const Window window = MakeWindow(s.start_date, s.times, s.today);
  return {{window.year, window.first}, window.day_count()};
}

// The days the log does not hold, first to last, with their years: none
// when the run's days begin on or after the log's first day. The log's
// last line lies in this year, or the year before when its month lies
// after today's.
struct OlderDays {
  YearDay first;
  YearDay last;
  YearDay log_first;
};

std::optional<OlderDays> DaysBeforeLog(const RunSettings& s,
                                       const LocalDate& now, int this_year,
                                       FileWindow& log, const LogDialect& d) {
  const RunDays days = DaysOf(s);
  const YearDay today{this_year, {now.day, now.month}};
  const std::optional<DayMonth> head = FirstLogDay(log, d);
  const std::optional<DayMonth> tail = LastLogDay(log, d);
  // A log with dated lines at one end only is not one to measure.
  if (head.has_value() != tail.has_value()) return std::nullopt;
  YearDay log_last = today;
  YearDay log_first = NextDay(today);
  if (head && tail) {
    log_last = {this_year - (tail->month > now.month ? 1 : 0), *tail};
    log_first = LatestOnOrBefore(*head, log_last);
  }
  const YearDay first = days.first;
  if (!(first < log_first)) return std::nullopt;
  // Only now is the log's own length worth a reading: one over a year
  // holds the days after all.
  if (head && tail) {
    log_first.year = log_last.year - LogYearCount(s.log_path, d);
    if (!(first < log_first)) return std::nullopt;
  }
  YearDay last = first;
  for (int k = 1; k < days.count; ++k) last = NextDay(last);
  if (!(last < log_first)) last = PreviousDay(log_first);
  return OlderDays{first, last, log_first};
}

std::string DayText(YearDay day) { return DayMonthText(day.date); }

}  // namespace

void HistoryReading::Warn(const std::string& text,
                          std::vector<std::string>& to) {
  to.push_back(text);
  Printf("Warning: %s\n", text.c_str());
}

bool HistoryReading::Prepare(const RunContext& run, const LocalDate& now,
                             FileWindow& log) {
  const RunSettings& s = run.settings;
  if (s.log_path == "-") return true;
  const int this_year = FieldNumber(now.text, 20, 4);
  const HistoryRequest request{
      s.pack_directory, s.packer_kind,    s.packer_command, s.line_number,
      s.history_masks,  s.temp_directory, this_year,        run.dialect};
  if (!MayHaveSources(request)) return true;
  const std::optional<OlderDays> older =
      DaysBeforeLog(s, now, this_year, log, *run.dialect);
  if (!older) return true;
  sources_ = SourcesOfLine(request, older->first, older->last);
  for (const std::string& problem : sources_->problems)
    Warn(problem + "; the days it holds are not read", warnings_);
  int parts = 0;
  int files = 0;
  for (const SourceSegment& segment : sources_->segments)
    ++(sources_->is_part[segment.source] ? parts : files);
  if (!sources_->segments.empty()) {
    Printf("Before the log's first day %s: %s-%s read from",
           DayText(older->log_first).c_str(),
           DayText(sources_->segments.front().first).c_str(),
           DayText(sources_->segments.back().last).c_str());
    Printf(" %d packed part(s), %d History file(s)\n", parts, files);
    LineSources* sources = sources_.get();
    chain_ = std::make_unique<SourceChain>(
        sources_->segments,
        [sources](std::size_t i) { return sources->Open(i); }, log);
  }
  return sources_->problems.empty();
}

bool HistoryReading::Finish(std::vector<std::string>& record_warnings) {
  if (!chain_) return true;
  for (const std::size_t source : chain_->failures())
    Warn(sources_->paths[source] +
             ": could not be read to its end; its days are cut short",
         record_warnings);
  return chain_->failures().empty();
}

}  // namespace brantlow
