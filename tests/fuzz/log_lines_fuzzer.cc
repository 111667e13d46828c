// The mailer log as bytes through the reading path: piece cutting, the
// window test, the session extractor and its recognisers. The first byte
// picks the phrase set, the cut mode and a window that crosses midnight.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "log/line_processor.h"
#include "log/log_phrases.h"
#include "log/log_piece_reader.h"
#include "log/process_definitions.h"
#include "log/session_extractor.h"
#include "log/session_table.h"
#include "base/text_fields.h"
#include "platform/file_window.h"
#include "platform/text_file.h"
#include "tests/fuzz/fuzz_file.h"

using namespace brantlow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::string log_path = fuzz::ScratchPath("log");
  static const std::string scratch_path = fuzz::ScratchPath("scratch");
  static const std::string cut_path = fuzz::ScratchPath("cut");
  const std::uint8_t flags = data[0];
  fuzz::WriteFile(log_path, data + 1, size - 1);

  static auto table = std::make_unique<SessionTable>();
  *table = SessionTable{};
  ProcessDefinitions processes{};
  CopyField(processes[0].pattern, "Rescanning");
  CopyField(processes[0].name, "Outbound scan");
  processes[0].cycle = flags & 0x10;
  TextFile scratch, cut;
  scratch.OpenWrite(scratch_path.c_str());
  const int cut_mode = (flags >> 1) % 3;
  if (cut_mode != 0) cut.OpenWrite(cut_path.c_str());
  SessionExtractor extractor(*table, LogPhrasesFor(flags & 1), processes,
                             flags & 0x20, &scratch);
  const bool midnight = flags & 0x40;
  WindowDay first{15, 3, midnight ? 23 : 0, 0, 23, 59};
  WindowDay second{16, 3, 0, 0, 8, 30};

  FileWindow file;
  if (!file.Open(log_path.c_str())) return 0;
  LogPieceReader reader(file);
  LogPiece raw;
  LinePieces first_pieces, second_pieces;
  char line[kLogPieceLimit + 1];
  auto outside = [&](const char* bytes, std::size_t length) {
    return CertainlyOutside(bytes, length, first) &&
           (!midnight || CertainlyOutside(bytes, length, second));
  };
  for (;;) {
    if ((flags & 0x80) && CanSkip(first_pieces) && CanSkip(second_pieces) &&
        reader.SkipLines(outside) > 0) {
      SkipPiece(true, first_pieces);
      SkipPiece(true, second_pieces);
    }
    if (!reader.Next(raw)) break;
    const std::string_view piece = raw.Folded(line);
    ProcessLine(piece, first, cut_mode, cut, extractor, first_pieces);
    if (midnight) ProcessLine(piece, second, cut_mode, cut, extractor, second_pieces);
  }
  return 0;
}
