#include "driver/driver.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "driver/analysis.h"
#include "driver/configuration.h"
#include "driver/credits.h"
#include "driver/echo_posting.h"
#include "driver/file_names.h"
#include "driver/help_screen.h"
#include "driver/line_run.h"
#include "driver/options.h"
#include "driver/outputs.h"
#include "driver/period_analysis.h"
#include "driver/progress.h"
#include "driver/run_context.h"
#include "driver/run_files.h"
#include "driver/station.h"
#include "log/log_dialect.h"
#include "log/window.h"
#include "maintenance/directory_preparation.h"
#include "maintenance/file_deletion.h"
#include "maintenance/log_packing.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/file_window.h"
#include "platform/run_lock.h"
#include "platform/system_error.h"
#include "platform/text_file.h"
#include "reports/run_record.h"

namespace brantlow {

namespace {

constexpr int kOpenAttempts = 151;

// A run that reached its end but failed at something it was asked to do.
constexpr int kSomethingFailed = 2;

// Every fatal exit of the run: its message, the help screen (unless the
// message says all), status 1.
int Fatal(const std::string& message, const RunSettings& settings,
          bool help = true) {
  Print(message);
  if (help) ShowHelp(settings.pause_help_off);
  return 1;
}

// How many report files the connect and files tables make together.
int OutFileCount(const RunSettings& s) {
  return 1 + (s.connect_mode == TableMode::kOwnFile ? 1 : 0) +
         (s.files_mode == TableMode::kOwnFile ? 1 : 0);
}

void PrintSettingsSummary(const RunSettings& s) {
  if (s.line_number == 0)
    Print("\n");
  else
    Printf("\nFor Line %d:\n", s.line_number);
  if (s.crash_poll_period != 0)
    Printf("Crashpoll Time = %dmin %dsec      ", s.crash_poll_period / 60,
           s.crash_poll_period % 60);
  else
    Print("Don`t analyze crashpolers      ");
  const bool connect = Wanted(s.connect_mode);
  const bool files = Wanted(s.files_mode);
  if (connect && files)
    Printf("Analyze Connect & Files data: %d OutFile(s)\n", OutFileCount(s));
  else if (connect)
    Printf("Analyze Connect data: %d OutFile(s)\n", OutFileCount(s));
  else if (files)
    Printf("Analyze Files data: %d OutFile(s)\n", OutFileCount(s));
  else
    Print("Don`t analyze Connect & Files data\n");
}

// A period run writes the period report only: the commands that make day
// files have nothing to do, and say so once.
ScanCounts RunPeriod(RunContext& run, ByteWindow& log, DiskFiles& files,
                     ConsoleProgress& progress, RunRecord& record) {
  RunSettings& s = run.settings;
  if (Cuts(s.cut_mode) || Wanted(s.connect_mode) || Wanted(s.files_mode) ||
      Wanted(s.bbs_mode))
    Print(
        "\nA period makes no cut file, connect, files or BBS-user file: "
        "+F, +f(-s), +l, +a and +b are ignored\n");
  s.cut_mode = CutMode::kNone;
  s.connect_mode = TableMode::kOff;
  s.files_mode = TableMode::kOff;
  s.bbs_mode = BbsMode::kOff;
  PrintSettingsSummary(s);
  Printf("Period %2.2d.%2.2d-%2.2d.%2.2d, %d day(s)\n", s.period.first.day,
         s.period.first.month, s.period.last.day, s.period.last.month,
         s.period.days);
  return AnalysePeriod(run, log, files, progress, record);
}

// The commands that shaped the run, as they would be written.
std::string Commands(const RunSettings& s) {
  std::string text;
  auto add = [&](const char* command) {
    if (!text.empty()) text += ' ';
    text += command;
  };
  if (s.cut_mode == CutMode::kCutAndAnalyse) add("+F");
  if (s.cut_mode == CutMode::kCutOnly) add("+f(-s)");
  if (s.connect_mode == TableMode::kInStatistics) add("+l");
  if (s.connect_mode == TableMode::kOwnFile) add("+l(-s)");
  if (s.files_mode == TableMode::kInStatistics) add("+a");
  if (s.files_mode == TableMode::kOwnFile) add("+a(-s)");
  if (s.bbs_mode == BbsMode::kUserFile) add("+b");
  if (s.bbs_mode == BbsMode::kUserFileHidden) add("+b(-s)");
  if (s.no_histogram) add("-g");
  return text;
}

}  // namespace

bool WriteExport(const std::string& path, std::string_view bytes) {
  SystemError error;
  const FileOutcome outcome = WriteWholeFile(path, bytes, error);
  if (outcome == FileOutcome::kOk) return true;
  Printf(outcome == FileOutcome::kNotOpened ? "Error: Unable to create %s\n"
                                            : "Error: Unable to write %s\n",
         path.c_str());
  Print(ReasonLine(path, error));
  return false;
}

namespace {

// False when one of them could not be written.
bool WriteExports(const LongOptions& options, const RunSettings& s,
                  RunRecord& record) {
  bool ok = true;
  record.commands = Commands(s);
  for (const OutputFormat& output : Outputs())
    if (options.Wants(output.option))
      ok &= WriteExport(output.file_name(s.line_number, record.is_period),
                        output.write(record));
  return ok;
}

// The report this run wrote, once more on the original standard output;
// false when it was to be copied and could not be.
bool CopyReport(std::FILE* report_stream, const DiskFiles& files,
                Destination d) {
  if (report_stream == nullptr) return true;
  SystemError error;
  if (files.written(d) &&
      CopyFileToStream(files.path(d).c_str(), report_stream, error))
    return true;
  Print("Error: Unable to copy the report to standard output\n");
  if (files.written(d)) Print(ReasonLine("standard output", error));
  return false;
}

void ReadConfigurationFile(RunContext& run) {
  RunSettings& settings = run.settings;
  TextFile configuration;
  const std::string name = ConfigurationFileName(settings.line_number);
  if (!configuration.OpenRead(name.c_str())) {
    // One that is there but cannot be read is not simply missing: its
    // tariffs, deletions and packing are lost for this run.
    if (!IsNotFound(configuration.error()))
      Printf("\nError: Unable to read %s: %s", name.c_str(),
             SystemErrorText(configuration.error()).c_str());
    Print("\nWork without config?! As you want...\n");
    settings.no_configuration = true;
    return;
  }
  ConfigurationTables tables{run.processes, run.costs, run.files_no_scan,
                             run.files_kill, &run.links};
  ReadConfiguration(configuration, settings, tables);
}

std::string UnreadableLog(const std::string& path, SystemError error) {
  return "Error: Unable to open InFile \n" + ReasonLine(path, error);
}

// The day and hours of the window, as the user gives them: "15.03
// 00:00-23:59", or "15.03 23:00-16.03 08:00" across midnight.
std::string WindowText(const Window& w) {
  char text[48];
  if (w.crosses_midnight)
    std::snprintf(text, sizeof text, "%02d.%02d %02d:%02d-%02d.%02d %02d:%02d",
                  w.first.day, w.first.month, w.start_hour, w.start_minute,
                  w.second.day, w.second.month, w.end_hour, w.end_minute);
  else
    std::snprintf(text, sizeof text, "%02d.%02d %02d:%02d-%02d:%02d",
                  w.first.day, w.first.month, w.start_hour, w.start_minute,
                  w.end_hour, w.end_minute);
  return text;
}

// The days of a period as the warnings name them: "09.03-15.03".
std::string PeriodText(const Period& p) {
  char text[32];
  std::snprintf(text, sizeof text, "%2.2d.%2.2d-%2.2d.%2.2d", p.first.day,
                p.first.month, p.last.day, p.last.month);
  return text;
}

// The mailer LogType names, else the one whose dated lines the first lines
// of the log are.
const LogDialect* ChooseDialect(const RunSettings& settings, ByteWindow& log) {
  if (const LogDialect* named = DialectNamed(settings.log_type)) return named;
  constexpr std::size_t kHeadBytes = 8192;
  return &DialectOfLines(log.At(0).substr(0, kHeadBytes));
}

// Packing knows T-Mail's dated lines only: the mailer of a log it must
// leave whole, or null for a T-Mail log (or one that cannot be opened,
// which packing tells).
const LogDialect* OtherMailer(const RunSettings& settings) {
  const LogDialect* dialect = DialectNamed(settings.log_type);
  FileWindow head;
  if (dialect == nullptr && head.Open(settings.log_path.c_str()))
    dialect = ChooseDialect(settings, head);
  return dialect != nullptr && dialect != &TmailDialect() ? dialect : nullptr;
}

// Tells when the reports cannot be what the user wanted: a log of another
// kind or encoding, or no line of the window's days. The record keeps
// the warnings and what was read.
void TellWarnings(const ScanCounts& counts, const std::string& log_path,
                  const std::string& window_text, const LogDialect& dialect,
                  RunRecord& record) {
  record.lines_read = counts.lines;
  record.read_from = counts.start;
  record.read_to = counts.end;
  record.lines_inside = counts.inside_lines;
  const char* log = log_path.c_str();
  char text[1024];
  auto warn = [&] {
    record.warnings.emplace_back(text);
    Printf("Warning: %s\n", text);
  };
  if (counts.tmail_lines == 0) {
    std::snprintf(text, sizeof text, "no line of %s looks like a %.*s log line",
                  log, static_cast<int>(dialect.name().size()),
                  dialect.name().data());
    warn();
  }
  if (counts.utf8_lines > 0) {
    std::snprintf(text, sizeof text, "%s is UTF-8 encoded: read as CP866 text",
                  log);
    warn();
  }
  if (counts.malformed_lines > 0) {
    const bool one = counts.malformed_lines == 1;
    std::snprintf(
        text, sizeof text, "%lld %s of %s %s: read as 0",
        static_cast<long long>(counts.malformed_lines), one ? "line" : "lines",
        log,
        one ? "holds a malformed byte count" : "hold malformed byte counts");
    warn();
  }
  if (counts.tmail_lines > 0 && counts.inside_lines == 0) {
    std::snprintf(text, sizeof text, "no line of %s lies inside the %s %s", log,
                  record.is_period ? "period" : "window", window_text.c_str());
    warn();
  }
}

// False when the run must not go on: no lock, and not told to go on.
bool TakeRunLock(RunLock& lock, int line, bool go_on_unlocked) {
  SystemError error;
  const std::string path = LockFileName(line);
  if (lock.Acquire(
          path,
          [line] {
            if (line == 0)
              Print("Waiting for another run in this directory...\n");
            else
              Printf(
                  "Waiting for another run of line %d in this directory...\n",
                  line);
            FlushConsole();
          },
          error))
    return true;
  Printf("Error: Unable to lock this directory%s\n",
         go_on_unlocked ? "; going on unguarded (--no-lock)" : "");
  Print(ReasonLine(path, error));
  return go_on_unlocked;
}

// What answers at once, before anything is printed or read: an unknown
// option, --help, --version. None for a run.
std::optional<int> AnswerAtOnce(const LongOptions& options) {
  if (!options.unknown.empty()) {
    PrintError(UnknownOptionText(options.unknown));
    return 2;
  }
  if (options.help) {
    Print(UsageText());
    return 0;
  }
  if (options.version) {
    Print(VersionText());
    return 0;
  }
  return std::nullopt;
}

// Packs the log when the configuration asks for it and it can be packed.
// False for a log that cannot be read (error says why); failed is set when
// the packing failed otherwise.
bool PackStep(const RunSettings& s, const LocalDate& now, bool& failed,
              SystemError& error) {
  const bool packs = s.pack_day >= 2 && s.pack_day <= 30;
  if (!packs) return true;
  if (s.log_path == "-") {
    Print("\nThe log comes from standard input: it is not packed\n");
    return true;
  }
  if (const LogDialect* other = OtherMailer(s)) {
    Printf("\nThe log is a %.*s log: it is not packed\n",
           static_cast<int>(other->name().size()), other->name().data());
    return true;
  }
  const PackRequest request{s.log_path,   s.pack_directory, s.pack_day,
                            now.text,     s.packer_command, s.packer_kind,
                            s.line_number};
  const PackOutcome packed = PackLog(request, error);
  if (packed == PackOutcome::kFailed) failed = true;
  return packed != PackOutcome::kLogUnreadable;
}

// The log, or standard input for "-"; a log the mailer holds may take a
// few tries.
bool OpenLog(const RunSettings& s, FileWindow& log) {
  if (s.log_path == "-") return log.OpenStandardInput();
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt)
    if (log.Open(s.log_path.c_str())) return true;
  return false;
}

// What every run shares once the log is read: the warnings, the outputs of
// the table (when the run made its report), the report on standard
// output, the deletions. False when one of them failed.
bool FinishRun(RunContext& run, const LongOptions& options,
               const ScanCounts& counts, const std::string& scope_text,
               bool reported, Destination report, std::FILE* report_stream,
               DiskFiles& files, RunRecord& record) {
  const RunSettings& s = run.settings;
  TellWarnings(counts, s.log_path, scope_text, *run.dialect, record);
  bool ok = true;
  if (report == Destination::kStatistics) files.RemoveScratch();
  if (reported) {
    ok &= WriteExports(options, s, record);
    ok &= CopyReport(report_stream, files, report);
    if (options.post_area && files.written(report))
      ok &= PostReport(s, {*options.post_area, report, files.path(report),
                           scope_text, options.utf8, run.now});
  } else if (options.post_area) {
    Print("\nNo report was made (+f(-s)): nothing is posted\n");
  }
  ok &= !files.failed();
  ok &= RunDeletionStep(run.files_kill);
  return ok;
}

// The cut file (when asked for) and the scratch file of a one-day run;
// false when the cut asked for cannot be made.
bool PrepareDayFiles(RunSettings& s, const Window& window, DiskFiles& files) {
  const DirectoryStatus directories =
      PrepareDirectories(s.cut_directory, window, s.cut_mode, s.temp_directory);
  bool ok = true;
  if (Cuts(s.cut_mode)) {
    if (directories == DirectoryStatus::kBadCutDirectory) {
      ok = false;
    } else {
      files.SetPath(Destination::kCut, s.cut_directory);
      files.Open(Destination::kCut, OpenMode::kAppend);
    }
  }
  files.SetPath(Destination::kScratch,
                JoinPath(s.temp_directory, ScratchFileName(s.line_number)));
  files.Open(Destination::kScratch, OpenMode::kFresh);
  return ok;
}

// The record the outputs read; it keeps every session's row only when an
// output of the table lists them.
RunRecord EmptyRecord(const LongOptions& options, const ByteWindow& log) {
  RunRecord record;
  record.log_bytes = log.size();
  record.keeps_session_rows = false;
  for (const OutputFormat& output : Outputs())
    if (options.Wants(output.option) && output.session_rows)
      record.keeps_session_rows = true;
  return record;
}

// The analysis of the window or the period, then what every run shares.
// False when something asked for failed. kept gets the record of a run
// that made its report.
bool AnalyseRun(RunContext& run, const LongOptions& options, FileWindow& log,
                std::FILE* report_stream, std::optional<RunRecord>& kept) {
  RunSettings& s = run.settings;
  DiskFiles files(s.line_number);
  if (options.utf8) files.WriteReportsInUtf8();
  // A pipe has no size to measure a bar by.
  ConsoleProgress progress(/*bar=*/s.log_path != "-");
  RunRecord record = EmptyRecord(options, log);
  if (s.period_given) {
    const ScanCounts counts = RunPeriod(run, log, files, progress, record);
    log.Close();
    const bool ok =
        FinishRun(run, options, counts, PeriodText(s.period), true,
                  Destination::kPeriod, report_stream, files, record);
    kept = std::move(record);
    return ok;
  }
  const Window window = MakeWindow(s.start_date, s.times);
  const bool cut_ok = PrepareDayFiles(s, window, files);
  PrintSettingsSummary(s);
  const ScanCounts counts = Analyse(run, window, log, files, progress, record);
  log.Close();
  const bool ok =
      FinishRun(run, options, counts, WindowText(window), Analyses(s.cut_mode),
                Destination::kStatistics, report_stream, files, record);
  if (Analyses(s.cut_mode)) kept = std::move(record);
  return cut_ok && ok;
}

// A stopped line: its message, told as every fatal exit tells it; the
// help screen only for a run of its own (a station goes on to its next
// line).
LineOutcome Stopped(LineOutcome outcome, const std::string& message,
                    const RunSettings& settings, bool help = true) {
  outcome.status = Fatal(message, settings, help && !outcome.in_station);
  outcome.error = message;
  return outcome;
}

// The settings of the line up to the log: the lock, the configuration,
// the log's path, the posting keys and the packing.
std::optional<LineOutcome> PrepareLine(Arguments args, const LineRequest& line,
                                       RunContext& run, RunLock& lock,
                                       LineOutcome& outcome) {
  RunSettings& settings = run.settings;
  // Runs of one line in one directory write the same files: one at a time.
  // Without a safe lock file the run goes on only when told to.
  if (!TakeRunLock(lock, settings.line_number, line.options.no_lock)) {
    outcome.status = kSomethingFailed;
    outcome.error = "Error: Unable to lock this directory\n";
    return outcome;
  }
  ReadConfigurationFile(run);
  TakeLogPath(args, settings);
  outcome.log_path = settings.log_path;
  run.now = line.now;
  if (line.options.post_area) {
    const std::string problem =
        PostingProblem(settings, *line.options.post_area);
    if (!problem.empty())
      return Stopped(outcome, problem, settings, /*help=*/false);
  }
  SystemError log_error;
  bool failed = false;
  if (!PackStep(settings, line.now, failed, log_error))
    return Stopped(outcome, UnreadableLog(settings.log_path, log_error),
                   settings);
  if (failed) outcome.status = kSomethingFailed;
  return std::nullopt;
}

}  // namespace

