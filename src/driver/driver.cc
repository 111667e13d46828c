#include "driver/driver.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "driver/analysis.h"
#include "driver/argument_check.h"
#include "driver/configuration.h"
#include "driver/credits.h"
#include "driver/echo_posting.h"
#include "driver/file_names.h"
#include "driver/help_screen.h"
#include "driver/history_reading.h"
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
#include "platform/cp866.h"
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

// What a run stopped before reading shows after its message.
enum class HelpShown {
  kAlways,      // "/?": the help screen, with its pause
  kOnTerminal,  // a bad setting: the help screen where someone reads it,
                // else the pointer to --help
  kNever,       // a log that cannot be read: its reason says enough
};

// Every fatal exit of the run: its message, the help as asked, status 1.
int Fatal(const std::string& message, const RunSettings& settings,
          HelpShown help, std::string_view program) {
  Print(message);
  const bool screen = help == HelpShown::kAlways ||
                      (help == HelpShown::kOnTerminal && ConsoleIsTerminal());
  if (screen)
    ShowHelp(settings.pause_help_off, program);
  else if (help == HelpShown::kOnTerminal)
    PrintError(kHelpPointer);
  return 1;
}

// Whether the log path is the one typed on the command line, in the
// console's own encoding, rather than the configuration's CP866 text.
bool LogPathTyped(const RunSettings& s) {
  return !s.log_file || s.log_path == "-";
}

// The log path on the console, byte for byte as it was given.
void PrintLogPath(const RunSettings& s) {
  if (LogPathTyped(s))
    PrintAsGiven(s.log_path);
  else
    Print(s.log_path);
}

// "InFile!!!: " and the log path padded to 68 bytes, as printf's "%-68s"
// would.
void PrintInFile(const RunSettings& s) {
  Print("InFile!!!: ");
  PrintLogPath(s);
  constexpr std::size_t kInFileWidth = 68;
  if (s.log_path.size() < kInFileWidth)
    Print(std::string(kInFileWidth - s.log_path.size(), ' '));
  Print("\n");
}

// The log path as the record's CP866 texts hold it: a typed UTF-8 name
// is taken back to CP866, so that the outputs' UTF-8 is the name again.
std::string LogPathForRecord(const RunSettings& s) {
  return LogPathTyped(s) && ConsoleIsUtf8() ? Utf8ToCp866(s.log_path)
                                            : s.log_path;
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
  std::string failed_file;
  const FileOutcome outcome = WriteWholeFile(path, bytes, error, &failed_file);
  if (outcome == FileOutcome::kOk) return true;
  Printf(outcome == FileOutcome::kNotOpened ? "Error: Unable to create %s\n"
                                            : "Error: Unable to write %s\n",
         path.c_str());
  Print(ReasonLine(failed_file, error));
  return false;
}

namespace {

// A CP866 report of CR LF lines as --utf8 writes the reports.
std::string ReportInUtf8(std::string_view cp866) {
  std::string utf8;
  AppendCp866AsUtf8(cp866, utf8);
  std::string lines;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
      lines += kHostLineEnd;
      ++i;
    } else {
      lines += utf8[i];
    }
  }
  return lines;
}

// The names of those written are added to written; false when one of
// them could not be written.
bool WriteExports(const LongOptions& options, const RunSettings& s,
                  RunRecord& record, std::vector<std::string>& written) {
  bool ok = true;
  record.commands = Commands(s);
  for (const OutputFormat& output : Outputs()) {
    if (!options.Wants(output.option) ||
        (output.links && record.shown_links() == nullptr))
      continue;
    const std::string name = output.file_name(s.line_number, record.is_period);
    const std::string bytes = output.write(record);
    if (WriteExport(name, output.cp866_report && options.utf8
                              ? ReportInUtf8(bytes)
                              : bytes))
      written.push_back(name);
    else
      ok = false;
  }
  return ok;
}

