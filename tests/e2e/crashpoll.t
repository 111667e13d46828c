# With a crash-poll period the session list gains the С column, and an
# incoming session that begins no more than the period after the end of an
# earlier incoming session of the same address is marked "!".

=== case: repeats within two minutes are marked
# 2:5020/100 at 10:02:30 is 90 s after its 10:01:00 end, with 2:5020/200
# between them: marked. The outgoing call at 10:05:00 takes no part, so the
# incoming call at 10:06:00 (180 s after 10:03:00) is not marked. 10:08:20
# is exactly 120 s after 10:06:20: marked. 10:10:51 is 121 s after 10:08:50:
# not marked.
args: LOG /c=120
in LOG:
|15/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:00:06 2:5020/100, using T-Mail/2608.NT
|15/03 10:01:00 ■ 2:5020/100, bytes 10/20, time 0:01:00
|15/03 10:01:10 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:01:16 2:5020/200, using T-Mail/2608.NT
|15/03 10:01:40 ■ 2:5020/200, bytes 30/40, time 0:00:30
|15/03 10:02:30 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:02:36 2:5020/100, using T-Mail/2608.NT
|15/03 10:03:00 ■ 2:5020/100, bytes 50/60, time 0:00:30
|15/03 10:05:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 10:05:06 2:5020/100, using T-Mail/2608.NT
|15/03 10:05:30 ■ 2:5020/100, bytes 70/80, time 0:00:30
|15/03 10:06:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:06:06 2:5020/100, using T-Mail/2608.NT
|15/03 10:06:20 ■ 2:5020/100, bytes 90/100, time 0:00:20
|15/03 10:08:20 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:08:26 2:5020/100, using T-Mail/2608.NT
|15/03 10:08:50 ■ 2:5020/100, bytes 110/120, time 0:00:30
|15/03 10:10:51 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:10:57 2:5020/100, using T-Mail/2608.NT
|15/03 10:11:20 ■ 2:5020/100, bytes 130/140, time 0:00:29
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|
|Crashpoll Time = 2min 0sec      Don`t analyze Connect & Files data
|
|                       Read log file:
console:
|[√] Search crash;
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
|     │{ *20}▓{ *27}
|     │{ *20}▓{ *27}
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤═╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │С│      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼─┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║10:00:00-10:01:00│ │2:5020/100        │i│        10│        20│     0│      ║
|║10:01:10-10:01:40│ │2:5020/200        │i│        30│        40│     0│      ║
|║10:02:30-10:03:00│!│2:5020/100        │i│        50│        60│     0│      ║
|║10:05:00-10:05:30│ │2:5020/100        │o│        70│        80│     0│      ║
|║10:06:00-10:06:20│ │2:5020/100        │i│        90│       100│     0│      ║
|║10:08:20-10:08:50│!│2:5020/100        │i│       110│       120│     0│      ║
|║10:10:51-10:11:20│ │2:5020/100        │i│       130│       140│     0│      ║
|╚{═*17}╧═╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/100        │       460│       520│       0│  00:03:19   ║
|║2:5020/200        │        30│        40│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 7   cессий │       490│       560│     0.0│  00:03:49   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a session without end counts to its last line of its own
# 2:5020/300 never ends: the next call closes it at its last line of its
# own, 14:00:06 (kind "?"), so 14:01:30 is 84 s after it; but "?" is not
# incoming: no mark. The third call, 60 s
# after the second one's 14:02:00 end, is marked. Sessions of another
# address are never compared with it.
args: LOG -g /c=100
in LOG:
|15/03 14:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 14:00:06 2:5020/300, using T-Mail/2608.NT
|15/03 14:01:30 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 14:01:36 2:5020/300, using T-Mail/2608.NT
|15/03 14:02:00 ■ 2:5020/300, bytes 1/2, time 0:00:30
|15/03 14:02:10 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 14:02:16 2:5020/301, using T-Mail/2608.NT
|15/03 14:02:40 ■ 2:5020/301, bytes 3/4, time 0:00:30
|15/03 14:03:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 14:03:06 2:5020/300, using T-Mail/2608.NT
|15/03 14:03:20 ■ 2:5020/300, bytes 5/6, time 0:00:20
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|
|Crashpoll Time = 1min 40sec      Don`t analyze Connect & Files data
|
|                       Read log file:
console:
|[√] Search crash;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤═╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │С│      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼─┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║14:00:00-14:00:06│ │2:5020/300        │?│         0│         0│     0│      ║
|║14:01:30-14:02:00│ │2:5020/300        │i│         1│         2│     0│      ║
|║14:02:10-14:02:40│ │2:5020/301        │i│         3│         4│     0│      ║
|║14:03:00-14:03:20│!│2:5020/300        │i│         5│         6│     0│      ║
|╚{═*17}╧═╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/300        │         6│         8│       0│  00:00:56   ║
|║2:5020/301        │         3│         4│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 4   cессий │         9│        12│     0.0│  00:01:26   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: an empty window with a crash-poll period shows the blank С cell
args: LOG /c=60 /t=01:00-02:00
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
out logdata.zvx:
<< empty-histogram.frag
|
|           Статистика на 15.03  время с 01:00 по 02:00 
|╔{═*17}╤═╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │С│      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼─┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║{ *8}-{ *8}│ │{ *18}│ │{ *9}0│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧═╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
