// The phrases of the mailer log the recognisers look for, in English or,
// one for one, in Russian.
#ifndef BRANTLOW_LOG_LOG_PHRASES_H_
#define BRANTLOW_LOG_LOG_PHRASES_H_

#include <string_view>

namespace brantlow {

struct LogPhrases {
  std::string_view incoming_connect;
  std::string_view outgoing_connect;
  std::string_view using_mailer;
  std::string_view bytes;
  std::string_view handshake_failure;
  std::string_view human_caller;
  std::string_view return_level_2;
  std::string_view return_level_0;
  std::string_view cancelled;
  std::string_view password_protected;
  std::string_view password_mismatch;
  std::string_view bad_password;
  std::string_view entering_terminal;
  std::string_view leaving_terminal;
};

const LogPhrases& EnglishLogPhrases();
const LogPhrases& RussianLogPhrases();

// The language of the mailer's log phrases, as the configuration sets it
// (@RUS, @ENG); English when it does not.
enum class LogLanguage { kUnset, kRussian, kEnglish };

inline const LogPhrases& LogPhrasesFor(LogLanguage language) {
  return language == LogLanguage::kRussian ? RussianLogPhrases()
                                           : EnglishLogPhrases();
}

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LOG_PHRASES_H_
