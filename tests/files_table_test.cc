#include "files/files_table.h"

#include <memory>
#include <string>

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
                           std::string_view direction, const std::string& file) {
    MemoryOutput out;
    ScratchWriter(out).Add({index, name, direction == "~s~", file + " 100 OK, 10 cps"});
    return out.bytes();
  }
  // The rows of the table, without its head and bottom border.
  std::string Rows(const std::string& scratch, FilesTableOptions options = {}) {
    MemoryLines lines(scratch);
    MemoryOutput out;
    WriteFilesTable(*table_, out, options, lines);
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
            Rows(Entry(0, "2:1/1", "~r~", "a.pkt") + Entry(0, "2:1/1", "~s~", "x.zip") +
                 Entry(1, "2:2/2", "~s~", "y.zip") + Entry(2, "2:1/1", "~r~", "b.pkt") +
                 Entry(2, "2:1/1", "~r~", "c.pkt")));
}

TEST_F(FilesTableTest, MasksLeaveNamesOutButKeepTheirCase) {
  Session("2:1/1");
  Session("2:2/2");
  auto no_scan = std::make_unique<MaskList>();
  no_scan->Add("*.ZIP");
  FilesTableOptions options{true, no_scan.get()};
  std::string scratch;
  for (const char* f : {"a.mo1", "b.TIC", "c.pkt", "d.pkh", "e.arj", "file.zip", "Long_Name_Of_Thirty_Chars.txt"})
    scratch += Entry(0, "2:1/1", "~r~", f);
  scratch += Entry(1, "2:2/2", "~r~", "only.zip");
  // The group of 2:2/2, the last, prints nothing: the rule after the group
  // before it then stands directly above the bottom border.
  EXPECT_EQ(Row("2:1/1", "e.arj", "") + Row("", "Long_Name_Of_Thirty_Chars", "") + kRule,
            Rows(scratch, options));
}

TEST_F(FilesTableTest, SlotLimitsPerDirection) {
  Session("2:1/1");
  std::string scratch;
  for (int i = 0; i < 431; ++i) scratch += Entry(0, "2:1/1", "~s~", "s" + std::to_string(i));
  for (int i = 0; i < 430; ++i) scratch += Entry(0, "2:1/1", "~r~", "r" + std::to_string(i));
  std::string rows = Rows(scratch);
  EXPECT_EQ(430u * (18 + 25 + 25 + 6), rows.size());
  EXPECT_NE(std::string::npos, rows.find(Row("", "r428", "s428")));
  EXPECT_NE(std::string::npos, rows.find(Row("", "", "s429")));
  EXPECT_EQ(std::string::npos, rows.find("r429 "));
  EXPECT_EQ(std::string::npos, rows.find("s430 "));
}

}  // namespace
}  // namespace brantlow
