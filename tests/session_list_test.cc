#include "reports/session_list.h"

#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "platform/cp866.h"

namespace brantlow {
namespace {

// CP866 bytes of a UTF-8 text, each "\n" as the file's CR LF.
std::string FileText(const std::string& utf8) {
  std::string bytes = Utf8ToCp866(utf8), out;
  for (char c : bytes) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

class SessionListTest : public testing::Test {
 protected:
  void AddBbsUser() {
    table_->Append();
    SessionRecord& r = table_->Current();
    CopyField(r.start_time, "19:45:10");
    CopyField(r.end_time, "20:02:55");
    CopyField(r.name, "Ivan Petrov       ");
    r.kind = kBbsCaller;
    r.bytes_received = 1024;
    r.bytes_sent = 20480;
    r.cps = 1500.4f;
    std::memcpy(r.password, "?!\0\0\0\0", 6);
  }
  void AddMailer() {
    table_->Append();
    AddMailerFields(table_->Current());
  }
  static void AddMailerFields(SessionRecord& r) {
    CopyField(r.start_time, "9:5:1");
    CopyField(r.end_time, "09:05:30");
    CopyField(r.name, "2:5020/1");
    r.kind = kOutgoing;
    r.bytes_received = 12345678901.0f;
    r.crash_mark = '!';
    std::memcpy(r.password, "passw ", 6);
  }
  std::string Write(int period, BbsMode bbs_mode, SessionListTarget target) {
    MemoryOutput out;
    WriteSessionList(window_, period, *table_, out, bbs_mode, target, count_,
                     TextsFor(ReportLanguage::kRussian));
    return out.bytes();
  }

  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
  Window window_ =
      MakeWindow({28, 2, 2026}, {23, 0, 8, 5, true}, {31, 12, 2026});
  int count_ = 0;
};

TEST_F(SessionListTest, BbsUserFileListsOnlyBbsUsers) {
  AddMailer();
  AddBbsUser();
  std::string expected = FileText(
      "\n         Статистика на 28.02-01.03  время с 23:00 по 08:05 \n"
      "╔═════════════════╤══════════════════╤══════════╤══════════╤══════╤═════"
      "═╗\n"
      "║      Время      │   Пользователь   │ Принято  │ Передано │ CPS  "
      "│Пароль║\n"
      "╟─────────────────┼──────────────────┼──────────┼──────────┼──────┼─────"
      "─╢\n"
      "║19:45:10-20:02:55│Ivan Petrov       │      1024│     20480│  1500│?!   "
      " ║\n"
      "╚═════════════════╧══════════════════╧══════════╧══════════╧══════╧═════"
      "═╝\n");
  EXPECT_EQ(expected,
            Write(0, BbsMode::kUserFile, SessionListTarget::kBbsUserFile));
  EXPECT_EQ(1, count_);
}

TEST_F(SessionListTest, BbsUserFileWithCrashColumnShowsUnsetMarkAsBlank) {
  AddBbsUser();
  std::string expected = FileText(
      "\n         Статистика на 28.02-01.03  время с 23:00 по 08:05 \n"
      "╔═════════════════╤═╤══════════════════╤══════════╤══════════╤══════╤═══"
      "═══╗\n"
      "║      Время      │С│   Пользователь   │ Принято  │ Передано │ CPS  "
      "│Пароль║\n"
      "╟─────────────────┼─┼──────────────────┼──────────┼──────────┼──────┼───"
      "───╢\n"
      "║19:45:10-20:02:55│ │Ivan Petrov       │      1024│     20480│  1500│?! "
      "   ║\n"
      "╚═════════════════╧═╧══════════════════╧══════════╧══════════╧══════╧═══"
      "═══╝\n");
  EXPECT_EQ(expected, Write(60, BbsMode::kUserFileHidden,
                            SessionListTarget::kBbsUserFile));
}

TEST_F(SessionListTest, StatisticsFileHidesBbsUsersInModeTwo) {
  window_ = MakeWindow({15, 3, 2026}, {9, 0, 21, 30, true}, {31, 12, 2026});
  AddMailer();
  AddBbsUser();
  std::string expected = FileText(
      "\n           Статистика на 15.03  время с 09:00 по 21:30 \n"
      "╔═════════════════╤═╤══════════════════╤═╤══════════╤══════════╤══════╤═"
      "═════╗\n"
      "║      Время      │С│      Адрес       │D│ Принято  │ Передано │ CPS  "
      "│Пароль║\n"
      "╟─────────────────┼─┼──────────────────┼─┼──────────┼──────────┼──────┼─"
      "─────╢\n"
      "║   9:5:1-09:05:30│!│2:5020/1          │o│12345678848│         0│     "
      "0│passw ║\n"
      "║19:45:10-20:02:55│ │BBS call          │B│      1024│     20480│  "
      "1500│?!    ║\n"
      "╚═════════════════╧═╧══════════════════╧═╧══════════╧══════════╧══════╧═"
      "═════╝\n");
  EXPECT_EQ(expected, Write(120, BbsMode::kUserFileHidden,
                            SessionListTarget::kStatisticsFile));
  EXPECT_EQ(0, count_);
}

TEST_F(SessionListTest, StatisticsFileShowsBbsUsersByNameOtherwise) {
  window_ = MakeWindow({15, 3, 2026}, {0, 0, 23, 59, true}, {31, 12, 2026});
  AddBbsUser();
  std::string expected = FileText(
      "\n           Статистика на 15.03  время с 00:00 по 23:59 \n"
      "╔═════════════════╤══════════════════╤═╤══════════╤══════════╤══════╤═══"
      "═══╗\n"
      "║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  "
      "│Пароль║\n"
      "╟─────────────────┼──────────────────┼─┼──────────┼──────────┼──────┼───"
      "───╢\n"
      "║19:45:10-20:02:55│Ivan Petrov       │B│      1024│     20480│  1500│?! "
      "   ║\n"
      "╚═════════════════╧══════════════════╧═╧══════════╧══════════╧══════╧═══"
      "═══╝\n");
  EXPECT_EQ(expected,
            Write(0, BbsMode::kUserFile, SessionListTarget::kStatisticsFile));
}

TEST_F(SessionListTest, EmptyTableHasNoRows) {
  window_ = MakeWindow({1, 1, 2026}, {0, 0, 23, 59, true}, {31, 12, 2026});
  std::string expected = FileText(
      "\n           Статистика на 01.01  время с 00:00 по 23:59 \n"
      "╔═════════════════╤══════════════════╤═╤══════════╤══════════╤══════╤═══"
      "═══╗\n"
      "║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  "
      "│Пароль║\n"
      "╟─────────────────┼──────────────────┼─┼──────────┼──────────┼──────┼───"
      "───╢\n"
      "╚═════════════════╧══════════════════╧═╧══════════╧══════════╧══════╧═══"
      "═══╝\n");
  EXPECT_EQ(expected,
            Write(0, BbsMode::kOff, SessionListTarget::kStatisticsFile));
}

TEST_F(SessionListTest, ALargeTableListsEveryRecord) {
  for (int i = 0; i < 1200; ++i) {
    table_->Append();
    AddMailerFields(table_->Current());
  }
  std::string list =
      Write(0, BbsMode::kOff, SessionListTarget::kStatisticsFile);
  std::size_t rows = 0;
  for (std::size_t at = list.find("\r\n\xBA"); at != std::string::npos;
       at = list.find("\r\n\xBA", at + 1))
    ++rows;
  EXPECT_EQ(1201u, rows);  // and the header
}

}  // namespace
}  // namespace brantlow
