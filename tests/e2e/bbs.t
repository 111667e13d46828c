# Human callers that the mailer passed on to the Maximus BBS: their
# "Terminal Call" sessions completed from the BBS log (name, bytes, mean
# rate, bad password, kind B), and the BBS-user file written with +b and
# +b(-s).

=== case: a caller passed on to the BBS gets name, bytes, mean rate and bad password
# The call of 13:40 lies before the session's hour and is passed over; the
# call of 14:02 connects at the session's 33600. Its first rate line gives
# the size of the download (sent), its second the size of the upload
# (received); the rate is (1500 + 1700) / 2 = 1600. With +b the user shows
# by name in both files. Six reads of a 298-byte log, cells of 4 bytes.
args: LOG -g +b
terminal: yes
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:55:04 2:4527/63, using T-Mail/2608.NT
|15/03 09:55:11 ■ 2:4527/63, bytes 863/214, time 0:00:19
|15/03 14:02:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 14:02:10 Human caller.
|15/03 14:10:05 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 13:40:02 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 13:40:10 MAX  Connected at 33600 baud
|+ 15 Mar 13:40:20 MAX  Early Caller calling
|: 15 Mar 13:45:00 MAX  CPS: 900 (9000 bytes)
|+ 15 Mar 13:45:01 MAX  DL-EARLY.ZIP
|+ 15 Mar 13:50:00 MAX  End, Early Caller
|+ 15 Mar 14:02:11 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 14:02:30 MAX  Connected at 33600 baud
|+ 15 Mar 14:02:40 MAX  John Smith calling
|+ 15 Mar 14:02:50 MAX  Bad pwd 1: PASSWORD
|: 15 Mar 14:05:00 MAX  CPS: 1500 (45000 bytes)
|+ 15 Mar 14:05:01 MAX  DL-File.zip
|: 15 Mar 14:08:00 MAX  CPS: 1700 (12000 bytes)
|+ 15 Mar 14:08:01 MAX  UL-Upload.arj
|+ 15 Mar 14:10:00 MAX  End, John Smith
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
console:
|      {▒*50}{\b*50}{█*6}\r
|\r
|[ ] Analyzing BBS log (Max);{\b*27}√\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
out logdata.zvx:
<< list-head.frag
|║09:54:52-09:55:11│2:4527/63         │i│       863│       214│     0│      ║
|║14:02:00-14:10:05│John Smith        │B│     12000│     45000│  1600│?!    ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║John Smith        │     12000│     45000│    1600│  00:08:05   ║
|║2:4527/63         │       863│       214│       0│  00:00:19   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │     12863│     45214│  1600.0│  00:08:24   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
<< bbs-list-head.frag
|║14:02:00-14:10:05│John Smith        │     12000│     45000│  1600│?!    ║
<< bbs-list-foot.frag
<< bbs-summary-head.frag
|║John Smith        │     12000│     45000│    1600│  00:08:05   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │     12000│     45000│  1600.0│  00:08:05   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< bbs-signature.frag

