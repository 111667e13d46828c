# A day or a period without a year is the latest such day up to tomorrow;
# dd.mm.yyyy names the year. The log's years are counted back from its last
# dated line, which lies in the latest year that puts it not after
# tomorrow. The log below spans two turns of the year (December to
# January): 10/12 of 2024, 10/12 and 15/12 of 2025, 01/12 and 06/12 of
# 2026, its last line. Run on 7 December 2026: 10.12 is last year's, the
# days of this December after the 6th are still to come. A title names the
# year only when it is not this one; CSV and JSON write yyyy-mm-dd.

=== case: a day without a year not yet come this year is last year's
date: 2026-12-07 12:00:00
args: LOG /d=10.12 -g --csv
in LOG:
<< years-log.frag
exit: 0
out logdata.zvx:
|
|           Статистика на 10.12.2025  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║11:00:00-11:00:50│2:5020/25         │i│        25│         2│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/25         │        25│         2│       0│  00:00:50   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │        25│         2│     0.0│  00:00:50   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out sessions.csv (lf):
|date,start,end,duration,crash_poll,name,kind,received,sent,cps,password,connect,mailer
|2025-12-10,11:00:00,11:00:50,50,0,2:5020/25,i,25,2,0.0,,33600/ARQ/V34,T-Mail/2608.NT
out addresses.csv (lf):
|name,sessions,incoming,outgoing,received,sent,files_received,files_sent,cps,duration
|2:5020/25,1,1,0,25,2,0,0,0.0,50

=== case: the same day read from standard input
date: 2026-12-07 12:00:00
args: - /d=10.12 -g --csv
stdin LOG
in LOG:
<< years-log.frag
exit: 0
out logdata.zvx:
|
|           Статистика на 10.12.2025  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║11:00:00-11:00:50│2:5020/25         │i│        25│         2│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/25         │        25│         2│       0│  00:00:50   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │        25│         2│     0.0│  00:00:50   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out sessions.csv (lf):
|date,start,end,duration,crash_poll,name,kind,received,sent,cps,password,connect,mailer
|2025-12-10,11:00:00,11:00:50,50,0,2:5020/25,i,25,2,0.0,,33600/ARQ/V34,T-Mail/2608.NT
out addresses.csv (lf):
|name,sessions,incoming,outgoing,received,sent,files_received,files_sent,cps,duration
|2:5020/25,1,1,0,25,2,0,0,0.0,50

=== case: this year's day still to come reads empty, never last year's
# The title names no year: 10.12.2026 is of this year.
date: 2026-12-07 12:00:00
args: LOG /d=10.12.2026 -g --csv
in LOG:
<< years-log.frag
exit: 0
out logdata.zvx:
|
|           Статистика на 10.12  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║{ *8}-{ *8}│{ *18}│ │{ *9}0│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out sessions.csv (lf):
|date,start,end,duration,crash_poll,name,kind,received,sent,cps,password,connect,mailer
out addresses.csv (lf):
|name,sessions,incoming,outgoing,received,sent,files_received,files_sent,cps,duration

=== case: an older year named takes that year's lines, not the latest's
# 10/12 of 2024, before the first turn of the year; the JSON window and
# session carry the full date. The log is read whole: 884 bytes, 17 lines,
# 6 of them dated 10/12 (of either year: "lines_inside" counts them all).
date: 2026-12-07 12:00:00
args: LOG /d=10.12.2024 -g --json
in LOG:
<< years-log.frag
exit: 0
out logdata.zvx:
|
|           Статистика на 10.12.2024  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║10:00:00-10:00:40│2:5020/24         │i│        24│         1│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/24         │        24│         1│       0│  00:00:40   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │        24│         1│     0.0│  00:00:40   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out brantlow.json (lf):
|\{"program":"brantlow","version":"1.0","window":\{"day":"2024-12-10","start":"00:00","end":"23:59","crosses_midnight":false},"settings":\{"crash_poll_period":0,"line":0,"commands":"-g","tariffs":false},"counts":\{"log_bytes":884,"bytes_read":884,"lines_read":17,"lines_inside":6,"sessions":1},"sessions":[\{"date":"2024-12-10","start":"10:00:00","end":"10:00:40","duration":40,"crash_poll":false,"name":"2:5020/24","kind":"i","received":24,"sent":1,"cps":0.0,"password":"","connect":"33600/ARQ/V34","mailer":"T-Mail/2608.NT"}],"addresses":[\{"name":"2:5020/24","sessions":1,"incoming":1,"outgoing":0,"received":24,"sent":1,"files_received":0,"files_sent":0,"cps":0.0,"duration":40}],"busy":[],"totals":\{"sessions":1,"incoming":1,"outgoing":0,"handshake_failures":0,"received":24,"sent":1,"duration":40},"warnings":[]}

=== case: a period without years is this December, its days to come empty
# 06.12-11.12 on 7 December is of 2026: the session of 6 December, and
# nothing of 10/12 of 2025.
date: 2026-12-07 12:00:00
args: LOG /p=06.12-11.12 -g --csv
in LOG:
<< years-log.frag
exit: 0
out perdata.zvx:
<< years-period.frag
out sessions.csv (lf):
|date,start,end,duration,crash_poll,name,kind,received,sent,cps,password,connect,mailer
|2026-12-06,14:00:00,14:00:10,10,0,2:5020/6,o,6,5,0.0,,33600/ARQ/V34,T-Mail/2608.NT
out addresses.csv (lf):
|name,sessions,incoming,outgoing,received,sent,files_received,files_sent,cps,duration
|2:5020/6,1,0,1,6,5,0,0,0.0,10

