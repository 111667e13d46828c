// Every setting of one run, with its start value. The configuration file
// fills it first, the command line second.
#ifndef BRANTLOW_DRIVER_RUN_SETTINGS_H_
#define BRANTLOW_DRIVER_RUN_SETTINGS_H_

#include <optional>
#include <string>
#include <vector>

#include "base/calendar.h"
#include "base/report_texts.h"
#include "log/cut_mode.h"
#include "log/log_phrases.h"
#include "reports/report_modes.h"

namespace brantlow {

struct RunSettings {
  // The log to read: the configuration's LogFile, else the first argument.
  std::string log_path = "./";
  std::optional<std::string> log_file;  // LogFile
  // LogType: the key of the mailer whose log is read; empty: the log's
  // own lines tell.
  std::string log_type;

  // Reading window; the given flags tell which parts the command line set.
  Date start_date;
  bool date_given = false;
  WindowTimes times;
  bool time_given = false;
  // A period of days ("/p="), which wins over the window.
  Period period;
  bool period_given = false;
  bool period_valid = false;
  // The run's day, from the clock: days without a year are chosen from it.
  Date today;

  int crash_poll_period = 0;                 // seconds; 0 turns the search off
  int line_number = 0;                       // 0 single-line mode
  CutMode cut_mode = CutMode::kNone;         // +F, +f(-s)
  TableMode connect_mode = TableMode::kOff;  // +l, +l(-s)
  TableMode files_mode = TableMode::kOff;    // +a, +a(-s)
  BbsMode bbs_mode = BbsMode::kOff;          // +b, +b(-s)
  bool no_histogram = false;                 // -g
  bool link_health = false;                  // +h, --links
  LogLanguage language = LogLanguage::kUnset;
  // Language, --lang=: the reports' language.
  ReportLanguage report_language = ReportLanguage::kRussian;

  std::string pack_directory = "./";
  int pack_day = 0;
  int packer_kind = 0;  // 0 ZIP, 1 ARJ, 2 RAR
  std::string packer_command;
  // History: masks of the rotated logs read for days before the log's.
  std::vector<std::string> history_masks;
  std::string cut_directory = "./";
  std::string temp_directory = "./";
  std::optional<std::string> bbs_log_path;  // BBSLog
  bool bbs_type = false;                    // a Maximus log is read
  bool echo_mail = false;                   // FilesEcho NO
  bool crash_check = false;                 // CrashCheck ALL

  // The keys of echo posting (--post): our address and the uplink's
  // (PostFrom, PostTo), the packet password, the origin line's text and
  // the directory the packets go to.
  std::optional<std::string> post_from;
  std::optional<std::string> post_to;
  std::string post_password;
  std::optional<std::string> post_origin;
  std::optional<std::string> post_directory;

  bool pause_help_off = false;  // PauseHelp NO
  bool no_configuration = false;
};

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_RUN_SETTINGS_H_
