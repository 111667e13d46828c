#include "driver/driver.h"

#include <array>
#include <cstring>
#include <string>

#include "driver/configuration.h"
#include "driver/credits.h"
#include "driver/file_names.h"
#include "driver/help_screen.h"
#include "driver/progress.h"
#include "files/files_table.h"
#include "files/transfer_rate_pass.h"
#include "log/bbs_log_reader.h"
#include "log/busy_array.h"
#include "log/crash_poll_search.h"
#include "log/line_processor.h"
#include "log/log_phrases.h"
#include "log/log_piece_reader.h"
#include "log/process_definitions.h"
#include "log/session_extractor.h"
#include "log/session_table.h"
#include "base/text_fields.h"
#include "base/mask_list.h"
#include "maintenance/directory_preparation.h"
#include "maintenance/file_deletion.h"
#include "maintenance/log_packing.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/file_window.h"
#include "platform/text_file.h"
#include "reports/address_summary.h"
#include "reports/busy_histogram.h"
#include "reports/connect_table.h"
#include "reports/cost_report.h"
#include "log/cost_table.h"
#include "reports/report_window.h"
#include "reports/session_list.h"

namespace brantlow {

namespace {

constexpr int kOpenAttempts = 151;

// The process-wide tables: filled once per run, handed on by reference.
SessionTable g_sessions;
ProcessDefinitions g_processes;
CostTable g_costs;
MaskList g_files_no_scan;
MaskList g_files_kill;
BusyArray g_busy{};
// Rows of the BBS-user file's session list, shown by its totals line.
int g_bbs_session_count = 0;

// Every fatal exit of the run: its message, the help screen, status 1.
int Fatal(const std::string& message, const RunSettings& settings) {
  Print(message);
  ShowHelp(settings.pause_help_off);
  return 1;
}

// A file the run could not create or fill is told once, and the run goes
// on without it.
void TellFileOutcome(const std::string& path, FileOutcome outcome) {
  static std::array<std::string, 16> told;
  static std::size_t told_count = 0;
  if (outcome == FileOutcome::kOk) return;
  for (std::size_t i = 0; i < told_count; ++i)
    if (told[i] == path) return;
  if (told_count < told.size()) told[told_count++] = path;
  if (outcome == FileOutcome::kNotOpened)
    Printf("Error: Unable to create %s\n", path.c_str());
  else
    Printf("Error: Unable to write %s\n", path.c_str());
}

void TellFileOutcome(const std::string& path, const TextFile& file) {
  TellFileOutcome(path, file.outcome());
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
  bool connect = s.connect_mode == 1 || s.connect_mode == 2;
  bool files = s.files_mode == 1 || s.files_mode == 2;
  if (connect && files)
    Printf("Analyze Connect & Files data: %d OutFile(s)\n",
           s.connect_mode + s.files_mode - 1);
  else if (connect)
    Printf("Analyze Connect data: %d OutFile(s)\n", s.connect_mode);
  else if (files)
    Printf("Analyze Files data: %d OutFile(s)\n", s.files_mode);
  else
    Print("Don`t analyze Connect & Files data\n");
}

// A record still open when the window ends ends at the window's end.
void CloseOpenSession(const RunSettings& s, SessionTable& table) {
  if (table.empty()) return;
  SessionRecord& last = table.Current();
  if (FieldText(last.end_time).size() >= 5) return;
  std::snprintf(last.end_time, sizeof last.end_time, "%d:%d:59",
                s.times.end_hour, s.times.end_minute);
}

void WriteLineMarker(TextFile& file, int line_number) {
  if (line_number != 0) file.Printf("\nLine %d", line_number);
}

void RunReportPipeline(const RunSettings& s, const ReportWindow& window,
                       SessionTable& table, const std::string& scratch_path) {
  std::string statistics_name = StatisticsFileName(s.line_number);
  TextFile statistics;
  statistics.OpenWrite(statistics_name.c_str());
  if (!statistics.is_open()) TellFileOutcome(statistics_name, statistics);

  if (s.bbs_type) {
    const bool bbs_file = s.bbs_mode == 1 || s.bbs_mode == 2;
    TextFile bbs_users;
    const std::string bbs_name = BbsUserFileName(s.line_number);
    if (bbs_file && !bbs_users.OpenWrite(bbs_name.c_str()))
      TellFileOutcome(bbs_name, bbs_users);
    StepLine step("\r\n\r\n[ ] Analyzing BBS log (Max);");
    // An unreadable BBS log leaves every record as it was.
    const char* bbs_log = s.bbs_log_path.c_str();
    if (ReadBbsLog(table, window.start.day, window.start.month, bbs_log) &&
        window.midnight)
      ReadBbsLog(table, window.second.day, window.second.month, bbs_log);
    if (bbs_file) {
      WriteSessionList(window, s.crash_poll_period, table, bbs_users,
                       s.bbs_mode, SessionListTarget::kBbsUserFile,
                       g_bbs_session_count);
      TellFileOutcome(bbs_name, bbs_users);
    }
    step.Tick();
  } else {
    Show("\r\n\r\n");
  }
  {
    StepLine step(s.crash_poll_period > 0 ? "[ ] Search crash;"
                                          : "[ ] Analyzing statistic data;");
    SearchCrashPolls(table, s.crash_poll_period, window.midnight, s.crash_check);
    step.Tick();
  }
  if (!s.no_histogram) {
    StepLine step("[ ] Make gistogram;");
    FillBusyArray(table, g_busy);
    WriteBusyHistogram(g_busy, statistics);
    step.Tick();
  }
  if (g_costs.last >= 0) {
    StepLine step("[ ] Calculate cost data;");
    CalculateCosts(g_costs, table, s.night_start, s.night_end);
    step.Tick();
  }
  {
    StepLine step("[ ] Make statistic file;");
    RunTransferRatePass(table, scratch_path.c_str(), LogPhrasesFor(s.language));
    WriteSessionList(window, s.crash_poll_period, table, statistics, s.bbs_mode,
                     SessionListTarget::kStatisticsFile, g_bbs_session_count);
    TellFileOutcome(statistics_name, statistics);
    step.Tick();
  }
  if (s.files_mode == 1 || s.files_mode == 2) {
    StepLine step("[ ] Make files info;");
    const FilesTableOptions options{s.echo_mail, &g_files_no_scan};
    const std::string name =
        s.files_mode == 2 ? FilesTableFileName(s.line_number) : statistics_name;
    TellFileOutcome(name, WriteFilesTable(table, name, s.files_mode == 2,
                                          options, scratch_path.c_str()));
    step.Tick();
  }
  if (s.connect_mode == 1 || s.connect_mode == 2) {
    StepLine step("[ ] Make CONNECT/mayler`s info;");
    const std::string name =
        s.connect_mode == 2 ? ConnectFileName(s.line_number) : statistics_name;
    TellFileOutcome(name, WriteConnectTable(table, name, s.connect_mode == 2));
    step.Tick();
  }
  {
    StepLine step("[ ] Sort all data;");
    const int session_total = SessionTotal(table);
    SortAndMerge(table);
    TellFileOutcome(statistics_name,
                    WriteAddressSummary(table, statistics_name, s.bbs_mode,
                                        SummaryTarget::kStatisticsFile,
                                        session_total));
    if (s.bbs_mode == 1 || s.bbs_mode == 2) {
      const std::string bbs_name = BbsUserFileName(s.line_number);
      TellFileOutcome(bbs_name,
                      WriteAddressSummary(table, bbs_name, s.bbs_mode,
                                          SummaryTarget::kBbsUserFile,
                                          g_bbs_session_count));
    }
    if (g_costs.last >= 0)
      TellFileOutcome(statistics_name, WriteCostReport(g_costs, statistics_name));
    step.Tick();
  }
}

void WriteSignatures(const RunSettings& s) {
  if (s.cut_mode == 0 || s.cut_mode == 1) {
    const std::string name = StatisticsFileName(s.line_number);
    TextFile statistics;
    if (statistics.OpenAppend(name.c_str())) {
      WriteLineMarker(statistics, s.line_number);
      statistics.Printf(kSignatureFormat, kMakerAddress);
      statistics.Close();
    }
    TellFileOutcome(name, statistics);
  }
  if (s.bbs_mode == 1 || s.bbs_mode == 2) {
    const std::string name = BbsUserFileName(s.line_number);
    TextFile bbs_users;
    if (bbs_users.OpenAppend(name.c_str())) {
      WriteLineMarker(bbs_users, s.line_number);
      bbs_users.Printf(kBbsSignatureFormat, kMakerAddress, kMakerAddress);
      bbs_users.Close();
    }
    TellFileOutcome(name, bbs_users);
  }
}

}  // namespace

int Run(Arguments args) {
  RunSettings settings;
  SessionTable& table = g_sessions;

  Print(kBannerLines);
  LocalDate now = Now();
  const DayMonth today{now.day, now.month};
  Printf("%s\n", now.text);

  if (FirstPass(args, settings) == FirstPassResult::kHelpRequested)
    return Fatal("", settings);

  {
    TextFile configuration;
    if (!configuration.OpenRead(ConfigurationFileName(settings.line_number).c_str())) {
      Print("\nWork without config?! As you want...\n");
      settings.no_configuration = true;
    } else {
      ConfigurationTables tables{g_processes, g_costs, g_files_no_scan,
                                 g_files_kill};
      ReadConfiguration(configuration, settings, tables);
    }
  }

  TakeLogPath(args, settings);

  if (settings.pack_day >= 2 && settings.pack_day <= 30) {
    const PackRequest request{settings.log_path,     settings.pack_directory,
                              settings.pack_day,     now.text,
                              settings.packer_command, settings.packer_kind};
    if (PackLog(request) == PackOutcome::kLogUnreadable)
      return Fatal("Error: Unable to open InFile \n", settings);
  }

  FileWindow log;
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt)
    if (log.Open(settings.log_path.c_str())) break;
  if (!log.is_open()) return Fatal("Error: Unable to open InFile \n", settings);
  Printf("InFile!!!: %-68s\n", settings.log_path.c_str());
  const std::int64_t log_size = log.size();

