#include "driver/driver.h"

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
#include "platform/run_lock.h"
#include "platform/text_file.h"

namespace brantlow {

namespace {

constexpr int kOpenAttempts = 151;

// A run that reached its end but failed at something it was asked to do.
constexpr int kSomethingFailed = 2;

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
  if (!configuration.OpenRead(
          ConfigurationFileName(settings.line_number).c_str())) {
    Print("\nWork without config?! As you want...\n");
    settings.no_configuration = true;
    return;
  }
  ConfigurationTables tables{run.processes, run.costs, run.files_no_scan,
                             run.files_kill};
  ReadConfiguration(configuration, settings, tables);
}

}  // namespace

int Run(Arguments all_args, const LocalDate& now) {
  // Long options are taken out first; the classic passes see the rest.
  const SplitArguments split = SplitOptions(all_args);
  const Arguments args = split.classic();

  // The tables are large: they live on the heap, one set per run.
  auto run = std::make_unique<RunContext>();
  RunSettings& settings = run->settings;

  Print(kBannerLines);
  const DayMonth today{now.day, now.month};
  Printf("%s\n", now.text);

  if (FirstPass(args, settings) == FirstPassResult::kHelpRequested)
    return Fatal("", settings);

  // Runs of one line in one directory write the same files: one at a time.
  // Without a lock file (a read-only directory) the run goes on, and its
  // files tell what fails.
  RunLock lock;
  const int line = settings.line_number;
  lock.Acquire(LockFileName(line), [line] {
    if (line == 0)
      Print("Waiting for another run in this directory...\n");
    else
      Printf("Waiting for another run of line %d in this directory...\n", line);
    FlushConsole();
  });
  bool failed = false;

  ReadConfigurationFile(*run);
  TakeLogPath(args, settings);

  if (settings.pack_day >= 2 && settings.pack_day <= 30) {
    const PackRequest request{settings.log_path,     settings.pack_directory,
                              settings.pack_day,     now.text,
                              settings.packer_command, settings.packer_kind};
    const PackOutcome packed = PackLog(request);
    if (packed == PackOutcome::kLogUnreadable)
      return Fatal("Error: Unable to open InFile \n", settings);
    if (packed == PackOutcome::kFailed) failed = true;
  }

  FileWindow log;
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt)
    if (log.Open(settings.log_path.c_str())) break;
  if (!log.is_open()) return Fatal("Error: Unable to open InFile \n", settings);
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
  if (Cuts(settings.cut_mode)) {
    if (directories == DirectoryStatus::kBadCutDirectory) {
      failed = true;  // the cut asked for cannot be made
    } else {
      files.SetPath(Destination::kCut, settings.cut_directory);
      files.Open(Destination::kCut, OpenMode::kAppend);
    }
  }
  files.SetPath(Destination::kScratch,
                JoinPath(settings.temp_directory,
                         ScratchFileName(settings.line_number)));
  files.Open(Destination::kScratch, OpenMode::kFresh);

  PrintSettingsSummary(settings);

  ConsoleProgress progress;
  Analyse(*run, window, log, files, progress);
  log.Close();

  files.RemoveScratch();
  if (files.failed()) failed = true;
  if (!RunDeletionStep(run->files_kill)) failed = true;
  return failed ? kSomethingFailed : 0;
}

}  // namespace brantlow
