# Echo posting's keys: the station they name in the signature, and the
# run they stop before anything is read when --post lacks one. The
# packets themselves are tossed by a real tosser (tests/tosser/).

=== case: PostFrom and PostOrigin name the station in the signature
args:
in brantlow.cfg:
|LogFile ru.log
|@RUS
|PostFrom 2:5020/2026.5
|PostOrigin  Cost of a call, the test point  ; keys in the words are words
in ru.log:
|15/03 09:54:52 ■ Входящий звонок: CONNECT 33600/ARQ
|15/03 09:55:04 2:4527/63, использует T-Mail/2608.NT
|15/03 09:55:04 Сессия защищена паролем
|15/03 09:55:11 ■ 2:4527/63, байт 863/214, время 0:00:19
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: ru.log                                                              
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
|
<< busy-half-hour-19.frag
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║09:54:52-09:55:11│2:4527/63         │i│       863│       214│     0│passw ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:4527/63         │       863│       214│       0│  00:00:19   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │       863│       214│     0.0│  00:00:19   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet Cost of a call, the test point (2:5020/2026.5)

=== case: --post without PostTo stops the run before the log is read
args: LOG --post=BRANTLOW.STAT
in brantlow.cfg:
|PostFrom 2:5020/2026.0
|PostOrigin The test station
|PostDir .
in LOG:
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|Error: --post needs the PostTo key in brantlow.cfg: the uplink's address the packet goes to

=== case: a PostFrom that is no address stops the run
args: LOG --post=BRANTLOW.STAT
in brantlow.cfg:
|PostFrom 2:5020
|PostTo 2:5020/1
|PostOrigin The test station
|PostDir .
in LOG:
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|Error: PostFrom 2:5020 in brantlow.cfg is not a FidoNet address (as 2:5020/2026.0)

=== case: --post with no area tag stops the run
args: LOG --post=
in LOG:
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|Error: --post=: the echo's area tag, up to 60 characters without blanks
