# Transfer rates from the file-transfer lines: each session's CPS is the
# mean of the rates of its counted transfers, sent and received together;
# a cancelled transfer is not counted. Only the last session of the window
# takes its byte totals from those lines, and only when the log gave it
# none and its CPS is above 0; a cancelled transfer's size then counts too.

=== case: the example session shows the mean of its two rates
# (863 + 214) / 2 = 538.5, exact in single precision: "%6.0f" and "%8.0f"
# round it half to even, 538; the totals line shows it with one decimal.
# 09:54:52-09:55:11 is 19 busy seconds in half hour 19: one block in the
# bottom row (19 / 18 = 1 > 0).
args: LOG
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 09:55:04 2:4527/63, using T-Mail/2608.NT
|15/03 09:55:04 Password protected session
|15/03 09:55:06 HR-16 pntlst.z15 863 OK: 0:01, 863 cps, 26%
|15/03 09:55:10 HS-16 areas.lst 214 OK: 0:01, 214 cps, 6%
|15/03 09:55:11 ■ 2:4527/63, bytes 863/214, time 0:00:19
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
<< busy-half-hour-19.frag
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║09:54:52-09:55:11│2:4527/63         │i│       863│       214│   538│passw ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║2:4527/63         │       863│       214│     538│  00:00:19   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │       863│       214│   538.5│  00:00:19   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the last session without a summary line takes its bytes from its transfers
# 2:5020/1 logged 0/0 and keeps it, though its transfers give CPS 200: it
# is not the last session. 2:5020/2 is still open at the end of the window
# (23:59:59) and has no summary line; its counted rates are 1024 and 512
# (the cancelled line is not counted), mean 768, so its received total is
# 2048 and its sent total 512: the cancelled file was never sent whole.
# Busy array: 09:10:00-09:11:00 adds 60 to half hour 18; 20:10:00-23:59:59
# adds 1200 to half hour 40, 1799 to half hour 47 and fills 41 to 46.
args: LOG
in LOG:
|15/03 09:10:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:10:07 2:5020/1, using T-Mail/2608.NT
|15/03 09:10:20 HR-16 a.pkt 100 OK: 0:01, 100 cps
|15/03 09:10:30 HS-16 b.pkt 300 OK: 0:01, 300 cps
|15/03 09:11:00 ■ 2:5020/1, bytes 0/0, time 0:01:00
|15/03 20:10:00 ■ Incoming call: CONNECT 31200/ARQ/V34
|15/03 20:10:08 2:5020/2, using T-Mail/2608.NT
|15/03 20:10:12 HR-16 mail.pkt 2048 OK: 0:02, 1024 cps
|15/03 20:10:14 HS-16 reply.pkt 512 OK: 0:01, 512 cps
|15/03 20:11:00 HS-16 big.zip 30000 cancelled at pos 4096, 2048 cps
exit: 0
out logdata.zvx:
|
|100%─┬{ *41}{▓*7}
|     │{ *41}{▓*7}
|     │{ *41}{▓*7}
|     │{ *41}{▓*7}
| 75%─┼{ *41}{▓*7}
|     │{ *41}{▓*7}
|     │{ *40}{▓*8}
|     │{ *40}{▓*8}
| 50%─┼{ *40}{▓*8}
|     │{ *40}{▓*8}
|     │{ *40}{▓*8}
|     │{ *40}{▓*8}
| 25%─┼{ *40}{▓*8}
|     │{ *40}{▓*8}
|     │{ *40}{▓*8}
|     │{ *40}{▓*8}
|     │{ *18}▓{ *21}{▓*8}
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║09:10:00-09:11:00│2:5020/1          │i│         0│         0│   200│      ║
|║20:10:00-23:59:59│2:5020/2          │i│      2048│       512│   768│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║2:5020/1          │         0│         0│     200│  00:01:00   ║
|║2:5020/2          │      2048│       512│     768│  03:49:59   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │      2048│       512│   484.0│  03:50:59   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the last session whose summary line gives 0/0 takes its bytes from its transfers
# -g: no histogram and no "Make gistogram" step. 2:5020/1 has its byte
# counts from the log and one rate of 1000. 2:5020/3 says 0/0; its counted
# rates are 2000, 2000 and 1000 (mean 1666.67, shown 1667); its sent total
# is 4000 + 1000, its received total 6000 without the cancelled file.
# The totals line shows (1000 + 1666.67) / 2 = 1333.3.
args: LOG -g
in LOG:
|15/03 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:00:09 2:5020/1, using T-Mail/2608.NT
|15/03 11:00:20 HR-16 x.pkt 1000 OK: 0:01, 1000 cps
|15/03 11:02:05 ■ 2:5020/1, bytes 1000/0, time 0:01:56
|15/03 12:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 12:00:08 2:5020/3, using Hydra/1.0
|15/03 12:00:12 HS-16 c.pkt 4000 OK: 0:02, 2000 cps
|15/03 12:00:16 HR-16 d.pkt 6000 OK: 0:03, 2000 cps
|15/03 12:00:25 HR-16 e.zip 9999 cancelled at pos 1000, 500 cps
|15/03 12:00:30 HS-16 f.pkt 1000 OK: 0:01, 1000 cps
|15/03 12:00:40 ■ 2:5020/3, bytes 0/0, time 0:00:32
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
|║11:00:00-11:02:05│2:5020/1          │i│      1000│         0│  1000│      ║
|║12:00:00-12:00:40│2:5020/3          │o│      6000│      5000│  1667│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║2:5020/1          │      1000│         0│    1000│  00:02:05   ║
|║2:5020/3          │      6000│      5000│    1667│  00:00:40   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │      7000│      5000│  1333.3│  00:02:45   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a last session whose transfers were all cancelled keeps no bytes
# Its CPS stays 0, so nothing is taken from the transfer lines. Line 3:
# its own statistics file and the line marker before the signature.
args: LOG line3 -g
in LOG:
|15/03 16:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 16:00:09 2:5020/9, using T-Mail/2608.NT
|15/03 16:00:20 HS-16 huge.zip 900000 cancelled at pos 32768, 1200 cps
|15/03 16:00:30 HR-16 tiny.pkt 100 cancelled at pos 0
exit: 0
out logdat3.zvx:
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║16:00:00-23:59:59│2:5020/9          │o│         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║2:5020/9          │         0│         0│       0│  07:59:59   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         0│         0│     0.0│  07:59:59   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Line 3
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a Russian log cancels with its own phrase
# With @RUS the cancel phrase is "прерван на позиции": a.pkt is not
# counted, while b.pkt with the English phrase is an ordinary line. Rates
# 300 and 500 give 400; the summary line says 0/0, so the totals come from
# the transfer lines, the cancelled one left out: received 3000.
args: LOG
in brantlow.cfg:
|@RUS
in LOG:
|15/03 09:54:52 ■ Входящий звонок: CONNECT 33600/ARQ
|15/03 09:55:04 2:4527/63, использует T-Mail/2608.NT
|15/03 09:55:06 HR-16 a.pkt 4000 прерван на позиции 1000, 100 cps
|15/03 09:55:08 HR-16 b.pkt 3000 cancelled at pos 1000, 300 cps
|15/03 09:55:10 HS-16 c.pkt 500 OK: 0:01, 500 cps
|15/03 09:55:11 ■ 2:4527/63, байт 0/0, время 0:00:19
exit: 0
out logdata.zvx:
|
<< busy-half-hour-19.frag
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║09:54:52-09:55:11│2:4527/63         │i│      3000│       500│   400│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║2:4527/63         │      3000│       500│     400│  00:00:19   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │      3000│       500│   400.0│  00:00:19   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a transfer line longer than one read still gives its rate
# The log line of 103 characters arrives in two reads; the first gives the
# scratch entry, cut at the read limit. With the 17-character address that
# entry is longer than one read of the rate pass, whose comma stands well
# inside its first piece: rate 4115. Reads at 55, 111, 200, 216 and 282
# bytes of 282 (cells of 4 bytes) fill five cells.
args: LOG -g
in LOG:
|15/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:00:08 2:5020/1234.56789, using T-Mail/2608.NT
|15/03 10:00:10 HR-16 archive.zip 123456 OK: 0:30, 4115 cps, 100%, the remote asked for more of the same
|15/03 10:00:50 ■ 2:5020/1234.56789, bytes 123456/0, time 0:00:42
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
|║10:00:00-10:00:50│2:5020/1234.56789 │i│    123456│         0│  4115│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║       Адрес      │  Принято │ Передано │  CPS   │ Общее время ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║2:5020/1234.56789 │    123456│         0│    4115│  00:00:50   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │    123456│         0│  4115.0│  00:00:50   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
