// Times of day as the mailer log writes them, in seconds.
#ifndef BRANTLOW_BASE_TIME_OF_DAY_H_
#define BRANTLOW_BASE_TIME_OF_DAY_H_

#include <string_view>

namespace brantlow {

// Seconds of the day of an hh:mm:ss text, or of the h:m:s the end of the
// window is written as; an empty text is 0.
double TimeSeconds(std::string_view time);

}  // namespace brantlow

#endif  // BRANTLOW_BASE_TIME_OF_DAY_H_
