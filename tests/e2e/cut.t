# +F copies the window's log lines into a cut file HHMMhhmm.NNN in the cut
# directory (the current one unless configured) and still makes the
# statistics; +f(-s) makes the cut file only.

=== case: the cut file holds exactly the window's lines
# 10:04:59 is before the window, 12:30:59 is its last second and 12:31:00
# is after it; a line of 15.04 and one of 14.03 are not of the day. The
# address and summary lines at 10:05 belong to a session that began before
# the window: it is not listed, but its 30 s inside the window are busy
# time in the half hour from 10:00. The outgoing call at
# 12:30:20 is still open at the window's end: it is counted whole, from the
# lines after the end, though the cut file stops at 12:30:59; its 40 s up to
# the window's end are its busy time.
args: LOG /t=10:05-12:30 +F
in LOG:
|14/03 11:00:00 Rescanning outbound, 2 files found
|15/03 10:04:59 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:05:00 2:5020/10, using T-Mail/2608.NT
|15/03 10:05:30 ■ 2:5020/10, bytes 1/2, time 0:00:31
|15/03 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:00:06 2:5020/11, using T-Mail/2608.NT
|15/03 11:00:06 Password protected session
|15/03 11:00:40 ■ 2:5020/11, bytes 3/4, time 0:00:40
|15/04 11:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 12:30:20 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 12:30:59 Rescanning outbound, 0 files found
|15/03 12:31:00 2:5020/12, using T-Mail/2608.NT
|15/03 12:31:30 ■ 2:5020/12, bytes 5/6, time 0:00:31
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
out 10051230.000:
|15/03 10:05:00 2:5020/10, using T-Mail/2608.NT
|15/03 10:05:30 ■ 2:5020/10, bytes 1/2, time 0:00:31
|15/03 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:00:06 2:5020/11, using T-Mail/2608.NT
|15/03 11:00:06 Password protected session
|15/03 11:00:40 ■ 2:5020/11, bytes 3/4, time 0:00:40
|15/03 12:30:20 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 12:30:59 Rescanning outbound, 0 files found
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
|     │{ *20}▓ ▓  ▓{ *22}
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 10:05 по 12:30 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║11:00:00-11:00:40│2:5020/11         │i│         3│         4│     0│passw ║
|║12:30:20-12:31:30│2:5020/12         │o│         5│         6│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/11         │         3│         4│       0│  00:00:40   ║
|║2:5020/12         │         5│         6│       0│  00:01:10   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         8│        10│     0.0│  00:01:50   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a cut file of the same window already there gives the next number
args: LOG /t=10:05-12:30 +F -g
in 10051230.000:
|15/03 10:06:00 an earlier cut
in LOG:
|15/03 10:04:59 Rescanning outbound, 1 files found
|15/03 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:00:06 2:5020/11, using T-Mail/2608.NT
|15/03 11:00:40 ■ 2:5020/11, bytes 3/4, time 0:00:40
exit: 0
out 10051230.001:
|15/03 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:00:06 2:5020/11, using T-Mail/2608.NT
|15/03 11:00:40 ■ 2:5020/11, bytes 3/4, time 0:00:40
out logdata.zvx:
|
|           Статистика на 15.03  время с 10:05 по 12:30 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║11:00:00-11:00:40│2:5020/11         │i│         3│         4│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/11         │         3│         4│       0│  00:00:40   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         3│         4│     0.0│  00:00:40   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: cut only writes the cut file and no statistics
# An LF log: the cut file is written with CR LF. The last line of the log
# has no line end, and neither has its copy. The one-character start hour
# of /t=9:15-18:45 is written with two digits in the name.
args: LOG /t=9:15-18:45 +f(-s)
in LOG (lf):
|15/03 09:14:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:15:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:15:06 2:5020/31, using T-Mail/2608.NT
|15/03 09:15:40 ■ 2:5020/31, bytes 3/4, time 0:00:40
|15/03 18:46:00 Rescanning outbound, 1 files found
|15/03 18:45:10 Rescanning outbound, 2 files found\e
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
|\e
out 09151845.000:
|15/03 09:15:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:15:06 2:5020/31, using T-Mail/2608.NT
|15/03 09:15:40 ■ 2:5020/31, bytes 3/4, time 0:00:40
|15/03 18:45:10 Rescanning outbound, 2 files found\e

=== case: a line longer than a read reaches the cut file whole
# 95 characters arrive as a piece of 89 and a piece of 6; the second piece
# belongs to the line whose first piece lay inside the window and is
# copied with it.
args: LOG +f(-s)
in LOG:
|15/03 11:00:00 {x*80}
|14/03 11:00:00 {y*80}
|15/03 11:00:01 Rescanning outbound, 1 files found
exit: 0
console:
|\e
out 00002359.000:
|15/03 11:00:00 {x*80}
|15/03 11:00:01 Rescanning outbound, 1 files found
