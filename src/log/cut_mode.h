// What a run does with the lines inside the window: its own small header,
// so that the run settings need none of the reading chain.
#ifndef BRANTLOW_LOG_CUT_MODE_H_
#define BRANTLOW_LOG_CUT_MODE_H_

namespace brantlow {

// What a run does with the lines inside the window.
enum class CutMode {
  kNone,           // extract sessions only
  kCutAndAnalyse,  // +F: copy them to the cut file, and extract
  kCutOnly,        // +f(-s): only copy them
};

inline bool Cuts(CutMode mode) { return mode != CutMode::kNone; }
inline bool Analyses(CutMode mode) { return mode != CutMode::kCutOnly; }

}  // namespace brantlow

#endif  // BRANTLOW_LOG_CUT_MODE_H_
