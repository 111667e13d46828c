#include "driver/argument_check.h"

#include <array>
#include <string_view>

#include "base/text_fields.h"

namespace brantlow {

namespace {

bool IsDigit(std::string_view text, std::size_t i) {
  return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

enum class Form {
  kNone,
  kHelp,
  kDate,
  kTime,
  kPeriod,
  kCrashPoll,
  kLine,
  kMode
};

// The commands, whole: "+lfoo" or "+l(-s" is none of them.
constexpr std::array<std::string_view, 10> kModeCommands = {
    "+f", "+f(-s)", "-g", "+l", "+l(-s)", "+a", "+a(-s)", "+b", "+b(-s)", "+h"};

Form FormOf(std::string_view lowered) {
  if (PhraseAt(lowered, "/?", 0)) return Form::kHelp;
  if (PhraseAt(lowered, "/d=", 0)) return Form::kDate;
  if (PhraseAt(lowered, "/t=", 0)) return Form::kTime;
  if (PhraseAt(lowered, "/p=", 0)) return Form::kPeriod;
  if (PhraseAt(lowered, "/c=", 0)) return Form::kCrashPoll;
  if (PhraseAt(lowered, "line", 0)) return Form::kLine;
  for (std::string_view command : kModeCommands)
    if (lowered == command) return Form::kMode;
  return Form::kNone;
}

// A number of 1 to max_digits digits at at, nothing else; at moves past it.
bool NumberAt(std::string_view text, std::size_t& at, std::size_t max_digits,
              int& value) {
  std::size_t digits = 0;
  value = 0;
  while (IsDigit(text, at + digits)) {
    // Past max_digits the value is refused anyway: no overflow.
    if (digits < max_digits) value = value * 10 + (text[at + digits] - '0');
    ++digits;
  }
  at += digits;
  return digits >= 1 && digits <= max_digits;
}

// One character between the parts of a value, not a digit and not the "-"
// that opens the end of a window.
bool SeparatorAt(std::string_view text, std::size_t& at) {
  if (at >= text.size() || IsDigit(text, at) || text[at] == '-') return false;
  ++at;
  return true;
}

bool GoodNumber(std::string_view value, std::size_t max_digits, int low,
                int high) {
  std::size_t at = 0;
  int number = 0;
  return NumberAt(value, at, max_digits, number) && at == value.size() &&
         number >= low && number <= high;
}

// Whether the first argument stands where the log path goes. One that
// begins as a command does ("+fx", "-gz") is a mistyped command: such a
// log is named "./+fx". A log named "lines.log" is a log, as ever (its
// first pass still reads a line number from it).
bool IsLogPathForm(const char* argument) {
  const std::string_view text = argument;
  if (text == "-") return true;
  if (text.size() <= 2 || text[0] == '+' || text[0] == '-') return false;
  const LoweredArgument lowered = Lower(argument);
  const Form form = FormOf(lowered.view());
  return form == Form::kNone ||
         (form == Form::kLine &&
          !GoodNumber(lowered.view().substr(4), 2, 0, 99));
}

// "auto", or dd.mm or d.mm as the date value reads them, with or without
// a year.
bool GoodDate(std::string_view value) {
  if (value == "auto") return true;
  std::size_t at = 0;
  int day = 0;
  int month = 0;
  const bool read = NumberAt(value, at, 2, day) && SeparatorAt(value, at) &&
                    NumberAt(value, at, 2, month) && day >= 1 && day <= 31 &&
                    month >= 1 && month <= 12;
  if (!read) return false;
  if (at == value.size()) return true;
  // A year named: ".yyyy".
  if (value[at] != '.') return false;
  const std::size_t year_at = ++at;
  int year = 0;
  return NumberAt(value, at, 4, year) && at == year_at + 4 &&
         at == value.size() && year >= 1980;
}

// h:mm or hh:mm at at, within the day.
bool ClockAt(std::string_view text, std::size_t& at) {
  int hour = 0;
  int minute = 0;
  const bool read = NumberAt(text, at, 2, hour) && SeparatorAt(text, at);
  const std::size_t minute_at = at;
  return read && NumberAt(text, at, 2, minute) && at == minute_at + 2 &&
         hour <= 23 && minute <= 59;
}

// "auto", or a start with or without its "-" end.
bool GoodTime(std::string_view value) {
  if (value == "auto") return true;
  std::size_t at = 0;
  if (!ClockAt(value, at)) return false;
  if (at == value.size()) return true;
  if (value[at] != '-') return false;
  ++at;
  return ClockAt(value, at) && at == value.size();
}

constexpr const char kKnownForms[] =
    "not an argument brantlow knows (the log path first, - for standard "
    "input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, "
    "+a(-s), +b, +b(-s), +h, -g, /? and the -- options)";

// What the value of an argument of the form may be; empty when it is good.
std::string_view ValueFault(Form form, std::string_view lowered, Date today) {
  switch (form) {
    case Form::kDate:
      if (!GoodDate(lowered.substr(3)))
        return "the day is /d=auto, /d=DD.MM or /d=DD.MM.YYYY, a day 1 to 31 "
               "of a month 1 to 12";
      break;
    case Form::kTime:
      if (!GoodTime(lowered.substr(3)))
        return "the window is /t=auto or /t=HH:MM-HH:MM, hours 0 to 23 and "
               "minutes 0 to 59";
      break;
    case Form::kPeriod: {
      Period period;
      if (!PeriodValue(lowered, today, period))
        return "the period is /p=DD.MM-DD.MM or /p=DD.MM.YYYY-DD.MM.YYYY "
               "(days the calendar has, at most 365 of them), /p=week or "
               "/p=month";
      break;
    }
    case Form::kCrashPoll:
      if (!GoodNumber(lowered.substr(3), 3, 0, 999))
        return "the crash-poll period is /c=0 to /c=999 seconds";
      break;
    case Form::kLine:
      if (!GoodNumber(lowered.substr(4), 2, 0, 99))
        return "the line number is line0 to line99";
      break;
    case Form::kNone: return kKnownForms;
    case Form::kHelp:
    case Form::kMode: break;
  }
  return {};
}

}  // namespace

std::optional<ArgumentFault> CheckArguments(Arguments args, Date today) {
  // Help asked for anywhere wins over what else was typed.
  for (const char* arg : args)
    if (FormOf(Lower(arg).view()) == Form::kHelp) return std::nullopt;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i == 0 && IsLogPathForm(args[0])) continue;
    const LoweredArgument lowered = Lower(args[i]);
    const std::string_view text = lowered.view();
    const std::string_view fault = ValueFault(FormOf(text), text, today);
    if (!fault.empty()) return ArgumentFault{args[i], std::string(fault)};
  }
  return std::nullopt;
}

std::optional<ArgumentFault> CheckLogPathGiven(Arguments args,
                                               const RunSettings& settings) {
  if (args.empty() || settings.log_file || IsLogPathForm(args[0]))
    return std::nullopt;
  return ArgumentFault{
      args[0],
      "no log to read: the log path comes first, before the other arguments "
      "(or the configuration's LogFile names it)"};
}

Arguments ArgumentsAfterLogPath(Arguments args) {
  return !args.empty() && IsLogPathForm(args[0]) ? args.subspan(1) : args;
}

std::string ArgumentFaultText(const ArgumentFault& fault) {
  return "brantlow: " + fault.argument + ": " + fault.allowed + "\n" +
         kHelpPointer;
}

}  // namespace brantlow
