#include "files/files_table.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_fields.h"
#include "log/scratch_entry.h"

namespace brantlow {
namespace {

class FilesTableTest : public testing::Test {
 protected:
  void Session(const char* name) {
    table_->Append();
    CopyField(table_->Current().name, name);
  }
  // An entry as the recognisers write it; direction "~s~" or "~r~".
  static std::string Entry(int index, const char* name,
                           std::string_view direction,
                           const std::string& file) {
    MemoryOutput out;
    ScratchWriter(out).Add(
        {index, name, direction == "~s~", file + " 100 OK, 10 cps"});
    return out.bytes();
  }
  // The rows of the table, without its head and bottom border.
  std::string Rows(const std::string& scratch, FilesTableOptions options = {}) {
    MemoryLines lines(scratch);
    MemoryOutput out;
    WriteFilesTable(*table_, out, options, lines,
                    TextsFor(ReportLanguage::kRussian));
    const std::string& all = out.bytes();
    std::size_t head = 0;
    for (int i = 0; i < 3; ++i) head = all.find("\r\n", head) + 2;
    std::size_t bottom = all.rfind("\xC8");
    return all.substr(head, bottom - head);
  }
  std::unique_ptr<SessionTable> table_ = std::make_unique<SessionTable>();
};

// A row of the table: address (or blanks), received cell, sent cell.
std::string Row(const std::string& address, const std::string& received,
                const std::string& sent) {
  auto pad = [](std::string s, std::size_t n) {
    s.resize(n, ' ');
    return s;
  };
  return "\xBA" + pad(address, 18) + "\xB3" + pad(received, 25) + "\xB3" +
         pad(sent, 25) + "\xBA\r\n";
}

const std::string kRule = "\xC7" + std::string(18, '\xC4') + "\xC5" +
                          std::string(25, '\xC4') + "\xC5" +
                          std::string(25, '\xC4') + "\xB6\r\n";

TEST_F(FilesTableTest, CallsOfOneAddressFormOneGroup) {
  Session("2:1/1");
  Session("2:2/2");
  Session("2:1/1");
  EXPECT_EQ(Row("2:1/1", "a.pkt", "x.zip") + Row("", "b.pkt", "") +
                Row("", "c.pkt", "") + kRule + Row("2:2/2", "", "y.zip"),
            Rows(Entry(0, "2:1/1", "~r~", "a.pkt") +
                 Entry(0, "2:1/1", "~s~", "x.zip") +
                 Entry(1, "2:2/2", "~s~", "y.zip") +
                 Entry(2, "2:1/1", "~r~", "b.pkt") +
                 Entry(2, "2:1/1", "~r~", "c.pkt")));
}

TEST_F(FilesTableTest, MasksLeaveNamesOutButKeepTheirCase) {
  Session("2:1/1");
  Session("2:2/2");
  auto no_scan = std::make_unique<MaskList>();
  no_scan->Add("*.ZIP");
  FilesTableOptions options{true, no_scan.get()};
  std::string scratch;
  for (const char* f : {"a.mo1", "b.TIC", "c.pkt", "d.pkh", "e.arj", "file.zip",
                        "Long_Name_Of_Thirty_Chars.txt"})
    scratch += Entry(0, "2:1/1", "~r~", f);
  scratch += Entry(1, "2:2/2", "~r~", "only.zip");
  // The group of 2:2/2, the last, prints nothing: the rule after the group
  // before it then stands directly above the bottom border.
  EXPECT_EQ(Row("2:1/1", "e.arj", "") +
                Row("", "Long_Name_Of_Thirty_Chars", "") + kRule,
            Rows(scratch, options));
}

TEST_F(FilesTableTest, SlotLimitsPerDirection) {
  Session("2:1/1");
  std::string scratch;
  for (int i = 0; i < 431; ++i)
    scratch += Entry(0, "2:1/1", "~s~", "s" + std::to_string(i));
  for (int i = 0; i < 430; ++i)
    scratch += Entry(0, "2:1/1", "~r~", "r" + std::to_string(i));
  std::string rows = Rows(scratch);
  EXPECT_EQ(430u * (18 + 25 + 25 + 6), rows.size());
  EXPECT_NE(std::string::npos, rows.find(Row("", "r428", "s428")));
  EXPECT_NE(std::string::npos, rows.find(Row("", "", "s429")));
  EXPECT_EQ(std::string::npos, rows.find("r429 "));
  EXPECT_EQ(std::string::npos, rows.find("s430 "));
}

// The listing the period report counts and the outputs for scripts show
// must be what the table draws, whatever the scratch entries hold: names
// renamed after their transfers, masks, long names, pieces of long lines.
TEST_F(FilesTableTest, TheListingIsWhatTheTableDraws) {
  std::mt19937 random(7);
  auto pick = [&](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  const char* const names[] = {"2:1/1", "2:2/2", "2:3/3", "Terminal Call"};
  for (int round = 0; round < 200; ++round) {
    *table_ = SessionTable{};
    const int sessions = 1 + pick(6);
    for (int i = 0; i < sessions; ++i) Session(names[pick(4)]);
    std::string scratch;
    for (int k = pick(40); k > 0; --k) {
      std::string file =
          "f" + std::to_string(pick(1000)) + (pick(4) == 0 ? ".pkt" : ".zip");
      if (pick(10) == 0) file = std::string(20 + pick(70), 'L') + file;
      scratch +=
          Entry(pick(sessions), names[pick(4)], pick(2) ? "~s~" : "~r~", file);
    }
    auto no_scan = std::make_unique<MaskList>();
    no_scan->Add("*.PKT");
    const FilesTableOptions options{pick(2) == 0, no_scan.get()};
    MemoryLines lines(scratch);
    // The cells the table draws, address by address.
    std::vector<FilesListing> drawn;
    const std::string rows = Rows(scratch, options);
    for (std::size_t at = 0; at < rows.size();) {
      const std::size_t end = rows.find("\r\n", at);
      const std::string row = rows.substr(at, end - at);
      at = end + 2;
      if (row[0] != '\xBA') continue;
      auto cell = [](const std::string& text) {
        return text.substr(0, text.find_last_not_of(' ') + 1);
      };
      if (row[1] != ' ') drawn.push_back({cell(row.substr(1, 18)), {}, {}});
      if (!cell(row.substr(20, 25)).empty())
        drawn.back().received.push_back(cell(row.substr(20, 25)));
      if (!cell(row.substr(46, 25)).empty())
        drawn.back().sent.push_back(cell(row.substr(46, 25)));
    }
    const std::vector<FilesListing> listed = ListFiles(*table_, options, lines);
    ASSERT_EQ(drawn.size(), listed.size()) << round;
    for (std::size_t g = 0; g < drawn.size(); ++g) {
      EXPECT_EQ(drawn[g].name, listed[g].name) << round;
      EXPECT_EQ(drawn[g].received, listed[g].received) << round;
      EXPECT_EQ(drawn[g].sent, listed[g].sent) << round;
    }
  }
}

}  // namespace
}  // namespace brantlow