  SecondPass(args, today, settings);
  ApplyDefaults(today, settings);
  std::string failed_check = CheckSettings(settings);
  if (!failed_check.empty()) return Fatal(failed_check, settings);

  const int directories = PrepareDirectories(
      settings.cut_directory, settings.times, settings.cut_mode,
      settings.temp_directory);
  TextFile cut_file;
  if ((settings.cut_mode == 1 || settings.cut_mode == 2) &&
      directories != kBadCutDirectory)
    if (!cut_file.OpenAppend(settings.cut_directory.c_str()))
      TellFileOutcome(settings.cut_directory, cut_file);
  TextFile scratch_file;
  const std::string scratch_path =
      JoinPath(settings.temp_directory, ScratchFileName(settings.line_number));
  if (!scratch_file.OpenWrite(scratch_path.c_str()))
    TellFileOutcome(scratch_path, scratch_file);

  PrintSettingsSummary(settings);

  const bool midnight = settings.times.start_hour > settings.times.end_hour;
  const DayMonth second_day = DayAfter(settings.start_date);
  ReadingWindow first_window{settings.start_date.day, settings.start_date.month,
                             settings.times.start_hour, settings.times.start_minute,
                             settings.times.end_hour, settings.times.end_minute};
  ReadingWindow second_window = first_window;
  if (midnight) {
    first_window.end_hour = 23;
    first_window.end_minute = 59;
    second_window.day = second_day.day;
    second_window.month = second_day.month;
    second_window.start_hour = 0;
    second_window.start_minute = 0;
  }

