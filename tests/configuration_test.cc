#include "driver/configuration.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "base/text_fields.h"

namespace brantlow {
namespace {

class ConfigurationTest : public testing::Test {
 protected:
  void Read(const std::string& text) {
    MemoryLines file(text);
    ReadConfiguration(file, settings_, tables_);
  }
  const ProcessDefinition& process(int i) {
    return tables_.processes[static_cast<std::size_t>(i)];
  }

  RunSettings settings_;
  std::unique_ptr<ProcessDefinitions> processes_ =
      std::make_unique<ProcessDefinitions>();
  std::unique_ptr<CostTable> costs_ = std::make_unique<CostTable>();
  std::unique_ptr<MaskList> no_scan_ = std::make_unique<MaskList>();
  std::unique_ptr<MaskList> kill_ = std::make_unique<MaskList>();
  ConfigurationTables tables_{*processes_, *costs_, *no_scan_, *kill_};
};

TEST_F(ConfigurationTest, CommentsAndPaths) {
  Read(
      "; LogFile /not/this\r\n"
      "LogFile /var/log/t mail.log ; the mailer's log\r\n"
      "TmpDir  /var/tmp/brantlow/ \r\n"
      "ShredDir /srv/My Cuts\r\n");
  EXPECT_EQ("/var/log/tmail.log;themailer'slog", settings_.log_path);
  EXPECT_EQ("/var/tmp/brantlow", settings_.temp_directory);
  EXPECT_EQ("/srv/MyCuts", settings_.cut_directory);
}

TEST_F(ConfigurationTest, LanguageMarkers) {
  Read("LogFile /log/t-mail.log @RUS\r\n");
  EXPECT_EQ(LogLanguage::kRussian, settings_.language);
  EXPECT_EQ("/log/t-mail.log@RUS", settings_.log_path);
  settings_ = {};
  Read("@RUS LogFile /log/t-mail.log\r\n");
  EXPECT_EQ(LogLanguage::kRussian, settings_.language);
  EXPECT_EQ("/log/t-mail.log", settings_.log_path);
  settings_ = {};
  Read("@ENG\r\n");
  EXPECT_EQ(LogLanguage::kEnglish, settings_.language);
}

TEST_F(ConfigurationTest, AKeyInsideAValueCountsToo) {
  Read("LogFile /fido/Costs/t-mail.log\r\n");
  EXPECT_EQ("/fido/Costs/t-mail.log", settings_.log_path);
  EXPECT_EQ(1, costs_->count);
  // Its name is the first word after "Cost".
  EXPECT_STREQ("s/t-mail.log", costs_->entries[0].name);
}

TEST_F(ConfigurationTest, WordSearchesCapitalizeTheRestOfTheLine) {
  Read(
      "PauseHelp no  LogFile /x\r\n"
      "FilesEcho None\r\n"
      "BBSType Maximus  @ZIP \"pkzip -a\"\r\n"
      "CrashCheck all TmpDir /t\r\n"
      "1_Cycle YES 2_Cycle YES\r\n");
  EXPECT_TRUE(settings_.pause_help_off);
  EXPECT_EQ("./", settings_.log_path);  // LOGFILE is no key any more
  EXPECT_TRUE(settings_.echo_mail);
  EXPECT_TRUE(settings_.bbs_type);
  EXPECT_EQ(0, settings_.packer_kind);
  EXPECT_EQ("PKZIP -A", settings_.packer_command);  // capitalized too
  EXPECT_TRUE(settings_.crash_check);
  EXPECT_EQ("./", settings_.temp_directory);
  EXPECT_TRUE(process(0).cycle);
  EXPECT_FALSE(process(1).cycle);
}

TEST_F(ConfigurationTest, AWordNotFoundKeepsTheFlag) {
  Read("PauseHelp yes\r\nBBSType none\r\n");
  EXPECT_FALSE(settings_.pause_help_off);
  EXPECT_FALSE(settings_.bbs_type);
}

TEST_F(ConfigurationTest, StringCommands) {
  Read("String +l(-s) /c=120 -g\r\n");
  EXPECT_EQ(TableMode::kOwnFile, settings_.connect_mode);
  EXPECT_EQ(120, settings_.crash_poll_period);
  EXPECT_TRUE(settings_.no_histogram);
  settings_ = {};
  Read("String +f(-S) +A +b(-s ; /C=45\r\n");
  EXPECT_EQ(CutMode::kCutOnly, settings_.cut_mode);
  EXPECT_EQ(TableMode::kInStatistics, settings_.files_mode);
  EXPECT_EQ(BbsMode::kUserFileHidden, settings_.bbs_mode);
  EXPECT_EQ(45, settings_.crash_poll_period);  // ";" does not stop it
}

TEST_F(ConfigurationTest, ProcessDefinitions) {
  Read(
      "Define_1 \"Running FD\" 1_Name \"ignored\"\r\n"
      "1_Name \"Mailer\"\r\n"
      "2_Name \"A name of twenty chars\"\r\n"
      "Define_2 \"unterminated pattern\r\n"
      "Define_3 no quotes at all\r\n");
  EXPECT_STREQ("Running FD", process(0).pattern);
  EXPECT_STREQ("Mailer           ", process(0).name);
  EXPECT_STREQ("A name of twenty ", process(1).name);
  EXPECT_STREQ("unterminated pattern", process(1).pattern);
  EXPECT_STREQ("\xB2\xB3\xB4", process(2).pattern);
}

TEST_F(ConfigurationTest, NumbersAndPackers) {
  Read("PackDay  1 4\r\nPackLog /arc/\r\n@RAR \"rar a -m5\"\r\n");
  EXPECT_EQ(14, settings_.pack_day);
  EXPECT_EQ("/arc", settings_.pack_directory);
  EXPECT_EQ(2, settings_.packer_kind);
  EXPECT_EQ("rar a -m5", settings_.packer_command);
}

TEST_F(ConfigurationTest, CostLines) {
  Read(
      "Cost 2:5020/1234.0 0.5#0.25 0.6#0.3 30\r\n"
      "Cost 2:463/68 1#2\r\n");
  ASSERT_EQ(2, costs_->count);
  const CostEntry& a = costs_->entries[0];
  EXPECT_STREQ("2:5020/1234", a.name);
  EXPECT_FLOAT_EQ(0.5f, a.incoming_day_rate);
  EXPECT_FLOAT_EQ(0.25f, a.incoming_night_rate);
  EXPECT_FLOAT_EQ(0.6f, a.outgoing_day_rate);
  EXPECT_FLOAT_EQ(0.3f, a.outgoing_night_rate);
  EXPECT_FLOAT_EQ(30.0f, a.add_on);
  const CostEntry& b = costs_->entries[1];
  EXPECT_STREQ("2:463/68", b.name);
  EXPECT_FLOAT_EQ(1.0f, b.incoming_day_rate);
  EXPECT_FLOAT_EQ(2.0f, b.incoming_night_rate);
  EXPECT_FLOAT_EQ(0.0f, b.outgoing_day_rate);
  EXPECT_FLOAT_EQ(0.0f, b.add_on);
}

TEST_F(ConfigurationTest, TheThirtyThirdCostOverwritesTheLast) {
  std::string text;
  for (int i = 1; i <= 34; ++i)
    text += "Cost N" + std::to_string(i) + " 1#1 1#1 0\r\n";
  Read(text);
  EXPECT_EQ(32, costs_->count);
  EXPECT_STREQ("N31", costs_->entries[30].name);
  EXPECT_STREQ("N34", costs_->entries[31].name);
}

TEST_F(ConfigurationTest, NightTime) {
  Read("NightTime 23:00-7:00\r\n");
  EXPECT_FLOAT_EQ(82800, costs_->night_start);
  EXPECT_FLOAT_EQ(25200, costs_->night_end);
  Read("NightTime 0:30-06:00\r\n");
  EXPECT_FLOAT_EQ(1800, costs_->night_start);
  EXPECT_FLOAT_EQ(21600, costs_->night_end);
  Read("NightTime 22:15\r\n");
  EXPECT_FLOAT_EQ(80100, costs_->night_start);
  EXPECT_FLOAT_EQ(0, costs_->night_end);
}

TEST_F(ConfigurationTest, Lists) {
  std::string text = "FilesNoScan *.pkt\r\n";
  for (int i = 1; i <= 40; ++i)
    text += "FilesKill /tmp/box/" + std::to_string(i) + ".bak\r\n";
  Read(text);
  EXPECT_EQ(1, no_scan_->count);
  EXPECT_EQ("*.PKT", (*no_scan_)[0]);
  EXPECT_EQ(32, kill_->count);
  EXPECT_EQ("/tmp/box/31.bak", (*kill_)[30]);
  EXPECT_EQ("/tmp/box/40.bak", (*kill_)[31]);
}

TEST_F(ConfigurationTest, LongLinesArriveInPieces) {
  // 85 characters, then "LogFile" split by the 89-character cut.
  std::string line(85, 'x');
  Read(line + "LogFile /split\r\n" + std::string(88, 'y') +
       " TmpDir /whole\r\n");
  EXPECT_EQ("./", settings_.log_path);
  EXPECT_EQ("/whole", settings_.temp_directory);  // a piece of its own
}

}  // namespace
}  // namespace brantlow
