// Every setting of one run, with its start value. The configuration file
// fills it first, the command line second.
#ifndef BRANTLOW_DRIVER_RUN_SETTINGS_H_
#define BRANTLOW_DRIVER_RUN_SETTINGS_H_

#include <string>

#include "base/calendar.h"

namespace brantlow {

struct RunSettings {
  std::string log_path = "./";

  // Reading window; the given flags tell which parts the command line set.
  DayMonth start_date;
  bool date_given = false;
  WindowTimes times;
  bool time_given = false;

  int crash_poll_period = 0;  // seconds; 0 turns the search off
  int line_number = 0;        // 0 single-line mode
  int cut_mode = 0;           // 1 cut and analyse, 2 cut only
  int connect_mode = 0;       // 1 in the statistics file, 2 a file of its own
  int files_mode = 0;         // likewise
  int bbs_mode = 0;           // 1 BBS-user file, 2 also hide BBS users
  bool no_histogram = false;  // -g
  int language = 0;           // 1 Russian log phrases

  std::string pack_directory = "./";
  int pack_day = 0;
  int packer_kind = 0;  // 0 ZIP, 1 ARJ, 2 RAR
  std::string packer_command;
  std::string cut_directory = "./";
  std::string temp_directory = "./";
  std::string bbs_log_path = "   ";
  bool bbs_type = false;    // a Maximus log is read
  bool echo_mail = false;   // FilesEcho NO
  bool crash_check = false;  // CrashCheck ALL
  float night_start = 0;
  float night_end = 0;

  bool pause_help_off = false;  // PauseHelp NO
  bool no_configuration = false;
};

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_RUN_SETTINGS_H_
