// The Maximus log as bytes against a few "Terminal Call" sessions; the
// first bytes choose the window's days, the sessions' hours and the line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

#include "base/text_fields.h"
#include "log/bbs_log_reader.h"
#include "log/session_table.h"
#include "log/window.h"
#include "platform/line_reader.h"

using namespace brantlow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size < 4) return 0;
  MemoryLines log(
      std::string_view(reinterpret_cast<const char*>(data + 4), size - 4));
  static auto table = std::make_unique<SessionTable>();
  *table = SessionTable{};
  for (int i = 0; i < 1 + data[2] % 4; ++i) {
    table->Append();
    SessionRecord& r = table->Current();
    char time[16];
    std::snprintf(time, sizeof time, "%02d:00:00", (data[3] + i * 5) % 24);
    CopyField(r.start_time, time);
    std::snprintf(time, sizeof time, "%02d:59:59", (data[3] + i * 5 + 2) % 24);
    CopyField(r.end_time, time);
    CopyField(r.name, i % 3 == 2 ? "2:5020/1" : "Terminal Call");
    table->SetConnect(r, i % 2 ? "33600/ARQ" : "2400");
    r.kind = 'i';
  }
  Window window;
  window.first = {data[0] % 33, data[1] % 14};
  window.second = {data[2] % 33, data[3] % 14};
  window.crosses_midnight = data[2] & 0x80;
  ReadBbsLog(*table, window, data[1] % 3, log);
  return 0;
}