// Whether the run was asked for an output of the "--" form, whose runs
// end with the line that names the files written.
bool NamesWrittenFiles(const LongOptions& options) {
  return options.utf8 || options.to_stdout || !options.outputs.empty();
}

// "Written: logdata.zvx, brantlow.json": the reports, then the outputs.
void TellWrittenFiles(const DiskFiles& files,
                      const std::vector<std::string>& outputs) {
  std::string line = "Written:";
  const char* separator = " ";
  auto add = [&](const std::string& name) {
    line += separator;
    line += name;
    separator = ", ";
  };
  for (Destination d :
       {Destination::kStatistics, Destination::kBbsUsers, Destination::kConnect,
        Destination::kFilesTable, Destination::kPeriod, Destination::kCut})
    if (files.written(d)) add(files.path(d));
  for (const std::string& name : outputs) add(name);
  if (*separator == ' ') line += " nothing";
  Print(line + "\n");
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

// The log cannot be opened: the path as given and the reason. The help
// screen follows only for a run given no argument at all.
int UnreadableLog(const RunSettings& s, SystemError error, bool no_arguments,
                  std::string_view program) {
  Print("Error: Unable to open InFile \n  ");
  PrintLogPath(s);
  Print(": " + SystemErrorText(error) + "\n");
  return Fatal(
      "", s,
      no_arguments && !s.log_file ? HelpShown::kOnTerminal : HelpShown::kNever,
      program);
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
  // Read apart from the window where the log allows it: the window would
  // take its first quarter megabyte in for a look at 8 kB.
  constexpr std::size_t kHeadBytes = 8192;
  char head[kHeadBytes];
  const std::size_t got = log.ReadAt(0, head, sizeof head);
  if (got == 0) return &DialectOfLines(log.At(0).substr(0, kHeadBytes));
  return &DialectOfLines({head, got});
}

// The mailer whose dated lines packing reads, when not T-Mail; null for a
// T-Mail log (or one that cannot be opened, which packing tells).
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
void TellWarnings(const ScanCounts& counts, const RunSettings& s,
                  const std::string& window_text, const LogDialect& dialect,
                  RunRecord& record) {
  record.lines_read = counts.lines;
  record.read_from = counts.start;
  record.read_to = counts.end;
  record.lines_inside = counts.inside_lines;
  const std::string log = LogPathForRecord(s);
  // Each warning names the log between its two parts.
  auto warn = [&](const std::string& before, const std::string& after) {
    record.warnings.push_back(before + log + after);
    Print("Warning: " + before);
    PrintLogPath(s);
    Print(after + "\n");
  };
  if (counts.tmail_lines == 0)
    warn("no line of ",
         " looks like a " + std::string(dialect.name()) + " log line");
  if (counts.utf8_lines > 0) warn("", " is UTF-8 encoded: read as CP866 text");
  if (counts.malformed_lines > 0) {
    const bool one = counts.malformed_lines == 1;
    warn(std::to_string(counts.malformed_lines) +
             (one ? " line of " : " lines of "),
         one ? " holds a malformed byte count: read as 0"
             : " hold malformed byte counts: read as 0");
  }
  if (counts.year_passed_over) {
    const std::string text =
        "standard input: the year asked for lies before a later year holding "
        "the same days, and cannot be read back: read the log from a file";
    record.warnings.push_back(text);
    Print("Warning: " + text + "\n");
  }
  if (counts.tmail_lines > 0 && counts.inside_lines == 0)
    warn("no line of ", std::string(" lies inside the ") +
                            (record.is_period ? "period " : "window ") +
                            window_text);
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
  const LogDialect* other = OtherMailer(s);
  const PackRequest request{
      s.log_path,       s.pack_directory,
      s.pack_day,       now.text,
      s.packer_command, s.packer_kind,
      s.line_number,    other != nullptr ? other : &TmailDialect()};
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
  TellWarnings(counts, s, scope_text, *run.dialect, record);
  bool ok = true;
  if (report == Destination::kStatistics) files.RemoveScratch();
  std::vector<std::string> outputs;
  if (reported) {
    ok &= WriteExports(options, s, record, outputs);
    ok &= CopyReport(report_stream, files, report);
    if (options.post_area && files.written(report))
      ok &= PostReport(s, {*options.post_area, report, files.path(report),
                           scope_text, options.utf8, run.now});
  } else if (options.post_area) {
    Print("\nNo report was made (+f(-s)): nothing is posted\n");
  }
  ok &= !files.failed();
  ok &= RunDeletionStep(run.files_kill);
  if (NamesWrittenFiles(options)) TellWrittenFiles(files, outputs);
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
// output of the table lists them, the addresses in order only when an
// output or the station's report reads them.
RunRecord EmptyRecord(const LongOptions& options, const ByteWindow& log) {
  RunRecord record;
  record.log_bytes = log.size();
  record.keeps_session_rows = false;
  record.keeps_addresses = options.station;
  for (const OutputFormat& output : Outputs()) {
    if (!options.Wants(output.option)) continue;
    record.keeps_addresses = true;
    if (output.session_rows) record.keeps_session_rows = true;
  }
  return record;
}

// The analysis of the window or the period, then what every run shares.
// False when something asked for failed. kept gets the record of a run
// that made its report.
bool AnalyseRun(RunContext& run, const LongOptions& options, FileWindow& log,
                HistoryReading& history, std::FILE* report_stream,
                bool links_asked, std::optional<RunRecord>& kept) {
  RunSettings& s = run.settings;
  DiskFiles files(s.line_number);
  if (options.utf8) files.WriteReportsInUtf8();
  // A pipe has no size to measure a bar by.
  ConsoleProgress progress(/*bar=*/s.log_path != "-");
  RunRecord record = EmptyRecord(options, log);
  record.links_asked = links_asked;
  record.warnings = history.warnings();
  ByteWindow& reading = history.window(log);
  if (s.period_given) {
    const ScanCounts counts = RunPeriod(run, reading, files, progress, record);
    const bool read_whole = history.Finish(record.warnings);
    log.Close();
    const bool ok =
        FinishRun(run, options, counts, PeriodText(s.period), true,
                  Destination::kPeriod, report_stream, files, record) &&
        read_whole;
    kept = std::move(record);
    return ok;
  }
  const Window window = MakeWindow(s.start_date, s.times, s.today);
  const bool cut_ok = PrepareDayFiles(s, window, files);
  PrintSettingsSummary(s);
  const ScanCounts counts =
      Analyse(run, window, reading, files, progress, record);
  const bool read_whole = history.Finish(record.warnings);
  log.Close();
  const bool ok =
      read_whole &&
      FinishRun(run, options, counts, WindowText(window), Analyses(s.cut_mode),
                Destination::kStatistics, report_stream, files, record);
  if (Analyses(s.cut_mode)) kept = std::move(record);
  return cut_ok && ok;
}

// A stopped line: its message, told as every fatal exit tells it; the
// help screen only for a run of its own (a station goes on to its next
// line).
LineOutcome Stopped(LineOutcome outcome, const std::string& message,
                    const RunSettings& settings, HelpShown help,
                    std::string_view program) {
  outcome.status =
      Fatal(message, settings, outcome.in_station ? HelpShown::kNever : help,
            program);
  outcome.error = message;
  return outcome;
}

// A line whose log could not be opened, told with its reason.
LineOutcome StoppedUnreadable(LineOutcome outcome, const RunSettings& s,
                              SystemError error, bool no_arguments,
                              std::string_view program) {
  outcome.status =
      UnreadableLog(s, error, no_arguments && !outcome.in_station, program);
  outcome.error = "Error: Unable to open InFile \n  " + s.log_path + ": " +
                  SystemErrorText(error) + "\n";
  return outcome;
}

// The settings of the line up to the log: the lock, the configuration,
// the log's path, the report language, the posting keys and the packing.
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
  if (const std::optional<ArgumentFault> fault =
          CheckLogPathGiven(args, settings)) {
    PrintError(ArgumentFaultText(*fault));
    outcome.status = 1;
    outcome.error = ArgumentFaultText(*fault);
    return outcome;
  }
  if (line.options.english) settings.report_language = ReportLanguage::kEnglish;
  if (line.options.russian) settings.report_language = ReportLanguage::kRussian;
  run.texts = &TextsFor(settings.report_language);
  TakeLogPath(args, settings);
  outcome.log_path = settings.log_path;
  run.now = line.now;
  if (line.options.post_area) {
    const std::string problem =
        PostingProblem(settings, *line.options.post_area);
    if (!problem.empty())
      return Stopped(outcome, problem, settings, HelpShown::kNever,
                     line.program);
  }
  SystemError log_error;
  bool failed = false;
  if (!PackStep(settings, line.now, failed, log_error))
    return StoppedUnreadable(outcome, settings, log_error, args.empty(),
                             line.program);
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
    return Stopped(outcome, "", settings, HelpShown::kAlways, line.program);
  if (line.station_line) settings.line_number = *line.station_line;
  outcome.line_number = settings.line_number;
  RunLock lock;
  if (std::optional<LineOutcome> stopped =
          PrepareLine(args, line, *run, lock, outcome))
    return *stopped;

  FileWindow log;
  if (!OpenLog(settings, log))
    return StoppedUnreadable(outcome, settings, log.error(), args.empty(),
                             line.program);
  PrintInFile(settings);
  const Date today{line.now.day, line.now.month, line.now.year};
  SecondPass(ArgumentsAfterLogPath(args), today, settings);
  ApplyDefaults(today, settings);
  const std::string failed_check = CheckSettings(settings);
  if (!failed_check.empty())
    return Stopped(outcome, failed_check, settings, HelpShown::kOnTerminal,
                   line.program);
  run->dialect = ChooseDialect(settings, log);
  outcome.mailer = std::string(run->dialect->name());
  // +h is --links in the classic form; a station gathers link health for
  // its own report whether or not a line shows it.
  LongOptions options = line.options;
  if (options.Wants("--links")) settings.link_health = true;
  if (settings.link_health && !options.Wants("--links"))
    options.outputs.push_back("--links");
  const bool links_asked = settings.link_health;
  if (line.gather_links) settings.link_health = true;
  // Days before the log's first are read from its older sources too.
  HistoryReading history;
  if (!history.Prepare(*run, line.now, log)) outcome.status = kSomethingFailed;

  if (!AnalyseRun(*run, options, log, history, line.report_stream, links_asked,
                  outcome.record))
    outcome.status = kSomethingFailed;
  return outcome;
}

int Run(Arguments all_args, const LocalDate& now, std::string_view program) {
  // Long options are taken out first; the classic passes see the rest.
  const SplitArguments split = SplitOptions(all_args);
  const Arguments args = split.classic();
  if (const std::optional<int> status = AnswerAtOnce(split.options))
    return *status;
  if (const std::optional<ArgumentFault> fault =
          CheckArguments(args, Date{now.day, now.month, now.year})) {
    PrintError(ArgumentFaultText(*fault));
    return 1;
  }
  const LongOptions& options = split.options;
  // With --stdout the report alone goes to standard output, the rest of
  // what the run says to standard error.
  std::FILE* report_stream =
      options.to_stdout ? DivertStandardOutput() : nullptr;
  Print(kBannerLines);
  Printf("%s\n", now.text);
  if (options.station)
    return RunStation(args, now, options, report_stream, program);
  return RunLine(args, {options, now, report_stream, std::nullopt, program})
      .status;
}

}  // namespace brantlow
