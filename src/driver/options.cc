#include "driver/options.h"

#include <string_view>

#include "driver/credits.h"
#include "driver/outputs.h"

namespace brantlow {

namespace {

// The known options beside the outputs': a flag of LongOptions each, and
// its line of the usage summary. The outputs' lines stand after the first
// of these that says so.
struct OptionName {
  std::string_view name;
  bool LongOptions::*flag;
  std::string_view usage;
  bool outputs_after = false;
};

constexpr OptionName kOptions[] = {
    {"--help", &LongOptions::help, "  -h, --help       this summary\n"},
    {"--version", &LongOptions::version, "  --version        the version\n"},
    {"--utf8", &LongOptions::utf8,
     "  --utf8           report files in UTF-8, with the host's line ends\n",
     true},
    {"--stdout", &LongOptions::to_stdout,
     "  --stdout         the report on standard output too; messages go to\n"
     "                   standard error\n"},
    {"--no-lock", &LongOptions::no_lock,
     "  --no-lock        go on when no safe lock file can be made here\n"},
    {"--lang=en", &LongOptions::english,
     "  --lang=en        reports, web page and step lines in English\n"},
    {"--lang=ru", &LongOptions::russian,
     "  --lang=ru        reports in Russian, the default\n"},
    {"--station", &LongOptions::station,
     "  --station        every line configured here (brantlow.cfg, "
     "brantlN.cfg)\n"
     "                   and the station report over them, stadata.zvx\n"},
};

// The option with a value beside the flags, and its usage line, which
// stands after the outputs'.
constexpr std::string_view kPostOption = "--post=";
constexpr const char kPostUsage[] =
    "  --post=AREA      also the report as an echomail message of AREA, in a\n"
    "                   packet for the uplink (the Post keys)\n";

constexpr const char kUsageHead[] =
    "Usage: brantlow [LOG] [/d=DATE] [/t=TIME] [/p=DAYS] [/c=PERIOD] [lineN]\n"
    "                [COMMAND]... [OPTION]...\n"
    "       brantlow --help | --version | /?\n"
    "\n"
    "Statistics of a T-Mail log. Reads the mailer log (CP866) for one day, or\n"
    "for the hours of a window, and writes its reports into the current\n"
    "directory: logdata.zvx (busy histogram, sessions, address summary and\n"
    "call costs) and, on request, conndata.zvx, filedata.zvx and maxdata.zvx.\n"
    "\n"
    "  LOG              the mailer log (the LogFile key of the configuration\n"
    "                   wins over it); - reads it from standard input\n"
    "  /d=DD.MM         the day to read; /d=auto is yesterday; without /d=,\n"
    "                   today\n"
    "  /t=HH:MM-HH:MM   the hours to read; without /t= (or /t=auto), 00:00 to\n"
    "                   23:59; a start later than the end reads that evening\n"
    "                   and the next morning\n"
    "  /p=DD.MM-DD.MM   a period of days instead (also /p=week, the seven "
    "days\n"
    "                   to yesterday, and /p=month, the month before): the\n"
    "                   period report perdata.zvx\n"
    "  /c=PERIOD        marks calls to one address less than PERIOD seconds\n"
    "                   apart (crash polls); 0, the default, leaves it out\n"
    "  lineN            line N (1 to 99) of a station with several lines:\n"
    "                   brantlN.cfg, and the line number in every report name\n"
    "\n"
    "Commands (in any letter case):\n"
    "  +f               also copy the window's lines into a cut file "
    "(ShredDir)\n"
    "  +f(-s)           only the cut file, no statistics\n"
    "  +l, +l(-s)       connect strings and mailers: in the statistics, or in\n"
    "                   a file of their own, conndata.zvx\n"
    "  +a, +a(-s)       files received and sent: in the statistics, or in a\n"
    "                   file of their own, filedata.zvx\n"
    "  +b, +b(-s)       callers passed on to the BBS, in maxdata.zvx; with\n"
    "                   (-s) they are hidden in the statistics\n"
    "  -g               no busy histogram\n"
    "  +h               link health per link, in lnkdata.zvx (as --links)\n"
    "\n"
    "Options:\n";

constexpr const char kUsageTail[] =
    "  /?               the help screen (in Russian; waits for a key)\n"
    "\n"
    "Configuration: brantlow.cfg (brantlN.cfg with lineN) in the current\n"
    "directory: the log path, tariffs, the BBS log, the cut and temporary\n"
    "directories, log packing and files to delete. Without it the run goes on\n"
    "with the start values. The manual page, brantlow(1), lists its keys.\n"
    "\n"
    "Exit status: 0 when the run went through (warnings about the log\n"
    "included), 1 for /?, a bad setting or a log that cannot be opened, 2 for\n"
    "an unknown option or a report, packing or deletion that failed.\n"
    "\n"
    "Example: the night from 23:00 on 14 March to 08:00, with the connect "
    "table:\n"
    "  brantlow /var/spool/tmail/t-mail.log /d=14.03 /t=23:00-08:00 +l\n";

}  // namespace

std::string LongOptionLines() {
  std::string text;
  for (const OptionName& option : kOptions) {
    text += option.usage;
    if (option.outputs_after)
      for (const OutputFormat& output : Outputs()) text += output.usage;
    if (option.outputs_after) text += kPostUsage;
  }
  return text;
}

std::string UsageText() { return kUsageHead + LongOptionLines() + kUsageTail; }

std::string VersionText() { return std::string("brantlow ") + kVersion + "\n"; }

std::string UnknownOptionText(const std::string& option) {
  return "brantlow: unknown option " + option +
         " (brantlow --help lists the options)\n";
}

SplitArguments SplitOptions(Arguments args) {
  SplitArguments split;
  for (const char* arg : args) {
    const std::string_view text = arg;
    if (text == "-h") {
      split.options.help = true;
      continue;
    }
    if (text.substr(0, 2) != "--") {
      split.rest.push_back(arg);
      continue;
    }
    if (text.starts_with(kPostOption)) {
      split.options.post_area = std::string(text.substr(kPostOption.size()));
      continue;
    }
    bool known = false;
    for (const OptionName& option : kOptions) {
      if (text == option.name) {
        split.options.*option.flag = true;
        known = true;
      }
    }
    for (const OutputFormat& output : Outputs()) {
      if (text == output.option) {
        if (!split.options.Wants(output.option))
          split.options.outputs.push_back(output.option);
        known = true;
      }
    }
    if (!known && split.options.unknown.empty())
      split.options.unknown = std::string(text);
  }
  return split;
}

}  // namespace brantlow
