// Names of the files a run reads and writes. In multi-line mode the line
// number stands just before the extension, so instances never collide.
#ifndef BRANTLOW_DRIVER_FILE_NAMES_H_
#define BRANTLOW_DRIVER_FILE_NAMES_H_

#include <string>

namespace brantlow {

// single for line 0, else stem + N + extension ("logdata.zvx", "logdat3.zvx").
std::string NumberedName(const char* single, const char* stem,
                         const char* extension, int line_number);

inline std::string ConfigurationFileName(int line) {
  return NumberedName("brantlow.cfg", "brantl", ".cfg", line);
}
inline std::string StatisticsFileName(int line) {
  return NumberedName("logdata.zvx", "logdat", ".zvx", line);
}
inline std::string BbsUserFileName(int line) {
  return NumberedName("maxdata.zvx", "maxdat", ".zvx", line);
}
inline std::string ConnectFileName(int line) {
  return NumberedName("conndata.zvx", "condat", ".zvx", line);
}
inline std::string FilesTableFileName(int line) {
  return NumberedName("filedata.zvx", "filedt", ".zvx", line);
}
inline std::string PeriodFileName(int line) {
  return NumberedName("perdata.zvx", "perdat", ".zvx", line);
}
inline std::string LockFileName(int line) {
  return NumberedName("brantlow.lck", "brantl", ".lck", line);
}
// The report of the whole station (--station), one for all its lines.
inline std::string StationFileName() { return "stadata.zvx"; }
inline std::string ScratchFileName(int line) {
  return NumberedName("zorvex.tmp", "zorv", ".tmp", line);
}

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_FILE_NAMES_H_
