# A station: every line whose configuration is in the directory, each run
# as a run of its own makes it (the same files), then stadata.zvx over them.

=== case: two lines and a line whose log is missing
# Line 0 (-g): 2:5020/1234 in from 02:00:00 to 02:01:40, 100 s, 3000/400
# bytes. Line 1: 2:463/68 out from 10:00:00 to 10:09:00, 540 s, 500/6000;
# an incoming handshake failure 11:00:00-11:00:30, 30 s; 2:5020/1234 in
# 11:20:00-11:21:00, 60 s, 100/0: 3 sessions, 2 in, 1 out, 1 failure, 630 s
# (0:10:30). Line 2's log is not there: its run stops with the message of a
# run of its own (no help screen: the station goes on), the others report,
# and the status is that of the stopped line, 1.
# The station: 4 sessions, 3 in, 1 out, 1 failure, 3600/6400 bytes, 730 s
# (0:12:10). 2:5020/1234, on lines 0 and 1, is one row: 2 sessions, 3100/400
# bytes, 160 s. No transfer line gives a CPS: 0 each, 0.0 in all.
# Line 1's chart: half hour 20 (10:00-10:30) is busy 540 s, 540 / 18 = 30
# and 6n < 30 for the rows 0 to 4; half hour 22 has 30 + 60 = 90 s, 90 / 18
# = 5, the bottom row only. Line 0 draws none, so the station's chart, the
# mean over the lines that draw one, is line 1's.
# Link health, always in the station report: no line dialled (no "Dialing"
# line), so no calls; 2:463/68 has 1 good session begun at 10 (hour cell
# 10), 10:00 to the day's end 14:00 without one; 2:5020/1234 2 good
# incoming sessions, at 02:00 (line 0) and 11:20 (line 1), the longest
# time without one 11:20 to 24:00, 12:40. The handshake failure names no
# link.
date: 2026-12-08 12:00:00
args: --station /d=07.12
in brantlow.cfg:
|LogFile a.log
|String -g
in a.log:
|07/12 02:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|07/12 02:00:09 2:5020/1234, using T-Mail/2608.NT
|07/12 02:01:40 ■ 2:5020/1234, bytes 3000/400, time 0:01:31
in brantl1.cfg:
|LogFile b.log
in b.log:
|07/12 10:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|07/12 10:00:09 2:463/68, using T-Mail/2608.NT
|07/12 10:09:00 ■ 2:463/68, bytes 500/6000, time 0:08:51
|07/12 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|07/12 11:00:30 Handshake failure
|07/12 11:20:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|07/12 11:20:09 2:5020/1234, using T-Mail/2608.NT
|07/12 11:21:00 ■ 2:5020/1234, bytes 100/0, time 0:00:51
in brantl2.cfg:
|LogFile c.log
exit: 1
stdout:
<< banner.frag
|Tue Dec  8 12:00:00 2026
|
|
|Station line 0 (brantlow.cfg)
|InFile!!!: a.log{ *63}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
|
|Station line 1 (brantl1.cfg)
|InFile!!!: b.log{ *63}
|
|For Line 1:
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
|
|Station line 2 (brantl2.cfg)
|Error: Unable to open InFile 
|  c.log: No such file or directory
|
|Station: 3 line(s), 2 reported; station report stadata.zvx
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
|[√] Analyzing statistic data;
|[√] Make gistogram;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
|
|           Статистика на 07.12  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║02:00:00-02:01:40│2:5020/1234{ *7}│i│{ *6}3000│{ *7}400│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/1234{ *7}│{ *6}3000│{ *7}400│{ *7}0│  00:01:40   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │{ *6}3000│{ *7}400│     0.0│  00:01:40   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out logdat1.zvx:
|
<< station-chart.frag
<< histogram-axis.frag
|
|           Статистика на 07.12  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║10:00:00-10:09:00│2:463/68{ *10}│o│{ *7}500│{ *6}6000│{ *5}0│{ *6}║
|║11:00:00-11:00:30│Handshake failure │i│{ *9}0│{ *9}0│{ *5}0│{ *6}║
|║11:20:00-11:21:00│2:5020/1234{ *7}│i│{ *7}100│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Handshake failure │{ *9}0│{ *9}0│{ *7}0│  00:00:30   ║
|║2:463/68{ *10}│{ *7}500│{ *6}6000│{ *7}0│  00:09:00   ║
|║2:5020/1234{ *7}│{ *7}100│{ *9}0│{ *7}0│  00:01:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │{ *7}600│{ *6}6000│     0.0│  00:10:30   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Line 1
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out stadata.zvx:
|
|      Статистика станции на 07.12 время с 00:00 по 23:59, линий: 3
|╔{═*7}╤{═*7}╤{═*7}╤{═*7}╤{═*6}╤{═*14}╤{═*14}╤{═*12}╗
|║  Линия│ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      Передано│       Время║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║{ *6}0│{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *10}3000│{ *11}400│{ *5}0:01:40║
|║{ *6}1│{ *6}3│{ *6}2│{ *6}1│{ *5}1│{ *11}600│{ *10}6000│{ *5}0:10:30║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ Всего │{ *6}4│{ *6}3│{ *6}1│{ *5}1│{ *10}3600│{ *10}6400│{ *5}0:12:10║
|╚{═*7}╧{═*7}╧{═*7}╧{═*7}╧{═*6}╧{═*14}╧{═*14}╧{═*12}╝
|
|Линия 2 без отчёта: c.log
|  Error: Unable to open InFile
|    c.log: No such file or directory
|
|Линия 0: a.log (T-Mail), без гистограммы (-g)
|
|Линия 1: b.log (T-Mail)
<< station-chart.frag
<< histogram-axis.frag
|
|Станция: в среднем по линиям (1)
<< station-chart.frag
<< histogram-axis.frag
|
|      Адреса всех линий
|╔{═*18}╤{═*7}╤{═*7}╤{═*7}╤{═*14}╤{═*14}╤{═*8}╤{═*8}╤{═*8}╤{═*12}╗
|║       Адрес      │ Сессий│  Вход.│ Исход.│       Принято│      Передано│   Файлы│   Файлы│     CPS│       Время║
|║{ *18}│{ *7}│{ *7}│{ *7}│{ *14}│{ *14}│ принято│передано│{ *8}│{ *12}║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Handshake failure │{ *6}1│{ *6}1│{ *6}0│{ *13}0│{ *13}0│{ *7}0│{ *7}0│{ *7}0│{ *5}0:00:30║
|║2:463/68{ *10}│{ *6}1│{ *6}0│{ *6}1│{ *11}500│{ *10}6000│{ *7}0│{ *7}0│{ *7}0│{ *5}0:09:00║
|║2:5020/1234{ *7}│{ *6}2│{ *6}2│{ *6}0│{ *10}3100│{ *11}400│{ *7}0│{ *7}0│{ *7}0│{ *5}0:02:40║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Всего{ *13}│{ *6}4│{ *6}3│{ *6}1│{ *10}3600│{ *10}6400│{ *7}0│{ *7}0│     0.0│{ *5}0:12:10║
|╚{═*18}╧{═*7}╧{═*7}╧{═*7}╧{═*14}╧{═*14}╧{═*8}╧{═*8}╧{═*8}╧{═*12}╝
|
|      Линки 07.12 00:00-23:59
|╔{═*18}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╗
|║       Адрес      │Звонки│ Связь│NO CAR│  BUSY│NO ANS│NO TON│Рукоп.│  Сеть│ Вход.│Сессий║
|╟{─*18}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}╢
|║2:463/68          │     0│     0│     0│     0│     0│     0│     0│     0│     0│     1║
|║2:5020/1234       │     0│     0│     0│     0│     0│     0│     0│     0│     2│     2║
|╚{═*18}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*24}╤{═*11}╤{═*7}╗
|║       Адрес      │0     6     12    18    │Посл.сессия│  Пауза║
|╟{─*18}┼{─*24}┼{─*11}┼{─*7}╢
|║2:463/68          │{ *10}░{ *13}│07.12 10:00│  14:00║
|║2:5020/1234       │  ░{ *8}░{ *12}│07.12 11:20│  12:40║
|╚{═*18}╧{═*24}╧{═*11}╧{═*7}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
