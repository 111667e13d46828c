# The reading window: a window that crosses midnight reads the evening of
# the given day and the morning of the next one; equal start and end hours
# do not cross midnight.

=== case: a window across midnight reads two days
# Lines of 14.03 and of 15.03 before 23:00 are skipped, as are lines of
# 16.03 after 08:00. The session of 23:55 ends on the next day: 300 s in
# the last half hour, 250 s in the first. The last session is still open at
# the window's end and is counted whole from its lines after it (08:01:00,
# 9/10): 120 seconds, of which the 60 before 08:00 and the 60 of the
# window's last minute are busy time. The cut file holds the window's lines
# of both days in log order.
args: LOG /t=23:00-08:00 +F
in LOG:
|14/03 23:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|14/03 23:30:06 2:5020/1, using T-Mail/2608.NT
|14/03 23:30:40 ■ 2:5020/1, bytes 1/2, time 0:00:40
|15/03 07:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 07:00:06 2:5020/2, using T-Mail/2608.NT
|15/03 07:00:40 ■ 2:5020/2, bytes 3/4, time 0:00:40
|15/03 22:59:30 Rescanning outbound, 3 files found
|15/03 23:10:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 23:10:07 2:5020/3, using T-Mail/2608.NT
|15/03 23:10:50 ■ 2:5020/3, bytes 5/6, time 0:00:50
|15/03 23:55:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 23:55:06 2:5020/4, using T-Mail/2608.NT
|16/03 00:04:10 ■ 2:5020/4, bytes 7/8, time 0:09:10
|16/03 07:59:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|16/03 07:59:06 2:5020/5, using T-Mail/2608.NT
|16/03 08:00:30 Rescanning outbound, 1 files found
|16/03 08:01:00 ■ 2:5020/5, bytes 9/10, time 0:02:00
|16/03 09:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
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
out 23000800.000:
|15/03 23:10:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 23:10:07 2:5020/3, using T-Mail/2608.NT
|15/03 23:10:50 ■ 2:5020/3, bytes 5/6, time 0:00:50
|15/03 23:55:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 23:55:06 2:5020/4, using T-Mail/2608.NT
|16/03 00:04:10 ■ 2:5020/4, bytes 7/8, time 0:09:10
|16/03 07:59:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|16/03 07:59:06 2:5020/5, using T-Mail/2608.NT
|16/03 08:00:30 Rescanning outbound, 1 files found
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
|     │▓{ *46}▓
|     │▓{ *46}▓
|     │▓{ *14}▓▓{ *29}▓▓
<< histogram-axis.frag
|
|         Статистика на 15.03-16.03  время с 23:00 по 08:00 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║23:10:00-23:10:50│2:5020/3          │o│         5│         6│     0│      ║
|║23:55:00-00:04:10│2:5020/4          │i│         7│         8│     0│      ║
|║07:59:00-08:01:00│2:5020/5          │i│         9│        10│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/3          │         5│         6│       0│  00:00:50   ║
|║2:5020/4          │         7│         8│       0│  00:09:10   ║
|║2:5020/5          │         9│        10│       0│  00:02:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │        21│        24│     0.0│  00:12:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the last day of the year continues on the first of January
# The session of 01:30 is still open when the window ends and is counted
# whole from its lines after it, in the new year: 70 seconds, the 60 of the
# window's last minute busy in the half hour after 01:30.
args: LOG /d=31.12 /t=22:00-01:30
date: 2027-01-01 09:00:00
in LOG:
|31/12 21:59:59 ■ Incoming call: CONNECT 33600/ARQ/V34
|31/12 22:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|31/12 22:00:06 2:5020/11, using T-Mail/2608.NT
|31/12 22:00:40 ■ 2:5020/11, bytes 11/12, time 0:00:40
|01/01 01:30:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|01/01 01:30:06 2:5020/12, using T-Mail/2608.NT
|01/01 01:31:10 ■ 2:5020/12, bytes 13/14, time 0:01:10
exit: 0
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
|     │{ *48}
|     │{ *3}▓{ *40}▓{ *3}
<< histogram-axis.frag
|
|         Статистика на 31.12.2026-01.01  время с 22:00 по 01:30 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║22:00:00-22:00:40│2:5020/11         │i│        11│        12│     0│      ║
|║01:30:00-01:31:10│2:5020/12         │o│        13│        14│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/11         │        11│        12│       0│  00:00:40   ║
|║2:5020/12         │        13│        14│       0│  00:01:10   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │        24│        26│     0.0│  00:01:50   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: equal start and end hours select nothing
# 23:30 to 23:10 does not cross midnight: no minute of hour 23 is both at
# least 30 and at most 10. The cut file is opened and stays empty.
args: LOG /t=23:30-23:10 +F
in LOG:
|15/03 23:05:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 23:05:06 2:5020/21, using T-Mail/2608.NT
|15/03 23:05:40 ■ 2:5020/21, bytes 1/2, time 0:00:40
|15/03 23:20:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 23:40:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|16/03 00:10:00 ■ Incoming call: CONNECT 33600/ARQ/V34
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make gistogram;
|[√] Make statistic file;
|[√] Sort all data;
out 23302310.000:
out logdata.zvx:
<< empty-histogram.frag
|
|           Статистика на 15.03  время с 23:30 по 23:10 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║{ *8}-{ *8}│{ *18}│ │{ *9}0│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: an explicit date reads that day only
# /d=14.03 reads the 14th, whatever today is.
args: LOG /d=14.03 -g
in LOG:
|14/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|14/03 09:55:04 2:4527/63, using T-Mail/2608.NT
|14/03 09:55:11 ■ 2:4527/63, bytes 863/214, time 0:00:19
|15/03 10:20:31 ■ Outgoing call: CONNECT 28800/ARQ/V34
exit: 0
out logdata.zvx:
|
|           Статистика на 14.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║09:54:52-09:55:11│2:4527/63         │i│       863│       214│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:4527/63         │       863│       214│       0│  00:00:19   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │       863│       214│     0.0│  00:00:19   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
