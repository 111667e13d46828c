# Periods: /p=dd.mm-dd.mm, week and month make the period report only. Each
# day of the period is counted as the one-day run of that day would count
# it; the report gives a row per day, a row per address over the whole
# period, the configured links that had no session, and the signature.

=== case: a week of ten logged days, with costs and a silent link
# Today is 10.03: the week is 03.03-09.03; the lines of 01.03, 02.03 and
# 10.03 do not count, so 2:5030/77, whose only session is on 02.03, is a
# silent link. 05.03 has no session: a row of zeros.
# Sessions (seconds from connect to the last line): 03.03 2:5020/52 in 120,
# 2:463/15 out 60; 04.03 a handshake failure 31, 2:5020/52 out 180; 06.03
# 2:5020/1111.3 in 45, 2:5020/52 in 90; 07.03 2:463/15 out 50, a handshake
# failure 20; 08.03 2:5020/52 in 60; 09.03 2:5020/52 out 120. 776 s in all
# is 0:12:56.
# Costs (day 08:00-23:00 strictly): 2:5020/52 in at 10:00 120 s x 1.00 =
# 2.00, out at 03:00 180 s x 4.00 = 12.00, in at 20:00 90 s x 1.00 = 1.50,
# in at 23:30 60 s x 2.00 = 2.00, out at 11:00 120 s x 3.00 = 6.00: 23.50.
# 2:463/15 out at 14:30 60 s x 1.00 = 1.00 and at 09:00 50 s x 1.00 =
# 0.8333: 1.83. All: 25.3333, 25.33.
# CPS: 2:5020/52 has 1500, (1200 + 1000) / 2 = 1100 and 2000, a mean of
# 4600 / 3 = 1533.3; 2:463/15 (1000 + 2000) / 2 = 1500; 2:5020/1111.3 500.
# The totals row: 8100 / 6 = 1350.0. Files: 2:5020/52 took r1.zip and
# r2.zip and sent s2.zip and s4.zip; 2:463/15 sent s1.pkt and s3.zip.
# Addresses in summary order: the handshake failures first, net 463 before
# net 5020, node 52 before node 1111.
date: 2026-03-10 12:00:00
args: LOG /p=week -g
in brantlow.cfg:
|NightTime 23:00-08:00
|Cost 2:5020/52 1.00#2.00 3.00#4.00 0
|Cost 2:463/15 0.50#0.50 1.00#1.00 0
|Links 2:5020/52 2:5030/77
in LOG:
|01/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|01/03 10:00:06 2:5020/52, using T-Mail/2608.NT
|01/03 10:05:00 ■ 2:5020/52, bytes 9999/9999, time 0:04:54
|02/03 18:00:00 ■ Outgoing call: CONNECT 28800/ARQ/V34
|02/03 18:00:07 2:5030/77, using FrontDoor 2.26
|02/03 18:01:00 ■ 2:5030/77, bytes 500/600, time 0:00:53
|03/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|03/03 10:00:05 2:5020/52, using T-Mail/2608.NT
|03/03 10:00:30 HR-16 r1.zip 30000 OK: 0:20, 1500 cps
|03/03 10:02:00 ■ 2:5020/52, bytes 30000/0, time 0:01:55
|03/03 14:30:00 ■ Outgoing call: CONNECT 28800/ARQ/V34
|03/03 14:30:06 2:463/15, using Mailer/1.0
|03/03 14:30:10 HS-16 s1.pkt 2000 OK: 0:02, 1000 cps
|03/03 14:31:00 ■ 2:463/15, bytes 0/2000, time 0:00:54
|04/03 02:00:00 ■ Incoming call: CONNECT 2400/ARQ
|04/03 02:00:31 Handshake failure
|04/03 03:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|04/03 03:00:08 2:5020/52, using T-Mail/2608.NT
|04/03 03:00:30 HS-16 s2.zip 12000 OK: 0:10, 1200 cps
|04/03 03:01:00 HR-16 r2.zip 4000 OK: 0:04, 1000 cps
|04/03 03:03:00 ■ 2:5020/52, bytes 4000/12000, time 0:02:52
|05/03 09:00:00 Rescanning outbound, 3 files found
|06/03 12:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|06/03 12:00:05 2:5020/1111.3, using T-Mail/2608.NT
|06/03 12:00:20 HR-16 r3.txt 500 OK: 0:01, 500 cps
|06/03 12:00:45 ■ 2:5020/1111.3, bytes 500/0, time 0:00:40
|06/03 20:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|06/03 20:00:07 2:5020/52, using T-Mail/2608.NT
|06/03 20:01:30 ■ 2:5020/52, bytes 100/200, time 0:01:23
|07/03 09:00:00 ■ Outgoing call: CONNECT 28800/ARQ/V34
|07/03 09:00:06 2:463/15, using Mailer/1.0
|07/03 09:00:20 HS-16 s3.zip 8000 OK: 0:04, 2000 cps
|07/03 09:00:50 ■ 2:463/15, bytes 0/8000, time 0:00:44
|07/03 09:10:00 ■ Incoming call: CONNECT 2400/ARQ
|07/03 09:10:20 Handshake failure
|08/03 23:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|08/03 23:30:06 2:5020/52, using T-Mail/2608.NT
|08/03 23:31:00 ■ 2:5020/52, bytes 0/0, time 0:00:54
|09/03 11:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|09/03 11:00:08 2:5020/52, using T-Mail/2608.NT
|09/03 11:00:40 HS-16 s4.zip 6000 OK: 0:03, 2000 cps
|09/03 11:02:00 ■ 2:5020/52, bytes 0/6000, time 0:01:52
|10/03 08:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|10/03 08:00:06 1:100/1, using FrontDoor 2.26
|10/03 08:01:00 ■ 1:100/1, bytes 700/800, time 0:00:54
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|Period 03.03-09.03, 7 day(s)
|
|                       Read log file:
out perdata.zvx:
|
|      Статистика за период 03.03-09.03, дней: 7 
|╔{═*7}╤{═*7}╤{═*7}╤{═*7}╤{═*6}╤{═*14}╤{═*14}╤{═*12}╤{═*11}╗
|║  Дата │ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      Передано│       Время│  Стоимость║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}┼{─*11}╢
|║ 03.03 │{ *6}2│{ *6}1│{ *6}1│{ *5}0│{ *9}30000│{ *10}2000│{ *5}0:03:00│{ *7}3.00║
|║ 04.03 │{ *6}2│{ *6}1│{ *6}1│{ *5}1│{ *10}4000│{ *9}12000│{ *5}0:03:31│{ *6}12.00║
|║ 05.03 │{ *6}0│{ *6}0│{ *6}0│{ *5}0│{ *13}0│{ *13}0│{ *5}0:00:00│{ *7}0.00║
|║ 06.03 │{ *6}2│{ *6}2│{ *6}0│{ *5}0│{ *11}600│{ *11}200│{ *5}0:02:15│{ *7}1.50║
|║ 07.03 │{ *6}2│{ *6}1│{ *6}1│{ *5}1│{ *13}0│{ *10}8000│{ *5}0:01:10│{ *7}0.83║
|║ 08.03 │{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *13}0│{ *13}0│{ *5}0:01:00│{ *7}2.00║
|║ 09.03 │{ *6}1│{ *6}0│{ *6}1│{ *5}0│{ *13}0│{ *10}6000│{ *5}0:02:00│{ *7}6.00║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}┼{─*11}╢
|║ Всего │{ *5}10│{ *6}6│{ *6}4│{ *5}2│{ *9}34600│{ *9}28200│{ *5}0:12:56│{ *6}25.33║
|╚{═*7}╧{═*7}╧{═*7}╧{═*7}╧{═*6}╧{═*14}╧{═*14}╧{═*12}╧{═*11}╝
|╔{═*18}╤{═*7}╤{═*7}╤{═*7}╤{═*14}╤{═*14}╤{═*8}╤{═*8}╤{═*8}╤{═*12}╤{═*11}╗
|║       Адрес      │ Сессий│  Вход.│ Исход.│       Принято│      Передано│   Файлы│   Файлы│     CPS│       Время│  Стоимость║
|║{ *18}│{ *7}│{ *7}│{ *7}│{ *14}│{ *14}│ принято│передано│{ *8}│{ *12}│{ *11}║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}┼{─*11}╢
|║Handshake failure │{ *6}2│{ *6}2│{ *6}0│{ *13}0│{ *13}0│{ *7}0│{ *7}0│{ *7}0│{ *5}0:00:51│{ *7}0.00║
|║2:463/15{ *10}│{ *6}2│{ *6}0│{ *6}2│{ *13}0│{ *9}10000│{ *7}0│{ *7}2│{ *4}1500│{ *5}0:01:50│{ *7}1.83║
|║2:5020/52{ *9}│{ *6}5│{ *6}3│{ *6}2│{ *9}34100│{ *9}18200│{ *7}2│{ *7}2│{ *4}1533│{ *5}0:09:30│{ *6}23.50║
|║2:5020/1111.3{ *5}│{ *6}1│{ *6}1│{ *6}0│{ *11}500│{ *13}0│{ *7}1│{ *7}0│{ *5}500│{ *5}0:00:45│{ *7}0.00║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}┼{─*11}╢
|║Всего{ *13}│{ *5}10│{ *6}6│{ *6}4│{ *9}34600│{ *9}28200│{ *7}3│{ *7}4│{ *2}1350.0│{ *5}0:12:56│{ *6}25.33║
|╚{═*18}╧{═*7}╧{═*7}╧{═*7}╧{═*14}╧{═*14}╧{═*8}╧{═*8}╧{═*8}╧{═*12}╧{═*11}╝
|
|Линки без сессий за период:
|  2:5030/77
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a span across the new year counts a session at midnight on its first day
# 30.12-02.01 is four days; the lines of 29.12 and 03.01 do not count. The
# call of 31.12 23:59:00 ends after midnight: as in the one-day run of
# 31.12 it counts whole on its first day, with its summary line of 01.01
# (90 s, 3000 bytes sent); that line belongs to no session of 01.01. FilesEcho NO leaves mail.pkt
# and a.tic out of the file counts but not out of the CPS: 2:5020/52 has
# (1500 + 2000) / 2 = 1750 and 100, a mean of 925; the totals row (1750 +
# 100 + 1000) / 3 = 950.0. No Cost: no cost columns; no Links: no section.
# The histogram is left out: its labels are about to change.
date: 2026-01-15 12:00:00
args: LOG /p=30.12-02.01 -g
in brantlow.cfg:
|FilesEcho NO
in LOG:
|29/12 21:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|29/12 21:00:05 2:5020/52, using T-Mail/2608.NT
|29/12 21:01:00 ■ 2:5020/52, bytes 900/900, time 0:00:55
|30/12 22:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|30/12 22:00:04 2:5020/52, using T-Mail/2608.NT
|30/12 22:00:20 HR-16 mail.pkt 1500 OK: 0:01, 1500 cps
|30/12 22:00:40 HR-16 nodelist.zip 20000 OK: 0:10, 2000 cps
|30/12 22:01:10 ■ 2:5020/52, bytes 21500/0, time 0:01:06
|31/12 15:00:00 ■ Incoming call: CONNECT 2400/ARQ
|31/12 15:00:12 Handshake failure
|31/12 23:59:00 ■ Outgoing call: CONNECT 28800/ARQ/V34
|31/12 23:59:05 2:463/15, using Mailer/1.0
|31/12 23:59:20 HS-16 hny.zip 3000 OK: 0:03, 1000 cps
|01/01 00:00:30 ■ 2:463/15, bytes 0/3000, time 0:01:25
|01/01 10:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|01/01 10:00:06 2:5020/52, using T-Mail/2608.NT
|01/01 10:00:20 HS-16 a.tic 100 OK: 0:01, 100 cps
|01/01 10:00:40 ■ 2:5020/52, bytes 0/100, time 0:00:34
|02/01 09:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|02/01 09:30:05 2:463/15, using Mailer/1.0
|02/01 09:31:00 ■ 2:463/15, bytes 10/20, time 0:00:55
|03/01 08:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|03/01 08:00:06 1:100/1, using FrontDoor 2.26
|03/01 08:01:00 ■ 1:100/1, bytes 700/800, time 0:00:54
exit: 0
stdout:
<< banner.frag
|Thu Jan 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|Period 30.12-02.01, 4 day(s)
|
|                       Read log file:
out perdata.zvx:
|
|      Статистика за период 30.12.2025-02.01, дней: 4 
|╔{═*7}╤{═*7}╤{═*7}╤{═*7}╤{═*6}╤{═*14}╤{═*14}╤{═*12}╗
|║  Дата │ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      Передано│       Время║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ 30.12 │{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *9}21500│{ *13}0│{ *5}0:01:10║
|║ 31.12 │{ *6}2│{ *6}1│{ *6}1│{ *5}1│{ *13}0│{ *10}3000│{ *5}0:01:42║
|║ 01.01 │{ *6}1│{ *6}0│{ *6}1│{ *5}0│{ *13}0│{ *11}100│{ *5}0:00:40║
|║ 02.01 │{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *12}10│{ *12}20│{ *5}0:01:00║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ Всего │{ *6}5│{ *6}3│{ *6}2│{ *5}1│{ *9}21510│{ *10}3120│{ *5}0:04:32║
|╚{═*7}╧{═*7}╧{═*7}╧{═*7}╧{═*6}╧{═*14}╧{═*14}╧{═*12}╝
|╔{═*18}╤{═*7}╤{═*7}╤{═*7}╤{═*14}╤{═*14}╤{═*8}╤{═*8}╤{═*8}╤{═*12}╗
|║       Адрес      │ Сессий│  Вход.│ Исход.│       Принято│      Передано│   Файлы│   Файлы│     CPS│       Время║
|║{ *18}│{ *7}│{ *7}│{ *7}│{ *14}│{ *14}│ принято│передано│{ *8}│{ *12}║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Handshake failure │{ *6}1│{ *6}1│{ *6}0│{ *13}0│{ *13}0│{ *7}0│{ *7}0│{ *7}0│{ *5}0:00:12║
|║2:463/15{ *10}│{ *6}2│{ *6}1│{ *6}1│{ *12}10│{ *10}3020│{ *7}0│{ *7}1│{ *4}1000│{ *5}0:02:30║
|║2:5020/52{ *9}│{ *6}2│{ *6}1│{ *6}1│{ *9}21500│{ *11}100│{ *7}1│{ *7}0│{ *5}925│{ *5}0:01:50║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Всего{ *13}│{ *6}5│{ *6}3│{ *6}2│{ *9}21510│{ *10}3120│{ *7}1│{ *7}1│{ *3}950.0│{ *5}0:04:32║
|╚{═*18}╧{═*7}╧{═*7}╧{═*7}╧{═*14}╧{═*14}╧{═*8}╧{═*8}╧{═*8}╧{═*12}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: every link had a session; the period wins over the day and the window
# Line 3 reads brantl3.cfg and writes perdat3.zvx. /d=14.03 and
# /t=10:00-11:00 are not used: 13.03 and the call of 14.03 at 20:00 count.
date: 2026-03-15 12:00:00
args: LOG line3 /d=14.03 /t=10:00-11:00 /p=13.03-14.03 -g
in brantl3.cfg:
|Links 2:5020/52 2:463/15
in LOG:
|13/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|13/03 10:00:05 2:5020/52, using T-Mail/2608.NT
|13/03 10:00:30 ■ 2:5020/52, bytes 100/0, time 0:00:25
|14/03 11:00:00 ■ Outgoing call: CONNECT 28800/ARQ/V34
|14/03 11:00:06 2:463/15, using Mailer/1.0
|14/03 11:01:00 ■ 2:463/15, bytes 0/50, time 0:00:54
|14/03 20:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|14/03 20:00:05 2:5020/52, using T-Mail/2608.NT
|14/03 20:00:40 ■ 2:5020/52, bytes 30/40, time 0:00:35
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|For Line 3:
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|Period 13.03-14.03, 2 day(s)
|
|                       Read log file:
out perdat3.zvx:
|
|      Статистика за период 13.03-14.03, дней: 2 
|╔{═*7}╤{═*7}╤{═*7}╤{═*7}╤{═*6}╤{═*14}╤{═*14}╤{═*12}╗
|║  Дата │ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      Передано│       Время║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ 13.03 │{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *11}100│{ *13}0│{ *5}0:00:30║
|║ 14.03 │{ *6}2│{ *6}1│{ *6}1│{ *5}0│{ *12}30│{ *12}90│{ *5}0:01:40║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ Всего │{ *6}3│{ *6}2│{ *6}1│{ *5}0│{ *11}130│{ *12}90│{ *5}0:02:10║
|╚{═*7}╧{═*7}╧{═*7}╧{═*7}╧{═*6}╧{═*14}╧{═*14}╧{═*12}╝
|╔{═*18}╤{═*7}╤{═*7}╤{═*7}╤{═*14}╤{═*14}╤{═*8}╤{═*8}╤{═*8}╤{═*12}╗
|║       Адрес      │ Сессий│  Вход.│ Исход.│       Принято│      Передано│   Файлы│   Файлы│     CPS│       Время║
|║{ *18}│{ *7}│{ *7}│{ *7}│{ *14}│{ *14}│ принято│передано│{ *8}│{ *12}║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║2:463/15{ *10}│{ *6}1│{ *6}0│{ *6}1│{ *13}0│{ *12}50│{ *7}0│{ *7}0│{ *7}0│{ *5}0:01:00║
|║2:5020/52{ *9}│{ *6}2│{ *6}2│{ *6}0│{ *11}130│{ *12}40│{ *7}0│{ *7}0│{ *7}0│{ *5}0:01:10║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Всего{ *13}│{ *6}3│{ *6}2│{ *6}1│{ *11}130│{ *12}90│{ *7}0│{ *7}0│{ *5}0.0│{ *5}0:02:10║
|╚{═*18}╧{═*7}╧{═*7}╧{═*7}╧{═*14}╧{═*14}╧{═*8}╧{═*8}╧{═*8}╧{═*12}╝
|
|Линки без сессий за период: нет
|
|Line 3
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the commands that make day files are ignored once, and make none
# +l(-s) would write a connect file and +a put the files table in the
# statistics file; a period run writes its report alone. The log is 158
# bytes: a cell is 2 bytes wide, each of the 3 lines fills one. 14.03 has
# no line: a row of zeros.
args: LOG /p=13.03-14.03 +l(-s) +a -g
in LOG:
|13/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|13/03 10:00:05 2:5020/52, using T-Mail/2608.NT
|13/03 10:00:30 ■ 2:5020/52, bytes 100/0, time 0:00:25
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|
|A period makes no cut file, connect, files or BBS-user file: +F, +f(-s), +l, +a and +b are ignored
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|Period 13.03-14.03, 2 day(s)
|
|                       Read log file:
console:
|[√] Analyzing statistic data;
|[√] Sort all data;
|[√] Make period file;
out perdata.zvx:
|
|      Статистика за период 13.03-14.03, дней: 2 
|╔{═*7}╤{═*7}╤{═*7}╤{═*7}╤{═*6}╤{═*14}╤{═*14}╤{═*12}╗
|║  Дата │ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      Передано│       Время║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ 13.03 │{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *11}100│{ *13}0│{ *5}0:00:30║
|║ 14.03 │{ *6}0│{ *6}0│{ *6}0│{ *5}0│{ *13}0│{ *13}0│{ *5}0:00:00║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ Всего │{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *11}100│{ *13}0│{ *5}0:00:30║
|╚{═*7}╧{═*7}╧{═*7}╧{═*7}╧{═*6}╧{═*14}╧{═*14}╧{═*12}╝
|╔{═*18}╤{═*7}╤{═*7}╤{═*7}╤{═*14}╤{═*14}╤{═*8}╤{═*8}╤{═*8}╤{═*12}╗
|║       Адрес      │ Сессий│  Вход.│ Исход.│       Принято│      Передано│   Файлы│   Файлы│     CPS│       Время║
|║{ *18}│{ *7}│{ *7}│{ *7}│{ *14}│{ *14}│ принято│передано│{ *8}│{ *12}║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║2:5020/52{ *9}│{ *6}1│{ *6}1│{ *6}0│{ *11}100│{ *13}0│{ *7}0│{ *7}0│{ *7}0│{ *5}0:00:30║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Всего{ *13}│{ *6}1│{ *6}1│{ *6}0│{ *11}100│{ *13}0│{ *7}0│{ *7}0│{ *5}0.0│{ *5}0:00:30║
|╚{═*18}╧{═*7}╧{═*7}╧{═*7}╧{═*14}╧{═*14}╧{═*8}╧{═*8}╧{═*8}╧{═*12}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a day the calendar does not have is a bad period
args: LOG /p=31.02-05.03
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /p=31.02-05.03: the period is /p=DD.MM-DD.MM or /p=DD.MM.YYYY-DD.MM.YYYY (days the calendar has, at most 365 of them), /p=week or /p=month
|brantlow --help lists the options

=== case: a month out of range is a bad period
args: LOG /p=5.13-6.13
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /p=5.13-6.13: the period is /p=DD.MM-DD.MM or /p=DD.MM.YYYY-DD.MM.YYYY (days the calendar has, at most 365 of them), /p=week or /p=month
|brantlow --help lists the options

=== case: one day without its end is a bad period
args: LOG /p=1.1
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /p=1.1: the period is /p=DD.MM-DD.MM or /p=DD.MM.YYYY-DD.MM.YYYY (days the calendar has, at most 365 of them), /p=week or /p=month
|brantlow --help lists the options

=== case: an end that is not a date is a bad period
args: LOG /p=10.03-xx
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /p=10.03-xx: the period is /p=DD.MM-DD.MM or /p=DD.MM.YYYY-DD.MM.YYYY (days the calendar has, at most 365 of them), /p=week or /p=month
|brantlow --help lists the options