  {
    ProgressBar bar(log_size);
    SessionExtractor extractor(table, LogPhrasesFor(settings.language),
                               g_processes, !settings.no_configuration,
                               &scratch_file);
    LinePieces first_pieces, second_pieces;
    LogPieceReader reader(log);
    LogPiece raw;
    char line[kLogPieceLimit + 1];
    const bool jumps = bar.CanJump(kLogPieceLimit + 1);
    auto outside = [&](const char* bytes, std::size_t length) {
      return CertainlyOutside(bytes, length, first_window) &&
             (!midnight || CertainlyOutside(bytes, length, second_window));
    };
    for (;;) {
      if (jumps && CanSkip(first_pieces) && CanSkip(second_pieces) &&
          reader.SkipLines(outside) > 0) {
        SkipPiece(true, first_pieces);
        SkipPiece(true, second_pieces);
        bar.JumpTo(reader.position());
      }
      if (!reader.Next(raw)) break;
      bar.Advance(raw.end_position);
      // Most of a long log lies on other days: those pieces pass by on a
      // look at their first bytes.
      if (CanSkip(first_pieces) &&
          CertainlyOutside(raw.data, raw.raw_length, first_window) &&
          (!midnight ||
           (CanSkip(second_pieces) &&
            CertainlyOutside(raw.data, raw.raw_length, second_window)))) {
        SkipPiece(raw.line_end, first_pieces);
        if (midnight) SkipPiece(raw.line_end, second_pieces);
        continue;
      }
      const std::string_view piece = raw.Folded(line);
      ProcessLine(piece, first_window, settings.cut_mode, cut_file, extractor,
                  first_pieces);
      if (midnight)
        ProcessLine(piece, second_window, settings.cut_mode, cut_file,
                    extractor, second_pieces);
    }
  }
  log.Close();
  scratch_file.Close();
  TellFileOutcome(scratch_path, scratch_file);

  CloseOpenSession(settings, table);

  if (settings.cut_mode == 0 || settings.cut_mode == 1) {
    const ReportWindow window{midnight,
                              settings.start_date,
                              second_day,
                              settings.times.start_hour,
                              settings.times.start_minute,
                              settings.times.end_hour,
                              settings.times.end_minute};
    RunReportPipeline(settings, window, table, scratch_path);
  }

  WriteSignatures(settings);

  cut_file.Close();
  if (settings.cut_mode == 1 || settings.cut_mode == 2)
    TellFileOutcome(settings.cut_directory, cut_file);
  RemoveFile(scratch_path.c_str());
  RunDeletionStep(g_files_kill);
  return 0;
}

}  // namespace brantlow
