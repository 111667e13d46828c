// The transfer scratch file as bytes through its two readers, the rate
// pass and the files table, against a table of a few sessions, in memory.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "base/mask_list.h"
#include "base/text_fields.h"
#include "files/files_table.h"
#include "files/transfer_rate_pass.h"
#include "log/log_phrases.h"
#include "log/session_table.h"
#include "platform/line_reader.h"
#include "platform/output.h"

using namespace brantlow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size < 1) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1),
                               size - 1);
  MemoryLines scratch(bytes);
  static auto table = std::make_unique<SessionTable>();
  *table = SessionTable{};
  static const char* const names[] = {"2:5020/1234", "2:463/68", "2:5020/1234",
                                      "Terminal Call"};
  for (int i = 0; i < 1 + data[0] % 6; ++i) {
    table->Append();
    SessionRecord& r = table->Current();
    CopyField(r.name, names[i % 4]);
    CopyField(r.start_time, "10:00:00");
    CopyField(r.end_time, "10:05:00");
    r.kind = i % 4 == 3 ? 'B' : 'i';
  }
  static auto no_scan = std::make_unique<MaskList>();
  *no_scan = MaskList{};
  no_scan->Add("*.PKT");
  RunTransferRatePass(*table, scratch,
                      LogPhrasesFor(data[0] & 0x40 ? LogLanguage::kRussian
                                                   : LogLanguage::kEnglish));
  const FilesTableOptions options{static_cast<bool>(data[0] & 0x80),
                                  no_scan.get()};
  MemoryOutput out;
  WriteFilesTable(*table, out, options, scratch,
                  TextsFor(ReportLanguage::kRussian));
  return 0;
}
