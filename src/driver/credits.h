// The program's own words about itself: the banner and the signature lines
// that end every report file.
#ifndef BRANTLOW_DRIVER_CREDITS_H_
#define BRANTLOW_DRIVER_CREDITS_H_

// BRANTLOW_VERSION comes from the build, which has it from the project's
// version in CMakeLists.txt.
#ifndef BRANTLOW_VERSION
#error "BRANTLOW_VERSION is set by the build (CMakeLists.txt)"
#endif

namespace brantlow {

// The version, as --version and the outputs for scripts give it.
inline constexpr const char kVersion[] = BRANTLOW_VERSION;

inline constexpr const char kBannerLines[] =
    "brantlow - statistics of the T-Mail log, version " BRANTLOW_VERSION
    "\n"
    "Written for FidoNet sysops; free to use and to pass on.\n";

// The maker's FidoNet address, shown in the signatures unless the Post
// keys name the station.
inline constexpr const char kMakerAddress[] = "2:5020/2026";

// Signature line of the statistics file, with kMakerAddress or the
// station.
inline constexpr const char kSignatureFormat[] =
    "\nMade by brantlow, T-Mail log statistics. FidoNet %s\n";

// The BBS-user file's signature: the same line with "!!!!\nBBS & %s" at
// its end, again with kMakerAddress or the station.
inline constexpr const char kBbsSignatureFormat[] =
    "\nMade by brantlow, T-Mail log statistics. FidoNet %s!!!!\nBBS & %s\n";

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_CREDITS_H_
