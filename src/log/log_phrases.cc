#include "log/log_phrases.h"

#include "platform/cp866.h"

namespace brantlow {

namespace {

constexpr LogPhrases kEnglish = {
    "Incoming call: CONNECT",
    "Outgoing call: CONNECT",
    " using ",
    "bytes ",
    "Handshake failure",
    "Human caller.",
    "Returned to T-Mail with errorlevel 2",
    "Returned to T-Mail with errorlevel 0",
    "cancelled at pos",
    "Password protected session",
    "Password mismatch:",
    "Bad password:",
    "Entering terminal emulator",
    "Leaving terminal emulator",
};

constexpr Cp866Literal kRuIncoming("Входящий звонок: CONNECT");
constexpr Cp866Literal kRuOutgoing("Исходящий звонок: CONNECT");
constexpr Cp866Literal kRuUsing(" использует ");
constexpr Cp866Literal kRuBytes("байт ");
constexpr Cp866Literal kRuHandshake("Рукопожатие не удалось осуществить");
constexpr Cp866Literal kRuHuman("Звонок пользователя BBS.");
constexpr Cp866Literal kRuReturn2("Возврат в T-Mail с кодом 2");
constexpr Cp866Literal kRuReturn0("Возврат в T-Mail с кодом 0");
constexpr Cp866Literal kRuCancelled("прерван на позиции");
constexpr Cp866Literal kRuProtected("Сессия защищена паролем");
// The Russian log writes the mismatch phrase in English.
constexpr Cp866Literal kRuMismatch("Password mismatch:");
constexpr Cp866Literal kRuBadPassword("Несовпадение паролей:");
constexpr Cp866Literal kRuEntering("Вход в эмулятор терминала");
constexpr Cp866Literal kRuLeaving("Выход из эмулятора терминала");

constexpr LogPhrases kRussian = {
    kRuIncoming.view(),  kRuOutgoing.view(),  kRuUsing.view(),
    kRuBytes.view(),     kRuHandshake.view(), kRuHuman.view(),
    kRuReturn2.view(),   kRuReturn0.view(),   kRuCancelled.view(),
    kRuProtected.view(), kRuMismatch.view(),  kRuBadPassword.view(),
    kRuEntering.view(),  kRuLeaving.view(),
};

}  // namespace

const LogPhrases& EnglishLogPhrases() { return kEnglish; }
const LogPhrases& RussianLogPhrases() { return kRussian; }

}  // namespace brantlow
