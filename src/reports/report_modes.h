// What the commands ask of the reports.
#ifndef BRANTLOW_REPORTS_REPORT_MODES_H_
#define BRANTLOW_REPORTS_REPORT_MODES_H_

namespace brantlow {

// The connect/mailer table (+l) and the files table (+a).
enum class TableMode {
  kOff,
  kInStatistics,  // appended to the statistics file
  kOwnFile,       // "(-s)": a file of its own
};

// The BBS-user file (+b).
enum class BbsMode {
  kOff,
  kUserFile,        // BBS users listed in a file of their own
  kUserFileHidden,  // "(-s)": and shown without names in the statistics file
};

inline bool Wanted(TableMode mode) { return mode != TableMode::kOff; }
inline bool Wanted(BbsMode mode) { return mode != BbsMode::kOff; }

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_REPORT_MODES_H_
