#include "reports/address_summary.h"

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "platform/cp866.h"

namespace brantlow {
namespace {

class SummaryTest : public testing::Test {
 protected:
  SessionRecord& Add(const char* name, float cps = 0, float duration = 0,
                     char kind = kIncoming) {
    table_->Append();
    SessionRecord& r = table_->Current();
    CopyField(r.start_time, "10:00:00");
    CopyField(r.name, name);
    r.cps = cps;
    r.duration = duration;
    r.kind = kind;
    return r;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int i = 0; i < table_->size(); ++i)
      names.emplace_back(FieldText((*table_)[i].name));
    return names;
  }
  std::string Write(BbsMode bbs_mode, SummaryTarget target, int count) {
    MemoryOutput out;
    WriteAddressSummary(*table_, out, bbs_mode, target, count,
                        TextsFor(ReportLanguage::kRussian));
    return out.bytes();
  }
  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
};

std::string FileText(const std::string& utf8) {
  std::string out;
  for (char c : Utf8ToCp866(utf8)) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// The exchange sort the summary once used, quadratic, kept as the
// reference for the order: names, with zone, net, node and point each
// compared only among names sharing the text before it.
struct ReferenceKeys {
  int number[4] = {0, 0, 0, 0};
  std::size_t prefix[4] = {0, 0, 0, 0};  // 0: absent; zone has none
};

ReferenceKeys ReferenceKeysOf(const std::string& name) {
  ReferenceKeys k;
  k.number[0] = FieldNumber(name, 0, 20);
  std::size_t at = 0;
  const char marks[] = {':', '/', '.'};
  for (int level = 1; level < 4; ++level) {
    at = name.find(marks[level - 1], level == 1 ? 1 : at);
    if (at == std::string::npos) break;
    ++at;
    k.number[level] = FieldNumber(name, at, 10);
    k.prefix[level] = at;
  }
  return k;
}

void ReferenceSort(std::vector<std::string>& names) {
  std::vector<ReferenceKeys> keys;
  for (const std::string& n : names) keys.push_back(ReferenceKeysOf(n));
  const std::size_t n = names.size();
  auto shares = [&](std::size_t j, std::size_t i, std::size_t prefix) {
    const std::size_t a = std::min(names[j].size(), prefix);
    const std::size_t b = std::min(names[i].size(), prefix);
    return a == b && names[j].compare(0, a, names[i], 0, a) == 0;
  };
  for (int level = 0; level < 4; ++level)
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = 0; j < n; ++j) {
        const std::size_t p = keys[i].prefix[level];
        if ((level == 0 || p != 0) &&
            keys[i].number[level] < keys[j].number[level] &&
            (level == 0 || shares(j, i, p))) {
          std::swap(keys[i], keys[j]);
          std::swap(names[i], names[j]);
        }
      }
}

// Tables of up to 400 distinct names drawn from few zones, nets and nodes,
// with spellings that tie (leading zeros, a ".0" point, suffixes) and
// plain names, in random order: the order is the exchange sort's, ties
// included.
TEST_F(SummaryTest, SortKeepsTheExchangeOrderOnTies) {
  std::mt19937 random(25);
  auto pick = [&](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  const char* plain[] = {"Guest User",
                         "Terminal Call",
                         "Handshake failure",
                         "Sysop",
                         "x",
                         ":1:2/3",
                         "2:"};
  const char* suffix[] = {"", "", "", ".0", "@fido", "0", ".", "/"};
  for (int round = 0; round < 300; ++round) {
    std::set<std::string> unique;
    const int want = 1 + pick(round < 250 ? 40 : 400);
    for (int tries = 0;
         tries < 4 * want && static_cast<int>(unique.size()) < want; ++tries) {
      std::string name;
      if (pick(6) == 0) {
        name = std::string(plain[pick(7)]) +
               (pick(2) ? "" : std::to_string(pick(30)));
      } else {
        name = std::string(pick(5) == 0 ? "0" : "") +
               std::to_string(1 + pick(3)) + ":" + std::to_string(pick(4)) +
               "/" + std::to_string(pick(5));
        if (pick(2)) name += "." + std::to_string(pick(3));
        name += suffix[pick(8)];
      }
      unique.insert(name.substr(0, 18));
    }
    std::vector<std::string> names(unique.begin(), unique.end());
    std::shuffle(names.begin(), names.end(), random);
    table_ = std::make_unique<SessionTable>();
    for (const std::string& n : names) Add(n.c_str());
    SortAndMerge(*table_);
    ReferenceSort(names);
    ASSERT_EQ(names, Names()) << "round " << round;
  }
}

TEST_F(SummaryTest, SessionTotal) {
  EXPECT_EQ(0, SessionTotal(*table_));
  table_->Append();  // the blank record of an empty window
  EXPECT_EQ(0, SessionTotal(*table_));
  CopyField(table_->Current().start_time, "10:00:00");
  EXPECT_EQ(1, SessionTotal(*table_));
  table_->Append();
  EXPECT_EQ(2, SessionTotal(*table_));
}

TEST_F(SummaryTest, MergeSumsAndAveragesPositiveCps) {
  Add("2:1/1", 100, 10).bytes_sent = 5;
  Add("2:1/2", 0, 1);
  Add("2:1/1", 0, 20).bytes_received = 7;
  Add("2:1/1", 200, 30);
  SortAndMerge(*table_);
  ASSERT_EQ(1, table_->newest());
  EXPECT_EQ("2:1/1", FieldText((*table_)[0].name));
  EXPECT_FLOAT_EQ(150, (*table_)[0].cps);
  EXPECT_FLOAT_EQ(60, (*table_)[0].duration);
  EXPECT_FLOAT_EQ(5, (*table_)[0].bytes_sent);
  EXPECT_FLOAT_EQ(7, (*table_)[0].bytes_received);

  table_ = std::make_unique<SessionTable>();
  Add("X", 0);
  Add("X", 0);
  Add("X", 50);
  Add("X", 30);
  SortAndMerge(*table_);
  EXPECT_FLOAT_EQ(40, (*table_)[0].cps);
}

TEST_F(SummaryTest, SortOrders) {
  for (const char* n :
       {"2:463/415", "1:120/100", "2:50/1", "2:463/10", "Handshake failure"})
    Add(n);
  SortAndMerge(*table_);
  EXPECT_EQ((std::vector<std::string>{"Handshake failure", "1:120/100",
                                      "2:50/1", "2:463/10", "2:463/415"}),
            Names());

  table_ = std::make_unique<SessionTable>();
  Add("2:463/415.3");
  Add("2:463/415.1");
  SortAndMerge(*table_);
  EXPECT_EQ((std::vector<std::string>{"2:463/415.1", "2:463/415.3"}), Names());

  table_ = std::make_unique<SessionTable>();
  for (const char* n :
       {"Terminal Call", "Guest User", "Handshake failure", "2:463/1"})
    Add(n);
  SortAndMerge(*table_);
  EXPECT_EQ((std::vector<std::string>{"Guest User", "Handshake failure",
                                      "Terminal Call", "2:463/1"}),
            Names());
}

TEST_F(SummaryTest, TwentyDigitNamesDoNotOverflow) {
  Add("99999999999999999:1/1");
  Add("2:1/1");
  SortAndMerge(*table_);
  EXPECT_EQ((std::vector<std::string>{"2:1/1", "99999999999999999:"}), Names());
}

TEST_F(SummaryTest, StatisticsFileWithBbsUsersHidden) {
  Add("2:5020/1", 1000, 125.9f).bytes_received = 4096;
  Add("Ivan Petrov       ", 500, 3600, kBbsCaller);
  Add("Olga Smirnova     ", 0, 360000, kBbsCaller);
  std::string expected = FileText(
      "╔══════════════════╤══════════╤══════════╤════════╤═════════════╗\n"
      "║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║\n"
      "╟──────────────────┼──────────┼──────────┼────────┼─────────────╢\n"
      "║2:5020/1          │      4096│         0│    1000│  00:02:05   ║\n"
      "║BBS user 01       │         0│         0│     500│  01:00:00   ║\n"
      "║BBS user 02       │         0│         0│       0│  100:00:00   ║\n"
      "╟──────────────────┼──────────┼──────────┼────────┼─────────────╢\n"
      "║Всего: 3   cессий │      4096│         0│   750.0│  101:02:05   ║\n"
      "╚══════════════════╧══════════╧══════════╧════════╧═════════════╝\n");
  EXPECT_EQ(expected,
            Write(BbsMode::kUserFileHidden, SummaryTarget::kStatisticsFile, 3));
}

TEST_F(SummaryTest, BbsUserFileListsOnlyBbsUsers) {
  Add("2:5020/1", 1000, 10);
  Add("Ivan Petrov       ", 500, 61, kBbsCaller);
  std::string expected = FileText(
      "╔══════════════════╤══════════╤══════════╤════════╤═════════════╗\n"
      "║   Пользователь   │  Принято │ Передано │  CPS   │ Общее время ║\n"
      "╟──────────────────┼──────────┼──────────┼────────┼─────────────╢\n"
      "║Ivan Petrov       │         0│         0│     500│  00:01:01   ║\n"
      "╟──────────────────┼──────────┼──────────┼────────┼─────────────╢\n"
      "║Всего: 1   cессий │         0│         0│   500.0│  00:01:01   ║\n"
      "╚══════════════════╧══════════╧══════════╧════════╧═════════════╝\n");
  EXPECT_EQ(expected,
            Write(BbsMode::kUserFile, SummaryTarget::kBbsUserFile, 1));
}

TEST_F(SummaryTest, EmptyTableHasOnlyTheFrameAndTotals) {
  std::string expected = FileText(
      "╔══════════════════╤══════════╤══════════╤════════╤═════════════╗\n"
      "║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║\n"
      "╟──────────────────┼──────────┼──────────┼────────┼─────────────╢\n"
      "╟──────────────────┼──────────┼──────────┼────────┼─────────────╢\n"
      "║Всего: 0   cессий │         0│         0│     0.0│  00:00:00   ║\n"
      "╚══════════════════╧══════════╧══════════╧════════╧═════════════╝\n");
  EXPECT_EQ(expected, Write(BbsMode::kOff, SummaryTarget::kStatisticsFile, 0));
}

}  // namespace
}  // namespace brantlow
