#include "log/recognisers.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "platform/cp866.h"

namespace brantlow {
namespace {

class RecognisersTest : public testing::Test {
 protected:
  void SetUp() override {
    table_->Append();
    table_->Current().kind = kIncoming;
    CopyField(table_->Current().start_time, "09:54:52");
  }
  SessionRecord& current() { return table_->Current(); }
  void Feed(const std::string& line) { RunRecognisers(line, state_); }
  // The scratch entries in the bytes of the scratch file.
  std::string Scratch() { return scratch_bytes_.bytes(); }

  MemoryOutput scratch_bytes_;
  ScratchWriter scratch_{scratch_bytes_};
  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
  RecogniserState state_{*table_, EnglishLogPhrases(), &scratch_};
};

TEST_F(RecognisersTest, AWholeMailerSession) {
  Feed("15/03 09:55:04 2:4527/63, using T-Mail/2608.NT\n");
  Feed("15/03 09:55:04 Password protected session\n");
  Feed("15/03 09:55:06 HR-16 pntlst.z15 863 OK: 0:01, 863 cps, 26%\n");
  Feed("15/03 09:55:10 HS-16 areas.lst 214 OK: 0:01, 214 cps, 6%\n");
  Feed("15/03 09:55:11 \xFE 2:4527/63, bytes 863/214, time 0:00:19\n");
  EXPECT_EQ("2:4527/63", FieldText(current().name));
  EXPECT_EQ("T-Mail/2608.NT", table_->Mailer(current()));
  EXPECT_EQ("passw ", FieldText(current().password));
  EXPECT_EQ("09:55:11", FieldText(current().end_time));
  EXPECT_EQ(863.0f, current().bytes_received);
  EXPECT_EQ(214.0f, current().bytes_sent);
  EXPECT_EQ(
      "\xB2"
      "0\xB2\xDB"
      "2:4527/63\xDB~r~pntlst.z15 863 OK: 0:01, 863 cps, 26%\r\n"
      "\xB2"
      "0\xB2\xDB"
      "2:4527/63\xDB~s~areas.lst 214 OK: 0:01, 214 cps, 6%\r\n",
      Scratch());
}

TEST_F(RecognisersTest, PointSuffixZeroIsNotPartOfTheName) {
  Feed("15/03 09:55:04 2:9999/99.0, using X\n");
  EXPECT_EQ("2:9999/99", FieldText(current().name));
  Feed("15/03 09:55:04 2:9999/99.10, using X\n");
  EXPECT_EQ("2:9999/99.10", FieldText(current().name));
  // At most 17 characters are taken.
  Feed("15/03 09:55:04 12345:12345/12345.123, using X\n");
  EXPECT_EQ("12345:12345/12345", FieldText(current().name));
}

TEST_F(RecognisersTest, ALaterUsingLineReplacesTheWholeText) {
  Feed("15/03 09:55:04 2:5020/1234, using T-Mail/2608.NT\n");
  Feed("15/03 09:55:05 2:50/1, using Hydra\n");
  EXPECT_EQ("2:50/1", FieldText(current().name));
  EXPECT_EQ("Hydra", table_->Mailer(current()));
  // No address characters and no mailer text: the fields stay.
  Feed("15/03 09:55:06 Remote, using \n");
  EXPECT_EQ("2:50/1", FieldText(current().name));
  EXPECT_EQ("Hydra", table_->Mailer(current()));
}

TEST_F(RecognisersTest, UsingBeforeColumnTwentyIsNotSeen) {
  Feed("15/03 09:55:04 2: using X\n");  // " using " at column 17
  EXPECT_EQ("", FieldText(current().name));
  EXPECT_EQ("", table_->Mailer(current()));
}

TEST_F(RecognisersTest, MailerTextIsCutAtFortyEight) {
  std::string mailer(60, 'm');
  Feed("15/03 09:55:04 2:1/1, using " + mailer + "\n");
  EXPECT_EQ(std::string(48, 'm'), table_->Mailer(current()));
}

TEST_F(RecognisersTest, PasswordStatesAndColumns) {
  Feed("15/03 09:55:04 Password mismatch: x\n");
  EXPECT_EQ("mism  ", FieldText(current().password));
  Feed("15/03 09:55:04 Bad password: x\n");
  EXPECT_EQ("error ", FieldText(current().password));
  // Column 43 is past the searched columns.
  Feed(
      "15/03 09:55:04                             Password protected "
      "session\n");
  EXPECT_EQ("error ", FieldText(current().password));
}

TEST_F(RecognisersTest, HandshakeFailureKeepsAnAddress) {
  Feed("15/03 09:55:04 Handshake failure\n");
  EXPECT_EQ("Handshake failure", FieldText(current().name));
  EXPECT_EQ("09:55:04", FieldText(current().end_time));
  CopyField(current().name, "2:1/2");
  Feed("15/03 09:55:09 Handshake failure\n");
  EXPECT_EQ("2:1/2", FieldText(current().name));
  EXPECT_EQ("09:55:09", FieldText(current().end_time));
}

TEST_F(RecognisersTest, HumanCallerEndsOnItsReturn) {
  Feed("15/03 09:55:10 Returned to T-Mail with errorlevel 2\n");
  EXPECT_EQ("", FieldText(current().end_time));  // nobody was pending
  Feed("15/03 09:55:04 Human caller.\n");
  EXPECT_EQ("Terminal Call", FieldText(current().name));
  Feed("15/03 10:02:00 Returned to T-Mail with errorlevel 0\n");
  EXPECT_EQ("10:02:00", FieldText(current().end_time));
  EXPECT_FALSE(state_.human_caller_pending);
}

TEST_F(RecognisersTest, TerminalEmulatorOpensOneRecord) {
  Feed("15/03 18:00:01 Entering terminal emulator\n");
  Feed("15/03 18:00:02 Entering terminal emulator\n");
  EXPECT_EQ(1, table_->newest());
  EXPECT_EQ(kTerminal, current().kind);
  EXPECT_EQ("18:00:01", FieldText(current().start_time));
  EXPECT_EQ("Terminal Emulator", FieldText(current().name));
  Feed("15/03 18:09:44 Leaving terminal emulator\n");
  EXPECT_EQ("18:09:44", FieldText(current().end_time));
  Feed("15/03 18:10:00 Leaving terminal emulator\n");
  EXPECT_EQ("18:09:44", FieldText(current().end_time));
}

TEST_F(RecognisersTest, RussianPhrases) {
  RecogniserState russian{*table_, RussianLogPhrases(), &scratch_};
  RunRecognisers(CP866("15/03 09:55:04 Звонок пользователя BBS.\n"), russian);
  RunRecognisers("15/03 09:58:00 Returned to T-Mail with errorlevel 2\n",
                 russian);
  EXPECT_EQ("", FieldText(current().end_time));
  RunRecognisers(CP866("15/03 09:59:00 Возврат в T-Mail с кодом 2\n"), russian);
  EXPECT_EQ("09:59:00", FieldText(current().end_time));
  RunRecognisers(CP866("15/03 09:59:01 2:5020/1, использует Bink\n"), russian);
  EXPECT_EQ("Bink", table_->Mailer(current()));
  RunRecognisers(CP866("15/03 09:59:02 Несовпадение паролей: x\n"), russian);
  EXPECT_EQ("error ", FieldText(current().password));
  RunRecognisers(CP866("15/03 09:59:03 ■ 2:5020/1, байт 10/20\n"), russian);
  EXPECT_EQ(10.0f, current().bytes_received);
  EXPECT_EQ(20.0f, current().bytes_sent);
}

TEST_F(RecognisersTest, SummaryNeedsTheWholeNameAtColumnSeventeen) {
  CopyField(current().name, "2:4527/63");
  Feed("15/03 09:55:11 \xFE 2:4527/6, bytes 5/6\n");
  Feed("15/03 09:55:11 X 2:4527/63, bytes 5/6\n");
  EXPECT_EQ(0.0f, current().bytes_received);
  Feed("15/03 09:55:11 \xFE 2:4527/63, bytes 9/6 bytes 100/100\n");
  EXPECT_EQ(9.0f, current().bytes_received);
  EXPECT_EQ(6.0f, current().bytes_sent);
  Feed("15/03 09:55:12 \xFE 2:4527/63, bytes 1/2\n");
  EXPECT_EQ(10.0f, current().bytes_received);  // the counts add up
  EXPECT_EQ(8.0f, current().bytes_sent);
}

TEST_F(RecognisersTest, ByteCountsAreWholeNumbersOfUpToFifteenDigits) {
  CopyField(current().name, "2:1/1");
  Feed("15/03 09:55:11 \xFE 2:1/1, bytes 1234567890/55\n");
  EXPECT_EQ(1234567890, current().bytes_received);
  EXPECT_EQ(55, current().bytes_sent);
  Feed(
      "15/03 09:55:11 \xFE 2:1/1, bytes 999999999999999/16777217, time 0:01\n");
  EXPECT_EQ(1000001234567889, current().bytes_received);  // exact past 2^24
  EXPECT_EQ(16777272, current().bytes_sent);
  EXPECT_EQ(0, state_.malformed_lines);
  // A sign, a fraction, an exponent or a 16th digit reads as 0, and the
  // line is counted once however many of its fields are malformed.
  Feed("15/03 09:55:11 \xFE 2:1/1, bytes 1e39/0, time 0:01\n");
  Feed("15/03 09:55:11 \xFE 2:1/1, bytes -5/1.5e3\n");
  Feed("15/03 09:55:11 \xFE 2:1/1, bytes 1000000000000000/7\n");
  Feed("15/03 09:55:11 HR-16 a.pkt 12x OK: 0:01, 863 cps\n");
  EXPECT_EQ(1000001234567889, current().bytes_received);
  EXPECT_EQ(16777279, current().bytes_sent);
  EXPECT_EQ(4, state_.malformed_lines);
  // A line cut before its count says nothing about it.
  Feed("15/03 09:55:11 \xFE 2:1/1, bytes ");
  Feed("15/03 09:55:11 HR-16 a.pkt ");
  EXPECT_EQ(4, state_.malformed_lines);
}

TEST_F(RecognisersTest, EmptyNameNeverQualifies) {
  Feed("15/03 09:55:11 \xFE , bytes 1/2\n");
  EXPECT_EQ("", FieldText(current().end_time));
}

TEST_F(RecognisersTest, TransferTails) {
  CopyField(current().name, "2:1/1");
  Feed("15/03 09:55:06 ZS-1\n");            // no blank: empty tail
  Feed("15/03 09:55:06 XRfile.pkt\n");      // no blank either
  Feed("15/03 09:55:06 JR-32 a.pkt 1 OK");  // cut piece, no line end
  Feed("15/03 09:55:06 XS ");               // blank is the last char
  EXPECT_EQ(
      "\xB2"
      "0\xB2\xDB"
      "2:1/1\xDB~s~\r\n"
      "\xB2"
      "0\xB2\xDB"
      "2:1/1\xDB~r~\r\n"
      "\xB2"
      "0\xB2\xDB"
      "2:1/1\xDB~r~a.pkt 1 OK\r\n"
      "\xB2"
      "0\xB2\xDB"
      "2:1/1\xDB~s~ \r\n",
      Scratch());
}

}  // namespace
}  // namespace brantlow
