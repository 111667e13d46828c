# Sessions taken from the mailer log and listed in the statistics file:
# incoming and outgoing calls with their address, password state and byte
# counts, the special names, records without an end and the empty window.

=== case: incoming and outgoing sessions with summary lines and passwords
args: LOG
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 09:55:04 2:4527/63, using T-Mail/2608.NT
|15/03 09:55:04 Password protected session
|15/03 09:55:06 HR-16 pntlst.z15 863 OK: 0:01, 863 cps, 26%
|15/03 09:55:10 HS-16 areas.lst 214 OK: 0:01, 214 cps, 6%
|15/03 09:55:11 ■ 2:4527/63, bytes 863/214, time 0:00:19
|15/03 10:20:05 Dialing 2:5020/123 via modem line 1
|15/03 10:20:31 ■ Outgoing call: CONNECT 28800/ARQ/V34
|15/03 10:20:40 2:5020/123, using Hydra/1.0
|15/03 10:20:41 Password mismatch: 'SECRET' expected 'OTHER'
|15/03 10:21:10 ■ 2:5020/123, bytes 0/4096, time 0:00:39
|15/03 11:02:00 ■ Incoming call: CONNECT 31200/ARQ/V34
|15/03 11:02:09 2:463/58.3, using Mailer/1.0
|15/03 11:02:10 Bad password: 'XYZ'
|15/03 11:04:44 ■ 2:463/58.3, bytes 1234567/89, time 0:02:44
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
console:
|[√] Analyzing statistic data;
|[√] Make gistogram;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
|
|100%─┬{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 75%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 50%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 25%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *22}▓{ *25}
|     │{ *19}▓▓ ▓{ *25}
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║09:54:52-09:55:11│2:4527/63         │i│       863│       214│   538│passw ║
|║10:20:31-10:21:10│2:5020/123        │o│         0│      4096│     0│mism  ║
|║11:02:00-11:04:44│2:463/58.3        │i│   1234567│        89│     0│error ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:463/58.3        │   1234567│        89│       0│  00:02:44   ║
|║2:4527/63         │       863│       214│     538│  00:00:19   ║
|║2:5020/123        │         0│      4096│       0│  00:00:39   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │   1235430│      4399│   538.5│  00:03:42   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: handshake failure, human callers, terminal emulator and open sessions
# The terminal emulator before the first session is a record of its own
# (08:00 half hour, 120 s: one block); the second entering phrase opens
# nothing; a return phrase without a human
# caller changes nothing, so 2:5020/777 never ends: the next call closes it
# at its last line of its own, 14:00:05, with kind "?"; the
# last session is still open at the end of the window and ends at 23:59:59.
args: LOG
in LOG:
|15/03 08:10:00 Entering terminal emulator
|15/03 08:12:00 Leaving terminal emulator
|15/03 09:00:00 ■ Incoming call: CONNECT 2400/ARQ
|15/03 09:00:31 Handshake failure
|15/03 12:00:00 ■ Incoming call: CONNECT 14400/ARQ/V32BIS
|15/03 12:00:10 Human caller.
|15/03 12:00:11 Starting BBS
|15/03 12:15:42 Returned to T-Mail with errorlevel 2
|15/03 12:30:00 ■ Incoming call: CONNECT 9600/ARQ
|15/03 12:30:08 Human caller.
|15/03 12:41:17 Returned to T-Mail with errorlevel 0
|15/03 13:00:00 Entering terminal emulator
|15/03 13:05:00 Entering terminal emulator
|15/03 13:10:30 Leaving terminal emulator
|15/03 14:00:00 ■ Incoming call: CONNECT 28800/ARQ
|15/03 14:00:05 2:5020/777, using FrontDoor 2.26
|15/03 14:10:00 Returned to T-Mail with errorlevel 2
|15/03 14:20:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 14:20:09 2:5020/5, using T-Mail/2608.NT
|15/03 14:20:30 ■ 2:5020/5, bytes 100/200, time 0:00:21
|15/03 23:58:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 23:58:09 2:5030/1, using T-Mail/2608
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make gistogram;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
|
|100%─┬{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 75%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 50%─┼{ *24}▓{ *23}
|     │{ *24}▓{ *23}
|     │{ *24}▓▓{ *22}
|     │{ *24}▓▓▓{ *21}
| 25%─┼{ *24}▓▓▓{ *21}
|     │{ *24}▓▓▓{ *21}
|     │{ *24}▓▓▓{ *21}
|     │{ *24}▓▓▓{ *21}
|     │{ *16}▓ ▓{ *5}▓▓▓ ▓{ *18}▓
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║08:10:00-08:12:00│Terminal Emulator │T│         0│         0│     0│      ║
|║09:00:00-09:00:31│Handshake failure │i│         0│         0│     0│      ║
|║12:00:00-12:15:42│Terminal Call     │i│         0│         0│     0│      ║
|║12:30:00-12:41:17│Terminal Call     │i│         0│         0│     0│      ║
|║13:00:00-13:10:30│Terminal Emulator │T│         0│         0│     0│      ║
|║14:00:00-14:00:05│2:5020/777        │?│         0│         0│     0│      ║
|║14:20:00-14:20:30│2:5020/5          │o│       100│       200│     0│      ║
|║23:58:00-23:59:59│2:5030/1          │o│         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Handshake failure │         0│         0│       0│  00:00:31   ║
|║Terminal Call     │         0│         0│       0│  00:26:59   ║
|║Terminal Emulator │         0│         0│       0│  00:12:30   ║
|║2:5020/5          │       100│       200│       0│  00:00:30   ║
|║2:5020/777        │         0│         0│       0│  00:00:05   ║
|║2:5030/1          │         0│         0│       0│  00:01:59   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 8   cессий │       100│       200│     0.0│  00:42:34   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a terminal emulator period still open at the end of the window
args: LOG -g
in LOG:
|15/03 21:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 21:00:07 2:5020/40, using T-Mail/2608.NT
|15/03 21:00:50 ■ 2:5020/40, bytes 12/34, time 0:00:50
|15/03 22:00:00 Entering terminal emulator
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║21:00:00-21:00:50│2:5020/40         │i│        12│        34│     0│      ║
|║22:00:00-23:59:59│Terminal Emulator │T│         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Terminal Emulator │         0│         0│       0│  01:59:59   ║
|║2:5020/40         │        12│        34│       0│  00:00:50   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │        12│        34│     0.0│  02:00:49   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: sessions of another day and another month leave the window empty
# One blank row: blank times and name, a blank D cell, zeros, no password.
args: LOG
in LOG:
|14/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|14/03 09:55:04 2:4527/63, using T-Mail/2608.NT
|14/03 09:55:11 ■ 2:4527/63, bytes 863/214, time 0:00:19
|15/04 10:20:31 ■ Outgoing call: CONNECT 28800/ARQ/V34
|15/04 10:20:40 2:5020/123, using Hydra/1.0
|15/04 10:21:10 ■ 2:5020/123, bytes 0/4096, time 0:00:39
|16/03 00:00:10 ■ Incoming call: CONNECT 33600/ARQ/V34
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make gistogram;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< empty-histogram.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║        -        │                  │ │         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
