#include "driver/command_line.h"

#include <cstdio>

#include "base/text_fields.h"
#include "log/log_dialect.h"

namespace brantlow {

LoweredArgument Lower(const char* argument) {
  LoweredArgument lowered;
  std::size_t n = 0;
  for (; n < sizeof lowered.text - 1 && argument[n] != '\0'; ++n)
    lowered.text[n] = AsciiLower(argument[n]);
  lowered.text[n] = '\0';
  lowered.size = n;
  return lowered;
}

FirstPassResult FirstPass(Arguments args, RunSettings& settings) {
  for (const char* arg : args) {
    LoweredArgument lowered = Lower(arg);
    std::string_view text = lowered.view();
    if (PhraseAt(text, "line", 0)) {
      settings.line_number = FieldNumber(text, 4, 2);
    } else if (PhraseAt(text, "/?", 0)) {
      return FirstPassResult::kHelpRequested;
    }
  }
  return FirstPassResult::kContinue;
}

void TakeLogPath(Arguments args, RunSettings& settings) {
  if (args.empty()) return;
  std::string_view first = args[0];
  // "-" is standard input: a pipe from an unpacker, read even where the
  // configuration names a log of its own.
  if (first == "-" || (first.size() > 2 && !settings.log_file))
    settings.log_path = std::string(first);
}

namespace {

// The two-character command, or its longer "(-s)" form.
bool LongForm(std::string_view text, std::string_view long_form) {
  return PhraseAt(text, long_form, 0);
}

TableMode TableModeOf(std::string_view text, std::string_view long_form) {
  return LongForm(text, long_form) ? TableMode::kOwnFile
                                   : TableMode::kInStatistics;
}

}  // namespace

bool ApplyModeCommand(std::string_view text, RunSettings& settings) {
  if (PhraseAt(text, "/c=", 0)) {
    settings.crash_poll_period = FieldNumber(text, 3, 3);
  } else if (PhraseAt(text, "+f", 0)) {
    settings.cut_mode =
        LongForm(text, "+f(-s)") ? CutMode::kCutOnly : CutMode::kCutAndAnalyse;
  } else if (PhraseAt(text, "+h", 0)) {
    settings.link_health = true;
  } else if (PhraseAt(text, "-g", 0)) {
    settings.no_histogram = true;
  } else if (PhraseAt(text, "+l", 0)) {
    settings.connect_mode = TableModeOf(text, "+l(-s");
  } else if (PhraseAt(text, "+a", 0)) {
    settings.files_mode = TableModeOf(text, "+a(-s");
  } else if (PhraseAt(text, "+b", 0)) {
    settings.bbs_mode =
        LongForm(text, "+b(-s") ? BbsMode::kUserFileHidden : BbsMode::kUserFile;
  } else {
    return false;
  }
  return true;
}

void SecondPass(Arguments args, Date today, RunSettings& settings) {
  for (const char* arg : args) {
    LoweredArgument lowered = Lower(arg);
    std::string_view text = lowered.view();
    if (PhraseAt(text, "/d=", 0)) {
      settings.start_date = DateValue(text, today);
      settings.date_given = true;
    } else if (PhraseAt(text, "/p=", 0)) {
      settings.period_given = true;
      settings.period_valid = PeriodValue(text, today, settings.period);
    } else if (PhraseAt(text, "/t=", 0)) {
      TimeValue(text, settings.times);
      settings.time_given = true;
    } else {
      ApplyModeCommand(text, settings);
    }
  }
}

void ApplyDefaults(Date today, RunSettings& settings) {
  settings.today = today;
  if (!settings.date_given) settings.start_date = today;
  if (!settings.time_given) settings.times = {0, 0, 23, 59, true};
  if (!settings.times.end_given) {
    settings.times.end_hour = 23;
    settings.times.end_minute = 59;
    settings.times.end_given = true;
  }
}

std::string CheckSettings(const RunSettings& s) {
  // A period stands in for the day and the window.
  if (s.period_given) {
    if (!s.period_valid) return "\nError: Bad Period \n";
  } else if (s.start_date.day < 1 || s.start_date.day > 31 ||
             s.start_date.month < 1 || s.start_date.month > 12) {
    char message[64];
    std::snprintf(message, sizeof message, "\nError: Bad Day data %d %d\n",
                  s.start_date.day, s.start_date.month);
    return message;
  }
  if (!s.period_given &&
      (s.times.start_hour < 0 || s.times.start_hour > 23 ||
       s.times.start_minute < 0 || s.times.start_minute > 59))
    return "\nError: Bad Time \n";
  if (s.crash_poll_period < 0 || s.crash_poll_period > 9999)
    return "\nError: Bad Crashpoll Time \n";
  if (s.line_number < 0 || s.line_number > 99)
    return "\nError: Bad Line number \n";
  if (!s.log_type.empty() && DialectNamed(s.log_type) == nullptr)
    return "\nError: Bad LogType " + s.log_type + " (tmail or binkd)\n";
  return {};
}

}  // namespace brantlow