LineOutcome RunLine(Arguments args, const LineRequest& line) {
  LineOutcome outcome;
  outcome.in_station = line.station_line.has_value();
  // The tables are large: they live on the heap, one set per run.
  auto run = std::make_unique<RunContext>();
  RunSettings& settings = run->settings;
  if (FirstPass(args, settings) == FirstPassResult::kHelpRequested)
    return Stopped(outcome, "", settings);
  if (line.station_line) settings.line_number = *line.station_line;
  outcome.line_number = settings.line_number;
  RunLock lock;
  if (std::optional<LineOutcome> stopped =
          PrepareLine(args, line, *run, lock, outcome))
    return *stopped;

  FileWindow log;
  if (!OpenLog(settings, log))
    return Stopped(outcome, UnreadableLog(settings.log_path, log.error()),
                   settings);
  Printf("InFile!!!: %-68s\n", settings.log_path.c_str());
  const DayMonth today{line.now.day, line.now.month};
  SecondPass(args, today, settings);
  ApplyDefaults(today, settings);
  const std::string failed_check = CheckSettings(settings);
  if (!failed_check.empty()) return Stopped(outcome, failed_check, settings);
  run->dialect = ChooseDialect(settings, log);
  outcome.mailer = std::string(run->dialect->name());

  if (!AnalyseRun(*run, line.options, log, line.report_stream, outcome.record))
    outcome.status = kSomethingFailed;
  return outcome;
}

int Run(Arguments all_args, const LocalDate& now) {
  // Long options are taken out first; the classic passes see the rest.
  const SplitArguments split = SplitOptions(all_args);
  const Arguments args = split.classic();
  if (const std::optional<int> status = AnswerAtOnce(split.options))
    return *status;
  const LongOptions& options = split.options;
  // With --stdout the report alone goes to standard output, the rest of
  // what the run says to standard error.
  std::FILE* report_stream =
      options.to_stdout ? DivertStandardOutput() : nullptr;
  Print(kBannerLines);
  Printf("%s\n", now.text);
  if (options.station) return RunStation(args, now, options, report_stream);
  return RunLine(args, {options, now, report_stream, std::nullopt}).status;
}

}  // namespace brantlow
