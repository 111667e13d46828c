# T-Mail writes no year: a log kept for more than a year holds each day
# more than once. A dated line whose month is at least six below the month
# of the dated line before it begins a new year; the years are counted back
# from the log's last dated line, which lies in the latest year that puts
# it not after tomorrow. Run on 15 March 2026, 12/06 is of 2025: the title
# names the year, as it is not this one.

=== case: a log of two years gives the report of its last year alone
# 15/10 to 20/04 goes back six months: the station was off over the
# winter, and a new year begins. The stray 20/04 line after 12/06 goes back
# two months only and begins none, so the session of 13:00 is of the same
# year. The session of the first year, its transfer line and its cut lines
# are gone: the rate of its transfer line is not taken into the CPS of the
# first session of the last year.
args: LOG /d=12.06 -g +F
in LOG:
|12/06 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 10:00:06 2:5020/1, using T-Mail/2608.NT
|12/06 10:00:20 HR-16 f.pkt 1000 OK: 0:01, 1000 cps
|12/06 10:00:40 ■ 2:5020/1, bytes 1/2, time 0:00:40
|15/10 09:00:00 Rescanning outbound, 1 files found
|20/04 09:00:00 Rescanning outbound, 2 files found
|12/06 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 11:00:06 2:5020/2, using T-Mail/2608.NT
|12/06 11:00:50 ■ 2:5020/2, bytes 3/4, time 0:00:50
|20/04 12:00:00 Rescanning outbound, 3 files found
|12/06 13:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 13:00:06 2:5020/3, using T-Mail/2608.NT
|12/06 13:00:30 ■ 2:5020/3, bytes 5/6, time 0:00:30
exit: 0
out 00002359.000:
|12/06 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 11:00:06 2:5020/2, using T-Mail/2608.NT
|12/06 11:00:50 ■ 2:5020/2, bytes 3/4, time 0:00:50
|12/06 13:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 13:00:06 2:5020/3, using T-Mail/2608.NT
|12/06 13:00:30 ■ 2:5020/3, bytes 5/6, time 0:00:30
out logdata.zvx:
|
|           Статистика на 12.06.2025  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║11:00:00-11:00:50│2:5020/2          │i│         3│         4│     0│      ║
|║13:00:00-13:00:30│2:5020/3          │i│         5│         6│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/2          │         3│         4│       0│  00:00:50   ║
|║2:5020/3          │         5│         6│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         8│        10│     0.0│  00:01:20   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the last year of that log alone gives the same report
args: LOG /d=12.06 -g +F
in LOG:
|20/04 09:00:00 Rescanning outbound, 2 files found
|12/06 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 11:00:06 2:5020/2, using T-Mail/2608.NT
|12/06 11:00:50 ■ 2:5020/2, bytes 3/4, time 0:00:50
|20/04 12:00:00 Rescanning outbound, 3 files found
|12/06 13:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 13:00:06 2:5020/3, using T-Mail/2608.NT
|12/06 13:00:30 ■ 2:5020/3, bytes 5/6, time 0:00:30
exit: 0
out 00002359.000:
|12/06 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 11:00:06 2:5020/2, using T-Mail/2608.NT
|12/06 11:00:50 ■ 2:5020/2, bytes 3/4, time 0:00:50
|12/06 13:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 13:00:06 2:5020/3, using T-Mail/2608.NT
|12/06 13:00:30 ■ 2:5020/3, bytes 5/6, time 0:00:30
out logdata.zvx:
|
|           Статистика на 12.06.2025  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║11:00:00-11:00:50│2:5020/2          │i│         3│         4│     0│      ║
|║13:00:00-13:00:30│2:5020/3          │i│         5│         6│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/2          │         3│         4│       0│  00:00:50   ║
|║2:5020/3          │         5│         6│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         8│        10│     0.0│  00:01:20   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a midnight window from 31 December takes the morning of the next year
# Three turns of the year (December to January). 31/12 23:10 and 01/01
# 00:10 are the first window; the 31/12 of the second year takes over, and
# its morning is the 01/01 of the third year, not the 01/01 00:10 of the
# second.
args: LOG /d=31.12 /t=23:00-01:00 -g
in LOG:
|31/12 23:10:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|31/12 23:10:06 2:5020/1, using T-Mail/2608.NT
|31/12 23:10:40 ■ 2:5020/1, bytes 1/2, time 0:00:40
|01/01 00:10:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|01/01 00:10:06 2:5020/2, using T-Mail/2608.NT
|01/01 00:10:40 ■ 2:5020/2, bytes 3/4, time 0:00:40
|15/06 12:00:00 Rescanning outbound, 1 files found
|31/12 23:20:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|31/12 23:20:06 2:5020/3, using T-Mail/2608.NT
|31/12 23:20:50 ■ 2:5020/3, bytes 5/6, time 0:00:50
|01/01 00:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|01/01 00:30:06 2:5020/4, using T-Mail/2608.NT
|01/01 00:30:30 ■ 2:5020/4, bytes 7/8, time 0:00:30
|01/01 03:00:00 Rescanning outbound, 2 files found
exit: 0
out logdata.zvx:
|
|         Статистика на 31.12.2025-01.01  время с 23:00 по 01:00 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║23:20:00-23:20:50│2:5020/3          │i│         5│         6│     0│      ║
|║00:30:00-00:30:30│2:5020/4          │i│         7│         8│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/3          │         5│         6│       0│  00:00:50   ║
|║2:5020/4          │         7│         8│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │        12│        14│     0.0│  00:01:20   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: without a line of the first day the latest year of the second decides
# No line of 11/06 from 23:00 in either year: the morning of 12/06 of the
# second year is taken.
args: LOG /d=11.06 /t=23:00-08:00 -g
in LOG:
|12/06 07:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|12/06 07:00:06 2:5020/1, using T-Mail/2608.NT
|12/06 07:00:40 ■ 2:5020/1, bytes 1/2, time 0:00:40
|20/12 12:00:00 Rescanning outbound, 1 files found
|10/01 12:00:00 Rescanning outbound, 2 files found
|11/06 22:00:00 Rescanning outbound, 3 files found
|12/06 06:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|12/06 06:00:06 2:5020/2, using T-Mail/2608.NT
|12/06 06:00:50 ■ 2:5020/2, bytes 3/4, time 0:00:50
exit: 0
out logdata.zvx:
|
|         Статистика на 11.06.2025-12.06.2025  время с 23:00 по 08:00 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║06:00:00-06:00:50│2:5020/2          │o│         3│         4│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/2          │         3│         4│       0│  00:00:50   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         3│         4│     0.0│  00:00:50   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