=== case: the same period read from standard input
date: 2026-12-07 12:00:00
args: - /p=06.12-11.12 -g --csv
stdin LOG
in LOG:
<< years-log.frag
exit: 0
out perdata.zvx:
<< years-period.frag
out sessions.csv (lf):
|date,start,end,duration,crash_poll,name,kind,received,sent,cps,password,connect,mailer
|2026-12-06,14:00:00,14:00:10,10,0,2:5020/6,o,6,5,0.0,,33600/ARQ/V34,T-Mail/2608.NT
out addresses.csv (lf):
|name,sessions,incoming,outgoing,received,sent,files_received,files_sent,cps,duration
|2:5020/6,1,0,1,6,5,0,0,0.0,10

=== case: a period of years named, not this year's, says its years in the title
date: 2026-12-07 12:00:00
args: LOG /p=10.12.2025-15.12.2025 -g --csv
in LOG:
<< years-log.frag
exit: 0
out perdata.zvx:
|
|      Статистика за период 10.12.2025-15.12.2025, дней: 6 
|╔{═*7}╤{═*7}╤{═*7}╤{═*7}╤{═*6}╤{═*14}╤{═*14}╤{═*12}╗
|║  Дата │ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      Передано│       Время║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ 10.12 │{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *12}25│{ *13}2│{ *5}0:00:50║
|║ 11.12 │{ *6}0│{ *6}0│{ *6}0│{ *5}0│{ *13}0│{ *13}0│{ *5}0:00:00║
|║ 12.12 │{ *6}0│{ *6}0│{ *6}0│{ *5}0│{ *13}0│{ *13}0│{ *5}0:00:00║
|║ 13.12 │{ *6}0│{ *6}0│{ *6}0│{ *5}0│{ *13}0│{ *13}0│{ *5}0:00:00║
|║ 14.12 │{ *6}0│{ *6}0│{ *6}0│{ *5}0│{ *13}0│{ *13}0│{ *5}0:00:00║
|║ 15.12 │{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *12}15│{ *13}3│{ *5}0:00:30║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ Всего │{ *6}2│{ *6}2│{ *6}0│{ *5}0│{ *12}40│{ *13}5│{ *5}0:01:20║
|╚{═*7}╧{═*7}╧{═*7}╧{═*7}╧{═*6}╧{═*14}╧{═*14}╧{═*12}╝
|╔{═*18}╤{═*7}╤{═*7}╤{═*7}╤{═*14}╤{═*14}╤{═*8}╤{═*8}╤{═*8}╤{═*12}╗
|║       Адрес      │ Сессий│  Вход.│ Исход.│       Принято│      Передано│   Файлы│   Файлы│     CPS│       Время║
|║{ *18}│{ *7}│{ *7}│{ *7}│{ *14}│{ *14}│ принято│передано│{ *8}│{ *12}║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║2:5020/15{ *9}│{ *6}1│{ *6}1│{ *6}0│{ *12}15│{ *13}3│{ *7}0│{ *7}0│{ *7}0│{ *5}0:00:30║
|║2:5020/25{ *9}│{ *6}1│{ *6}1│{ *6}0│{ *12}25│{ *13}2│{ *7}0│{ *7}0│{ *7}0│{ *5}0:00:50║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Всего{ *13}│{ *6}2│{ *6}2│{ *6}0│{ *12}40│{ *13}5│{ *7}0│{ *7}0│{ *5}0.0│{ *5}0:01:20║
|╚{═*18}╧{═*7}╧{═*7}╧{═*7}╧{═*14}╧{═*14}╧{═*8}╧{═*8}╧{═*8}╧{═*12}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out sessions.csv (lf):
|date,start,end,duration,crash_poll,name,kind,received,sent,cps,password,connect,mailer
|2025-12-10,11:00:00,11:00:50,50,0,2:5020/25,i,25,2,0.0,,33600/ARQ/V34,T-Mail/2608.NT
|2025-12-15,12:00:00,12:00:30,30,0,2:5020/15,i,15,3,0.0,,33600/ARQ/V34,T-Mail/2608.NT
out addresses.csv (lf):
|name,sessions,incoming,outgoing,received,sent,files_received,files_sent,cps,duration
|2:5020/15,1,1,0,15,3,0,0,0.0,30
|2:5020/25,1,1,0,25,2,0,0,0.0,50

=== case: an older year named cannot be read back from standard input
# Read from its start, the log shows 10/12 of 2025 as the latest year
# holding the day; the lines of 2024 are passed over by then. The report is
# empty, and a warning says why and what to do.
date: 2026-12-07 12:00:00
args: - /d=10.12.2024 -g
stdin LOG
in LOG:
<< years-log.frag
exit: 0
stdout:
<< banner.frag
|Mon Dec  7 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: -{ *67}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
|Warning: standard input: the year asked for lies before a later year holding the same days, and cannot be read back: read the log from a file
out logdata.zvx:
|
|           Статистика на 10.12.2024  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║{ *8}-{ *8}│{ *18}│ │{ *9}0│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
