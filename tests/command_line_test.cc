#include "driver/command_line.h"

#include <vector>

#include <gtest/gtest.h>

namespace brantlow {
namespace {

const Date kToday{15, 3, 2026};

struct Parsed {
  RunSettings settings;
  FirstPassResult first = FirstPassResult::kContinue;
  std::string check;
};

Parsed Parse(std::vector<const char*> words, RunSettings settings = {}) {
  Parsed p{settings, FirstPassResult::kContinue, {}};
  Arguments args(words.data(), words.size());
  p.first = FirstPass(args, p.settings);
  TakeLogPath(args, p.settings);
  SecondPass(args, kToday, p.settings);
  ApplyDefaults(kToday, p.settings);
  p.check = CheckSettings(p.settings);
  return p;
}

TEST(Lower, OnlyAsciiLettersChange) {
  LoweredArgument l = Lower("/D=AUTO+F(-S)\x80\x9F");
  EXPECT_EQ("/d=auto+f(-s)\x80\x9F", l.view());
  std::string long_word(2000, 'A');
  EXPECT_EQ(767u, Lower(long_word.c_str()).size);
}

TEST(FirstPass, LineNumberAndHelp) {
  EXPECT_EQ(7, Parse({"LOG", "line7"}).settings.line_number);
  EXPECT_EQ(7, Parse({"LOG", "LINE7"}).settings.line_number);
  EXPECT_EQ(12, Parse({"LOG", "line123"}).settings.line_number);
  EXPECT_EQ(0, Parse({"LOG", "line"}).settings.line_number);
  EXPECT_EQ(0, Parse({"LOG", "lineabc"}).settings.line_number);
  EXPECT_EQ(0, Parse({"LOG", "line7", "line0"}).settings.line_number);
  EXPECT_EQ(FirstPassResult::kHelpRequested, Parse({"LOG", "+l", "/?"}).first);
  EXPECT_EQ(FirstPassResult::kHelpRequested, Parse({"/?"}).first);
  EXPECT_EQ(FirstPassResult::kContinue, Parse({"LOG", "?"}).first);
}

TEST(LogPath, FirstArgumentLongerThanTwo) {
  EXPECT_EQ("C:/TMAIL/T-MAIL.LOG",
            Parse({"C:/TMAIL/T-MAIL.LOG"}).settings.log_path);
  EXPECT_EQ("./", Parse({"+l"}).settings.log_path);
  EXPECT_EQ("./", Parse({}).settings.log_path);
  // Taken as typed, even when it looks like an option.
  EXPECT_EQ("/d=01.03", Parse({"/d=01.03"}).settings.log_path);
  RunSettings configured;
  configured.log_file = configured.log_path = "/var/log/tmail.log";
  EXPECT_EQ("/var/log/tmail.log",
            Parse({"other.log"}, configured).settings.log_path);
  // A path of over 91 characters is kept whole.
  std::string long_path(300, 'x');
  EXPECT_EQ(long_path, Parse({long_path.c_str()}).settings.log_path);
}

TEST(SecondPass, ModesAndPrefixes) {
  Parsed p = Parse({"LOG", "+F", "-gz", "+lfoo", "+a(-s", "+b"});
  EXPECT_EQ(CutMode::kCutAndAnalyse, p.settings.cut_mode);
  EXPECT_TRUE(p.settings.no_histogram);
  EXPECT_EQ(TableMode::kInStatistics, p.settings.connect_mode);
  EXPECT_EQ(TableMode::kOwnFile, p.settings.files_mode);
  EXPECT_EQ(BbsMode::kUserFile, p.settings.bbs_mode);
  EXPECT_EQ(CutMode::kCutOnly, Parse({"LOG", "+F(-S)"}).settings.cut_mode);
  EXPECT_EQ(CutMode::kCutAndAnalyse, Parse({"LOG", "+f(-s"}).settings.cut_mode);
  EXPECT_EQ(TableMode::kOwnFile, Parse({"LOG", "+l(-s"}).settings.connect_mode);
  EXPECT_EQ(BbsMode::kUserFileHidden,
            Parse({"LOG", "+b(-s)"}).settings.bbs_mode);
  // A later command wins.
  EXPECT_EQ(TableMode::kInStatistics,
            Parse({"LOG", "+l(-s)", "+l"}).settings.connect_mode);
  EXPECT_EQ(TableMode::kOff,
            Parse({"LOG", "unknown", "line5"}).settings.connect_mode);
}

TEST(SecondPass, CommandLineOverridesButNeverSwitchesOff) {
  RunSettings from_configuration;
  from_configuration.connect_mode = TableMode::kOwnFile;
  from_configuration.crash_poll_period = 120;
  from_configuration.no_histogram = true;
  Parsed p = Parse({"LOG", "+l"}, from_configuration);
  EXPECT_EQ(TableMode::kInStatistics, p.settings.connect_mode);
  EXPECT_EQ(120, p.settings.crash_poll_period);
  EXPECT_TRUE(p.settings.no_histogram);
}

TEST(SecondPass, CrashPollPeriod) {
  EXPECT_EQ(125, Parse({"LOG", "/c=125"}).settings.crash_poll_period);
  EXPECT_EQ(120, Parse({"LOG", "/c=1200"}).settings.crash_poll_period);
  EXPECT_EQ(0, Parse({"LOG", "/c=abc"}).settings.crash_poll_period);
  EXPECT_EQ(-10, Parse({"LOG", "/C=-10"}).settings.crash_poll_period);
}

TEST(Defaults, DateAndWindow) {
  Parsed p = Parse({"LOG"});
  EXPECT_EQ(15, p.settings.start_date.day);
  EXPECT_EQ(3, p.settings.start_date.month);
  EXPECT_EQ(0, p.settings.times.start_hour);
  EXPECT_EQ(0, p.settings.times.start_minute);
  EXPECT_EQ(23, p.settings.times.end_hour);
  EXPECT_EQ(59, p.settings.times.end_minute);

  p = Parse({"LOG", "/D=AUTO", "/t=22:00"});
  EXPECT_EQ(14, p.settings.start_date.day);
  EXPECT_EQ(22, p.settings.times.start_hour);
  EXPECT_EQ(23, p.settings.times.end_hour);
  EXPECT_EQ(59, p.settings.times.end_minute);

  p = Parse({"LOG", "/t=23:00-08:00", "/d=28.02"});
  EXPECT_EQ(28, p.settings.start_date.day);
  EXPECT_EQ(2, p.settings.start_date.month);
  EXPECT_EQ(8, p.settings.times.end_hour);
}

TEST(Checks, MessagesInOrder) {
  EXPECT_EQ(
      "",
      Parse({"LOG", "/d=31.12", "/t=23:59-00:00", "/c=999", "line99"}).check);
  EXPECT_EQ("\nError: Bad Day data 32 1\n", Parse({"LOG", "/d=32.01"}).check);
  EXPECT_EQ("\nError: Bad Day data 5 0\n", Parse({"LOG", "/d=05"}).check);
  EXPECT_EQ("\nError: Bad Day data 1 13\n", Parse({"LOG", "/d=01.13"}).check);
  EXPECT_EQ("\nError: Bad Time \n", Parse({"LOG", "/t=24:00-01:00"}).check);
  EXPECT_EQ("\nError: Bad Time \n", Parse({"LOG", "/t=10:60-11:00"}).check);
  EXPECT_EQ("\nError: Bad Crashpoll Time \n", Parse({"LOG", "/c=-10"}).check);
  EXPECT_EQ("\nError: Bad Line number \n", Parse({"LOG", "line-5"}).check);
  // The day check comes first.
  EXPECT_EQ("\nError: Bad Day data 0 0\n",
            Parse({"LOG", "/d=00.00", "/t=99:99", "line-5"}).check);
  // The end of the window is not checked.
  EXPECT_EQ("", Parse({"LOG", "/t=10:00-99:99"}).check);
}

}  // namespace
}  // namespace brantlow
