#include "driver/driver.h"

#include <cstdio>
#include <memory>
#include <string>

#include "driver/analysis.h"
#include "driver/configuration.h"
#include "driver/credits.h"
#include "driver/file_names.h"
#include "driver/help_screen.h"
#include "driver/options.h"
#include "driver/progress.h"
#include "driver/run_context.h"
#include "driver/run_files.h"
#include "log/window.h"
#include "maintenance/directory_preparation.h"
#include "maintenance/file_deletion.h"
#include "maintenance/log_packing.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/file_window.h"
#include "platform/system_error.h"
#include "platform/text_file.h"

namespace brantlow {

namespace {

constexpr int kOpenAttempts = 151;

// Every fatal exit of the run: its message, the help screen, status 1.
int Fatal(const std::string& message, const RunSettings& settings) {
  Print(message);
  ShowHelp(settings.pause_help_off);
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
                             run.files_kill};
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

// Tells when the reports cannot be what the user wanted: a log of another
// kind or encoding, or no line of the window's days.
void PrintWarnings(const ScanCounts& counts, const std::string& log_path,
                   const Window& window) {
  const char* log = log_path.c_str();
  if (counts.tmail_lines == 0)
    Printf("Warning: no line of %s looks like a T-Mail log line\n", log);
  if (counts.utf8_lines > 0)
    Printf("Warning: %s looks UTF-8 encoded; T-Mail logs are read as CP866\n",
           log);
  if (counts.tmail_lines > 0 && counts.inside_lines == 0)
    Printf("Warning: no line of %s lies inside the window %s\n", log,
           WindowText(window).c_str());
}

}  // namespace

int Run(Arguments all_args, const LocalDate& now) {
  // Long options are taken out first; the classic passes see the rest.
  const SplitArguments split = SplitOptions(all_args);
  const Arguments args = split.classic();
  // Options that answer at once, before anything is printed or read.
  if (!split.options.unknown.empty()) {
    PrintError(UnknownOptionText(split.options.unknown));
    return 2;
  }
  if (split.options.help) {
    Print(UsageText());
    return 0;
  }
  if (split.options.version) {
    Print(VersionText());
    return 0;
  }

  // The tables are large: they live on the heap, one set per run.
  auto run = std::make_unique<RunContext>();
  RunSettings& settings = run->settings;

  Print(kBannerLines);
  const DayMonth today{now.day, now.month};
  Printf("%s\n", now.text);

  if (FirstPass(args, settings) == FirstPassResult::kHelpRequested)
    return Fatal("", settings);

  ReadConfigurationFile(*run);
  TakeLogPath(args, settings);

  if (settings.pack_day >= 2 && settings.pack_day <= 30) {
    const PackRequest request{settings.log_path,     settings.pack_directory,
                              settings.pack_day,     now.text,
                              settings.packer_command, settings.packer_kind};
    SystemError log_error;
    if (PackLog(request, log_error) == PackOutcome::kLogUnreadable)
      return Fatal(UnreadableLog(settings.log_path, log_error), settings);
  }

  FileWindow log;
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt)
    if (log.Open(settings.log_path.c_str())) break;
  if (!log.is_open())
    return Fatal(UnreadableLog(settings.log_path, log.error()), settings);
  Printf("InFile!!!: %-68s\n", settings.log_path.c_str());

  SecondPass(args, today, settings);
  ApplyDefaults(today, settings);
  std::string failed_check = CheckSettings(settings);
  if (!failed_check.empty()) return Fatal(failed_check, settings);

  const Window window = MakeWindow(settings.start_date, settings.times);
  const DirectoryStatus directories =
      PrepareDirectories(settings.cut_directory, window, settings.cut_mode,
                         settings.temp_directory);
  DiskFiles files(settings.line_number);
  if (Cuts(settings.cut_mode) &&
      directories != DirectoryStatus::kBadCutDirectory) {
    files.SetPath(Destination::kCut, settings.cut_directory);
    files.Open(Destination::kCut, OpenMode::kAppend);
  }
  files.SetPath(Destination::kScratch,
                JoinPath(settings.temp_directory,
                         ScratchFileName(settings.line_number)));
  files.Open(Destination::kScratch, OpenMode::kFresh);

  PrintSettingsSummary(settings);

  ConsoleProgress progress;
  const ScanCounts counts = Analyse(*run, window, log, files, progress);
  log.Close();
  PrintWarnings(counts, settings.log_path, window);

  files.RemoveScratch();
  RunDeletionStep(run->files_kill);
  return 0;
}

}  // namespace brantlow