=== case: with +b(-s) the statistics file hides the BBS users
# Two callers, matched in turn; the statistics file lists them as "BBS
# call" rows with kind B and sums them up as BBS user 01 and BBS user 02
# (the zone pass puts both zone-0 names before 2:5020/52), while the
# BBS-user file names them. Busy seconds: 1200 in half hour 20, 30 in 22,
# 930 in 31.
args: LOG +b(-s)
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 10:00:00 ■ Incoming call: CONNECT 28800/ARQ/V34
|15/03 10:00:09 Human caller.
|15/03 10:20:00 Returned to T-Mail with errorlevel 2
|15/03 11:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 11:00:08 2:5020/52, using T-Mail/2608.NT
|15/03 11:00:09 Password protected session
|15/03 11:00:30 ■ 2:5020/52, bytes 1000/2000, time 0:00:22
|15/03 15:30:00 ■ Incoming call: CONNECT 14400/ARQ/V32BIS
|15/03 15:30:10 Human caller.
|15/03 15:45:30 Returned to T-Mail with errorlevel 0
in max.log:
|+ 15 Mar 10:00:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 10:00:25 MAX  Connected at 28800 baud
|+ 15 Mar 10:00:40 MAX  Alice Brown calling
|: 15 Mar 10:10:00 MAX  CPS: 2000 (60000 bytes)
|+ 15 Mar 10:10:01 MAX  DL-NODELIST.ZIP
|+ 15 Mar 10:19:50 MAX  End, Alice Brown
|+ 15 Mar 15:30:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 15:30:25 MAX  Connected at 14400 baud
|+ 15 Mar 15:30:40 MAX  Boris Ivanov calling
|: 15 Mar 15:40:00 MAX  CPS: 1200 (24000 bytes)
|+ 15 Mar 15:40:01 MAX  UL-REPORT.TXT
|+ 15 Mar 15:45:20 MAX  End, Boris Ivanov
exit: 0
out logdata.zvx:
|
|100%─┬{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 75%─┼{ *48}
|     │{ *48}
|     │{ *20}▓{ *27}
|     │{ *20}▓{ *27}
| 50%─┼{ *20}▓{ *10}▓{ *16}
|     │{ *20}▓{ *10}▓{ *16}
|     │{ *20}▓{ *10}▓{ *16}
|     │{ *20}▓{ *10}▓{ *16}
| 25%─┼{ *20}▓{ *10}▓{ *16}
|     │{ *20}▓{ *10}▓{ *16}
|     │{ *20}▓{ *10}▓{ *16}
|     │{ *20}▓{ *10}▓{ *16}
|     │{ *20}▓ ▓{ *8}▓{ *16}
<< histogram-axis.frag
<< list-head.frag
|║10:00:00-10:20:00│BBS call          │B│         0│     60000│  2000│      ║
|║11:00:00-11:00:30│2:5020/52         │o│      1000│      2000│     0│passw ║
|║15:30:00-15:45:30│BBS call          │B│     24000│         0│  1200│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║BBS user 01       │         0│     60000│    2000│  00:20:00   ║
|║BBS user 02       │     24000│         0│    1200│  00:15:30   ║
|║2:5020/52         │      1000│      2000│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │     25000│     62000│  1600.0│  00:36:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
<< bbs-list-head.frag
|║10:00:00-10:20:00│Alice Brown       │         0│     60000│  2000│      ║
|║15:30:00-15:45:30│Boris Ivanov      │     24000│         0│  1200│      ║
<< bbs-list-foot.frag
<< bbs-summary-head.frag
|║Alice Brown       │         0│     60000│    2000│  00:20:00   ║
|║Boris Ivanov      │     24000│         0│    1200│  00:15:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │     24000│     60000│  1600.0│  00:35:30   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< bbs-signature.frag

=== case: a BBS call at another connect speed is passed over for the next one
# The first call of the hour connected at 2400, not at the session's 33600:
# its name, rate and download are not taken. The second call of the same
# hour connected at 33600 and completes the session.
args: LOG -g +b
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 14:02:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 14:02:10 Human caller.
|15/03 14:30:00 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 14:02:05 MAX  Begin, v3.01 (task=2)
|+ 15 Mar 14:02:06 MAX  Connected at 2400 baud
|+ 15 Mar 14:02:20 MAX  Peter Pan calling
|: 15 Mar 14:04:00 MAX  CPS: 220 (8000 bytes)
|+ 15 Mar 14:04:01 MAX  DL-GAME.ZIP
|+ 15 Mar 14:06:00 MAX  End, Peter Pan
|+ 15 Mar 14:07:00 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 14:07:05 MAX  Connected at 33600 baud
|+ 15 Mar 14:07:20 MAX  Jane Doe calling
|: 15 Mar 14:20:00 MAX  CPS: 3000 (90000 bytes)
|+ 15 Mar 14:20:01 MAX  DL-DOCS.ZIP
|+ 15 Mar 14:29:50 MAX  End, Jane Doe
exit: 0
out logdata.zvx:
<< list-head.frag
|║14:02:00-14:30:00│Jane Doe          │B│         0│     90000│  3000│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Jane Doe          │         0│     90000│    3000│  00:28:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         0│     90000│  3000.0│  00:28:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
<< bbs-list-head.frag
|║14:02:00-14:30:00│Jane Doe          │         0│     90000│  3000│      ║
<< bbs-list-foot.frag
<< bbs-summary-head.frag
|║Jane Doe          │         0│     90000│    3000│  00:28:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         0│     90000│  3000.0│  00:28:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< bbs-signature.frag

=== case: a caller who drops carrier before giving a name
# The first caller hangs up before the calling line: the session is named
# "Carrier Dropped" and still becomes a BBS user. The second gives a name
# and then drops carrier: the name stays.
args: LOG -g +b
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 16:00:00 ■ Incoming call: CONNECT 19200/ARQ/V32TERBO
|15/03 16:00:10 Human caller.
|15/03 16:01:00 Returned to T-Mail with errorlevel 2
|15/03 17:00:00 ■ Incoming call: CONNECT 19200/ARQ/V32TERBO
|15/03 17:00:10 Human caller.
|15/03 17:05:00 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 16:00:15 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 16:00:16 MAX  Connected at 19200 baud
|+ 15 Mar 16:00:50 MAX  Caller dropped carrier
|+ 15 Mar 16:00:51 MAX  End, (no name)
|+ 15 Mar 17:00:15 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 17:00:16 MAX  Connected at 19200 baud
|+ 15 Mar 17:00:30 MAX  Ivan Petrov calling
|+ 15 Mar 17:04:00 MAX  Caller dropped carrier
|+ 15 Mar 17:04:01 MAX  End, Ivan Petrov
exit: 0
out logdata.zvx:
<< list-head.frag
|║16:00:00-16:01:00│Carrier Dropped   │B│         0│         0│     0│      ║
|║17:00:00-17:05:00│Ivan Petrov       │B│         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Carrier Dropped   │         0│         0│       0│  00:01:00   ║
|║Ivan Petrov       │         0│         0│       0│  00:05:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         0│         0│     0.0│  00:06:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
<< bbs-list-head.frag
|║16:00:00-16:01:00│Carrier Dropped   │         0│         0│     0│      ║
|║17:00:00-17:05:00│Ivan Petrov       │         0│         0│     0│      ║
<< bbs-list-foot.frag
<< bbs-summary-head.frag
|║Carrier Dropped   │         0│         0│       0│  00:01:00   ║
|║Ivan Petrov       │         0│         0│       0│  00:05:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         0│         0│     0.0│  00:06:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< bbs-signature.frag

=== case: two callers of one hour take the BBS calls in time order
# Both sessions lie in hour 20. The second one is looked for after the end
# of the call the first one took, so it gets the second call and not the
# first one again.
args: LOG -g +b
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 20:05:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 20:05:10 Human caller.
|15/03 20:20:00 Returned to T-Mail with errorlevel 2
|15/03 20:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 20:30:10 Human caller.
|15/03 20:50:00 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 20:05:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 20:05:25 MAX  Connected at 33600 baud
|+ 15 Mar 20:05:40 MAX  Anna Karenina calling
|+ 15 Mar 20:19:50 MAX  End, Anna Karenina
|+ 15 Mar 20:30:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 20:30:25 MAX  Connected at 33600 baud
|+ 15 Mar 20:30:40 MAX  Oleg Popov calling
|: 15 Mar 20:40:00 MAX  CPS: 2900 (50000 bytes)
|+ 15 Mar 20:40:01 MAX  DL-FILES.LST
|+ 15 Mar 20:49:50 MAX  End, Oleg Popov
exit: 0
out logdata.zvx:
<< list-head.frag
|║20:05:00-20:20:00│Anna Karenina     │B│         0│         0│     0│      ║
|║20:30:00-20:50:00│Oleg Popov        │B│         0│     50000│  2900│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Anna Karenina     │         0│         0│       0│  00:15:00   ║
|║Oleg Popov        │         0│     50000│    2900│  00:20:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         0│     50000│  2900.0│  00:35:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
<< bbs-list-head.frag
|║20:05:00-20:20:00│Anna Karenina     │         0│         0│     0│      ║
|║20:30:00-20:50:00│Oleg Popov        │         0│     50000│  2900│      ║
<< bbs-list-foot.frag
<< bbs-summary-head.frag
|║Anna Karenina     │         0│         0│       0│  00:15:00   ║
|║Oleg Popov        │         0│     50000│    2900│  00:20:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         0│     50000│  2900.0│  00:35:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< bbs-signature.frag

=== case: a day below 10 is looked for with a leading zero
# On 5 March the BBS call is looked for as "05 Mar": the call dated " 5 Mar"
# with a blank is not the day's and is passed over.
date: 2026-03-05 12:00:00
args: LOG -g
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|05/03 09:10:00 ■ Incoming call: CONNECT 31200/ARQ/V34
|05/03 09:10:10 Human caller.
|05/03 09:25:00 Returned to T-Mail with errorlevel 2
in max.log:
|+  5 Mar 09:10:05 MAX  Begin, v3.01 (task=1)
|+  5 Mar 09:10:06 MAX  Connected at 31200 baud
|+  5 Mar 09:10:20 MAX  Wrong Day calling
|+  5 Mar 09:11:00 MAX  End, Wrong Day
|+ 05 Mar 09:10:15 MAX  Begin, v3.01 (task=1)
|+ 05 Mar 09:10:16 MAX  Connected at 31200 baud
|+ 05 Mar 09:10:30 MAX  Right Day calling
|: 05 Mar 09:20:00 MAX  CPS: 2800 (56000 bytes)
|+ 05 Mar 09:20:01 MAX  UL-MAIL.PKT
|+ 05 Mar 09:24:50 MAX  End, Right Day
exit: 0
out logdata.zvx:
|
|           Статистика на 05.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║09:10:00-09:25:00│Right Day         │B│     56000│         0│  2800│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Right Day         │     56000│         0│    2800│  00:15:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │     56000│         0│  2800.0│  00:15:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a window across midnight reads the BBS log for both days
# 23:00 to 08:00 from 15.03: the caller of 23:10 is found as "15 Mar", the
# caller of 01:05 on 16.03 as "16 Mar" when the BBS log is read again for
# the second day.
args: LOG /t=23:00-08:00 -g +b
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 23:10:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 23:10:09 Human caller.
|15/03 23:40:00 Returned to T-Mail with errorlevel 2
|16/03 01:05:00 ■ Incoming call: CONNECT 26400/ARQ/V34
|16/03 01:05:10 Human caller.
|16/03 01:30:00 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 23:10:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 23:10:25 MAX  Connected at 33600 baud
|+ 15 Mar 23:10:40 MAX  Night Owl calling
|: 15 Mar 23:30:00 MAX  CPS: 3100 (93000 bytes)
|+ 15 Mar 23:30:01 MAX  DL-BIG.ZIP
|+ 15 Mar 23:39:50 MAX  End, Night Owl
|+ 16 Mar 01:05:20 MAX  Begin, v3.01 (task=1)
|+ 16 Mar 01:05:25 MAX  Connected at 26400 baud
|+ 16 Mar 01:05:40 MAX  Early Bird calling
|: 16 Mar 01:20:00 MAX  CPS: 2500 (40000 bytes)
|+ 16 Mar 01:20:01 MAX  UL-NEWS.TXT
|+ 16 Mar 01:29:50 MAX  End, Early Bird
exit: 0
out logdata.zvx:
|
|         Статистика на 15.03-16.03  время с 23:00 по 08:00 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║23:10:00-23:40:00│Night Owl         │B│         0│     93000│  3100│      ║
|║01:05:00-01:30:00│Early Bird        │B│     40000│         0│  2500│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Night Owl         │         0│     93000│    3100│  00:30:00   ║
|║Early Bird        │     40000│         0│    2500│  00:25:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │     40000│     93000│  2800.0│  00:55:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
|
|         Статистика на 15.03-16.03  время с 23:00 по 08:00 
|╔{═*17}╤{═*18}╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │   Пользователь   │ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║23:10:00-23:40:00│Night Owl         │         0│     93000│  3100│      ║
|║01:05:00-01:30:00│Early Bird        │     40000│         0│  2500│      ║
<< bbs-list-foot.frag
<< bbs-summary-head.frag
|║Night Owl         │         0│     93000│    3100│  00:30:00   ║
|║Early Bird        │     40000│         0│    2500│  00:25:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │     40000│     93000│  2800.0│  00:55:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< bbs-signature.frag

=== case: a BBS log that cannot be opened leaves the sessions as they are
# The step is told with the reason and left unticked; the Terminal Call
# keeps its name and kind i, and the BBS-user file lists no user.
args: LOG -g +b
in brantlow.cfg:
|BBSType Maximus
|BBSLog nosuch.log
in LOG:
|15/03 14:02:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 14:02:10 Human caller.
|15/03 14:10:05 Returned to T-Mail with errorlevel 2
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
|Error: Unable to open BBSLog nosuch.log: No such file or directory
console:
|[ ] Analyzing BBS log (Max);
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< list-head.frag
|║14:02:00-14:10:05│Terminal Call     │i│         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Terminal Call     │         0│         0│       0│  00:08:05   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         0│         0│     0.0│  00:08:05   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
<< bbs-list-head.frag
<< bbs-list-foot.frag
<< empty-bbs-summary.frag
<< bbs-signature.frag

=== case: BBSType without +b completes the sessions but writes no BBS-user file
# The caller shows by name with kind B in the statistics file, and its 900
# seconds (12:00:00 to 12:15:00) fill half hour 24 to 50 percent. Three
# reads of a 141-byte log, cells of 2 bytes.
args: LOG
terminal: yes
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 12:00:00 ■ Incoming call: CONNECT 14400/ARQ/V32BIS
|15/03 12:00:10 Human caller.
|15/03 12:15:00 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 12:00:12 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 12:00:13 MAX  Connected at 14400 baud
|+ 15 Mar 12:00:30 MAX  Maria Ivanova calling
|: 15 Mar 12:10:00 MAX  CPS: 1350 (27000 bytes)
|+ 15 Mar 12:10:01 MAX  DL-RECIPES.TXT
|+ 15 Mar 12:14:50 MAX  End, Maria Ivanova
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
console:
|      {▒*50}{\b*50}{█*3}\r
|\r
|[ ] Analyzing BBS log (Max);{\b*27}√\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make gistogram;{\b*18}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
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
|     │{ *24}▓{ *23}
|     │{ *24}▓{ *23}
| 25%─┼{ *24}▓{ *23}
|     │{ *24}▓{ *23}
|     │{ *24}▓{ *23}
|     │{ *24}▓{ *23}
|     │{ *24}▓{ *23}
<< histogram-axis.frag
<< list-head.frag
|║12:00:00-12:15:00│Maria Ivanova     │B│         0│     27000│  1350│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Maria Ivanova     │         0│     27000│    1350│  00:15:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         0│     27000│  1350.0│  00:15:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: caller names are cut to 18 characters or left blank
# A name runs from column 23 to column 40 at most; a calling line whose
# phrase stands before column 23 has no room for a name and gives 18
# blanks.
args: LOG -g
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 18:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 18:00:10 Human caller.
|15/03 18:10:00 Returned to T-Mail with errorlevel 2
|15/03 18:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 18:30:10 Human caller.
|15/03 18:35:00 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 18:00:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 18:00:25 MAX  Connected at 33600 baud
|+ 15 Mar 18:00:40 MAX  Konstantin Konstantinopolsky calling
|+ 15 Mar 18:09:50 MAX  End, Konstantin Konstantinopolsky
|+ 15 Mar 18:30:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 18:30:25 MAX  Connected at 33600 baud
|+ 15 Mar 18:30:40 MAX calling
|+ 15 Mar 18:34:50 MAX  End,
exit: 0
out logdata.zvx:
<< list-head.frag
|║18:00:00-18:10:00│Konstantin Konstan│B│         0│         0│     0│      ║
|║18:30:00-18:35:00│{ *18}│B│         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Konstantin Konstan│         0│         0│       0│  00:10:00   ║
|║{ *18}│         0│         0│       0│  00:05:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         0│         0│     0.0│  00:15:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a size no transfer line took goes to the next caller's transfer
# The first caller's rate line gives a size but no download or upload
# follows; that size is still waiting when the second caller's rate line
# comes, so this line's own size is not read and the download takes the
# 30000 of the first call. Each caller keeps the mean of its own rates.
args: LOG -g
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 19:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 19:00:10 Human caller.
|15/03 19:10:00 Returned to T-Mail with errorlevel 2
|15/03 19:20:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 19:20:10 Human caller.
|15/03 19:30:00 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 19:00:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 19:00:25 MAX  Connected at 33600 baud
|+ 15 Mar 19:00:40 MAX  First Caller calling
|: 15 Mar 19:05:00 MAX  CPS: 1000 (30000 bytes)
|+ 15 Mar 19:09:50 MAX  End, First Caller
|+ 15 Mar 19:20:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 19:20:25 MAX  Connected at 33600 baud
|+ 15 Mar 19:20:40 MAX  Second Caller calling
|: 15 Mar 19:25:00 MAX  CPS: 2000 (80000 bytes)
|+ 15 Mar 19:25:01 MAX  DL-SECOND.ZIP
|+ 15 Mar 19:29:50 MAX  End, Second Caller
exit: 0
out logdata.zvx:
<< list-head.frag
|║19:00:00-19:10:00│First Caller      │B│         0│         0│  1000│      ║
|║19:20:00-19:30:00│Second Caller     │B│         0│     30000│  2000│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║First Caller      │         0│         0│    1000│  00:10:00   ║
|║Second Caller     │         0│     30000│    2000│  00:10:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         0│     30000│  1500.0│  00:20:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a Terminal Call across midnight takes the call that began inside it
# 23:55 to 00:05: the call of 23:55:20 on the evening's day began inside
# the session, which becomes Late Caller's, kind B, 600 seconds across
# midnight.
args: LOG /t=23:00-08:00 -g +b
in brantlow.cfg:
<< bbs-config.frag
in LOG:
|15/03 23:55:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 23:55:10 Human caller.
|16/03 00:05:00 Returned to T-Mail with errorlevel 2
in max.log:
|+ 15 Mar 23:55:20 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 23:55:25 MAX  Connected at 33600 baud
|+ 15 Mar 23:55:40 MAX  Late Caller calling
|+ 16 Mar 00:04:50 MAX  End, Late Caller
exit: 0
out logdata.zvx:
|
|         Статистика на 15.03-16.03  время с 23:00 по 08:00 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║23:55:00-00:05:00│Late Caller       │B│         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Late Caller       │         0│         0│       0│  00:10:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         0│         0│     0.0│  00:10:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
|
|         Статистика на 15.03-16.03  время с 23:00 по 08:00 
|╔{═*17}╤{═*18}╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │   Пользователь   │ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║23:55:00-00:05:00│Late Caller       │         0│         0│     0│      ║
<< bbs-list-foot.frag
<< bbs-summary-head.frag
|║Late Caller       │         0│         0│       0│  00:10:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         0│         0│     0.0│  00:10:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< bbs-signature.frag
