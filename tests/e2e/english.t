# English reports (--lang=en, or "Language en" in the configuration): the
# same layouts and widths as the Russian ones, English words in the cells
# and titles, English step lines. The example log, examples/t-mail.log,
# with the example BBS log.
#
# 15.03, 00:00 to 23:30 (no session runs across either end), sessions in
# log order (CPS: the mean of the OK
# transfer lines' rates; printf rounds a half to even):
#   01:30:12-01:30:30 2:5020/777.3 i 0/0, "Password mismatch": mism
#   02:40:29-02:41:22 2:5020/1234 o 92468/2870, (2918+2629+2462+2870)/4 =
#     2719.75: 2720
#   02:41:23-02:43:05 Tosser run p (its next line ends it), 102 s
#   04:00:00-04:17:45 Nightly upkeep p, the cycle of three job lines
#   09:54:52-09:55:11 2:4527/63 i 863/214, (863+214)/2 = 538.5: 538
#   09:56:40-09:56:55 2:4527/63 i 0/0, 89 s after the last: a crash poll
#   12:15:29-12:16:06 2:463/68 o 2048/20480, the cancelled transfer left
#     out: 2275; "Bad password": error
#   14:30:31-14:31:30 2:5020/777 o 5120/95750, 7685/3 = 2561.67: 2562
#   16:20:03-16:41:30 Olga Smirnova B, from the BBS log: UL 40960, DL
#     182450, (2900+2700)/2 = 2800
#   18:00:01-18:09:44 Terminal Emulator T
#   20:31:10-20:52:40 Gleb Tarasov B, DL 311200 at 2150
#   22:40:02-22:41:00 2:5020/1234 i 95120/0 at 2378
#   22:41:01-22:43:37 Tosser run p, 156 s
#   23:20:27-23:20:46 2:5020/1234 o 0/15630 at 3126
# The summary folds 2:5020/1234 into 187588/18500, (2719.75+2378+3126)/3 =
# 2741.25, 53+58+19 = 130 s; the totals' CPS is the mean of the six
# positive names' CPS, 13066.42/6 = 2177.74; 4761 s on line.
# Costs (night 23:00 to 07:00): 2:5020/1234 in at 22:40 (day) 88 s x 0.5
# = 0.73; out at 02:40 (night) 83 s x 0.3 = 0.415 and at 23:20 (night)
# 49 s x 0.3 = 0.245, 0.66 for 132 s. 2:463/68 out at 12:15 (day) 82 s x
# 1.5 = 2.05.

=== case: every report of a day in English, the tables in files of their own
# The connect and files files begin with a title of the window, as the
# statistics file's list does. The files table leaves out mail bundles
# and packets (FilesEcho no); 2:5020/777 is the last address whose
# transfers began, so no rule follows it.
date: 2026-03-20 12:00:00
args: LOG /d=15.03 /t=00:00-23:30 /c=120 -g +l(-s) +a(-s) +b --lang=en
in brantlow.cfg:
<< english-cfg.frag
|Cost 2:5020/1234 0.5#0.25 0.6#0.3 30
|Cost 2:463/68 1.2#0.6 1.5#0.75 45
|NightTime 23:00-7:00
in max.log:
<< example-max.frag
in LOG:
<< example-log.frag
exit: 0
console:
|[√] Read the BBS log (Max);
|[√] Search crash polls;
|[√] Calculate costs;
|[√] Make the statistics file;
|[√] Make the files table;
|[√] Make the connect/mailer table;
|[√] Sort the addresses;
out logdata.zvx:
|
|           Statistics for 15.03  time from 00:00 to 23:30 
|╔{═*17}╤═╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Time       │C│     Address      │D│ Received │   Sent   │ CPS  │Passwd║
|╟{─*17}┼─┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║01:30:12-01:30:30│ │2:5020/777.3{ *6}│i│{ *9}0│{ *9}0│{ *5}0│mism  ║
|║02:40:29-02:41:22│ │2:5020/1234{ *7}│o│{ *5}92468│{ *6}2870│{ *2}2720│passw ║
|║02:41:23-02:43:05│ │Tosser run{ *8}│p│{ *9}0│{ *9}0│{ *5}0│{ *6}║
|║04:00:00-04:17:45│ │Nightly upkeep{ *4}│p│{ *9}0│{ *9}0│{ *5}0│{ *6}║
|║09:54:52-09:55:11│ │2:4527/63{ *9}│i│{ *7}863│{ *7}214│{ *3}538│passw ║
|║09:56:40-09:56:55│!│2:4527/63{ *9}│i│{ *9}0│{ *9}0│{ *5}0│passw ║
|║12:15:29-12:16:06│ │2:463/68{ *10}│o│{ *6}2048│{ *5}20480│{ *2}2275│error ║
|║14:30:31-14:31:30│ │2:5020/777{ *8}│o│{ *6}5120│{ *5}95750│{ *2}2562│passw ║
|║16:20:03-16:41:30│ │Olga Smirnova{ *5}│B│{ *5}40960│{ *4}182450│{ *2}2800│{ *6}║
|║18:00:01-18:09:44│ │Terminal Emulator │T│{ *9}0│{ *9}0│{ *5}0│{ *6}║
|║20:31:10-20:52:40│ │Gleb Tarasov{ *6}│B│{ *9}0│{ *4}311200│{ *2}2150│{ *6}║
|║22:40:02-22:41:00│ │2:5020/1234{ *7}│i│{ *5}95120│{ *9}0│{ *2}2378│passw ║
|║22:41:01-22:43:37│ │Tosser run{ *8}│p│{ *9}0│{ *9}0│{ *5}0│{ *6}║
|║23:20:27-23:20:46│ │2:5020/1234{ *7}│o│{ *9}0│{ *5}15630│{ *2}3126│passw ║
|╚{═*17}╧═╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║     Address      │ Received │   Sent   │  CPS   │  Total time ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Tosser run{ *8}│{ *9}0│{ *9}0│{ *7}0│  00:04:18   ║
|║Nightly upkeep{ *4}│{ *9}0│{ *9}0│{ *7}0│  00:17:45   ║
|║Olga Smirnova{ *5}│{ *5}40960│{ *4}182450│{ *4}2800│  00:21:27   ║
|║Terminal Emulator │{ *9}0│{ *9}0│{ *7}0│  00:09:43   ║
|║Gleb Tarasov{ *6}│{ *9}0│{ *4}311200│{ *4}2150│  00:21:30   ║
|║2:463/68{ *10}│{ *6}2048│{ *5}20480│{ *4}2275│  00:00:37   ║
|║2:4527/63{ *9}│{ *7}863│{ *7}214│{ *5}538│  00:00:34   ║
|║2:5020/777.3{ *6}│{ *9}0│{ *9}0│{ *7}0│  00:00:18   ║
|║2:5020/777{ *8}│{ *6}5120│{ *5}95750│{ *4}2562│  00:00:59   ║
|║2:5020/1234{ *7}│{ *4}187588│{ *5}18500│{ *4}2741│  00:02:10   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Total 14  sessions│{ *4}236579│{ *4}628594│  2177.7│  01:19:21   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|╔{═*18}╤{═*9}╤{═*9}╤{═*8}╤{═*8}╗
|║     Address      │  Cost   │  Cost   │  Time  │  Time  ║
|║                  │   in    │   out   │   in   │  out   ║
|╟{─*18}┼{─*9}┼{─*9}┼{─*8}┼{─*8}╢
|║2:5020/1234{ *7}│{ *5}0.73│{ *5}0.66│00:01:28│00:02:12║
|║2:463/68{ *10}│{ *5}0.00│{ *5}2.05│00:00:00│00:01:22║
|╚{═*18}╧{═*9}╧{═*9}╧{═*8}╧{═*8}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out conndata.zvx:
|
|           Connects and mailers for 15.03  time from 00:00 to 23:30 
|╔{═*18}╤{═*48}╗
|║   Time/Address   │              Connect string/Mailer             ║
|╟{─*18}┼{─*48}╢
|║01:30:12{ *10}│33600/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:5020/777.3{ *6}│GoldED/BinkleyTerm 2.60{ *25}║
|╟{─*18}┼{─*48}╢
|║02:40:29{ *10}│31200/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:5020/1234{ *7}│T-Mail/2608.NT{ *34}║
|╟{─*18}┼{─*48}╢
|║02:41:23{ *10}│{ *48}║
|║Tosser run{ *8}│{ *48}║
|╟{─*18}┼{─*48}╢
|║04:00:00{ *10}│{ *48}║
|║Nightly upkeep{ *4}│{ *48}║
|╟{─*18}┼{─*48}╢
|║09:54:52{ *10}│33600/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:4527/63{ *9}│T-Mail/2608.NT{ *34}║
|╟{─*18}┼{─*48}╢
|║09:56:40{ *10}│33600/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:4527/63{ *9}│T-Mail/2608.NT{ *34}║
|╟{─*18}┼{─*48}╢
|║12:15:29{ *10}│26400/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:463/68{ *10}│Hydra/1.2 (T-Mail){ *30}║
|╟{─*18}┼{─*48}╢
|║14:30:31{ *10}│28800/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:5020/777{ *8}│T-Mail/2608.NT{ *34}║
|╟{─*18}┼{─*48}╢
|║16:20:03{ *10}│31200/ARQ/V34/LAPM/V42BIS{ *23}║
|║Olga Smirnova{ *5}│{ *48}║
|╟{─*18}┼{─*48}╢
|║18:00:01{ *10}│{ *48}║
|║Terminal Emulator │{ *48}║
|╟{─*18}┼{─*48}╢
|║20:31:10{ *10}│24000/ARQ/V34/LAPM/V42BIS{ *23}║
|║Gleb Tarasov{ *6}│{ *48}║
|╟{─*18}┼{─*48}╢
|║22:40:02{ *10}│21600/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:5020/1234{ *7}│T-Mail/2608.NT{ *34}║
|╟{─*18}┼{─*48}╢
|║22:41:01{ *10}│{ *48}║
|║Tosser run{ *8}│{ *48}║
|╟{─*18}┼{─*48}╢
|║23:20:27{ *10}│33600/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:5020/1234{ *7}│T-Mail/2608.NT{ *34}║
|╚{═*18}╧{═*48}╝
out filedata.zvx:
|
|           Files received and sent for 15.03  time from 00:00 to 23:30 
|╔{═*18}╤{═*25}╤{═*25}╗
|║     Address      │     Files received      │       Files sent        ║
|╟{─*18}┼{─*25}┼{─*25}╢
|║2:5020/1234{ *7}│nodediff.a74{ *13}│{ *25}║
|╟{─*18}┼{─*25}┼{─*25}╢
|║2:4527/63{ *9}│pntlst.z15{ *15}│areas.lst{ *16}║
|╟{─*18}┼{─*25}┼{─*25}╢
|║2:5020/777{ *8}│points15.lst{ *13}│harbour.jpg{ *14}║
|╚{═*18}╧{═*25}╧{═*25}╝
out maxdata.zvx:
|
|           Statistics for 15.03  time from 00:00 to 23:30 
|╔{═*17}╤═╤{═*18}╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Time       │C│       User       │ Received │   Sent   │ CPS  │Passwd║
|╟{─*17}┼─┼{─*18}┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║16:20:03-16:41:30│ │Olga Smirnova{ *5}│{ *5}40960│{ *4}182450│{ *2}2800│{ *6}║
|║20:31:10-20:52:40│ │Gleb Tarasov{ *6}│{ *9}0│{ *4}311200│{ *2}2150│{ *6}║
|╚{═*17}╧═╧{═*18}╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║       User       │ Received │   Sent   │  CPS   │  Total time ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Olga Smirnova{ *5}│{ *5}40960│{ *4}182450│{ *4}2800│  00:21:27   ║
|║Gleb Tarasov{ *6}│{ *9}0│{ *4}311200│{ *4}2150│  00:21:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Total 2   sessions│{ *5}40960│{ *4}493650│  2475.0│  00:42:57   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< bbs-signature.frag

=== case: the period report in English, by the configuration's Language key
# 16.03 as a period of one day (its first line closes a session of 15.03,
# and belongs to none of this day): 2:5020/1234 in at 05:25:07 for 20 s,
# 1800/0, its sysop.txt at 900 cps; 2:5020/777 out at 08:30:10 for 33 s,
# 0/51200 at 3011 cps, its packet left out of the files (FilesEcho no).
# Node 777 before node 1234; the totals' CPS (900+3011)/2 = 1955.5. Three
# configured links had no session.
date: 2026-03-20 12:00:00
args: LOG /p=16.03-16.03 -g
in brantlow.cfg:
<< english-cfg.frag
|Links 2:5020/1234 2:463/68 2:5030/55 2:5020/777 2:5020/4040
|Language en
in max.log:
<< example-max.frag
in LOG:
<< example-log.frag
exit: 0
console:
|[√] Analyse the sessions;
|[√] Sort the addresses;
|[√] Make the period file;
out perdata.zvx:
|
|      Statistics for the period 16.03-16.03, days: 1 
|╔{═*7}╤{═*7}╤{═*7}╤{═*7}╤{═*6}╤{═*14}╤{═*14}╤{═*12}╗
|║  Date │  Sess.│     In│    Out│ Fails│      Received│          Sent│        Time║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ 16.03 │{ *6}2│{ *6}1│{ *6}1│{ *5}0│{ *10}1800│{ *9}51200│{ *5}0:00:53║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ Total │{ *6}2│{ *6}1│{ *6}1│{ *5}0│{ *10}1800│{ *9}51200│{ *5}0:00:53║
|╚{═*7}╧{═*7}╧{═*7}╧{═*7}╧{═*6}╧{═*14}╧{═*14}╧{═*12}╝
|╔{═*18}╤{═*7}╤{═*7}╤{═*7}╤{═*14}╤{═*14}╤{═*8}╤{═*8}╤{═*8}╤{═*12}╗
|║     Address      │  Sess.│     In│    Out│      Received│          Sent│   Files│   Files│     CPS│        Time║
|║{ *18}│{ *7}│{ *7}│{ *7}│{ *14}│{ *14}│received│    sent│{ *8}│{ *12}║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║2:5020/777{ *8}│{ *6}1│{ *6}0│{ *6}1│{ *13}0│{ *9}51200│{ *7}0│{ *7}0│{ *4}3011│{ *5}0:00:33║
|║2:5020/1234{ *7}│{ *6}1│{ *6}1│{ *6}0│{ *10}1800│{ *13}0│{ *7}1│{ *7}0│{ *5}900│{ *5}0:00:20║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Total{ *13}│{ *6}2│{ *6}1│{ *6}1│{ *10}1800│{ *9}51200│{ *7}1│{ *7}0│  1955.5│{ *5}0:00:53║
|╚{═*18}╧{═*7}╧{═*7}╧{═*7}╧{═*14}╧{═*14}╧{═*8}╧{═*8}╧{═*8}╧{═*12}╝
|
|Links without sessions in the period:
|  2:463/68
|  2:5030/55
|  2:5020/4040
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the link health report in English
# The dials of the link health transcript's first case, with --links
# --lang=en: the same rows in the English heads; "never" where a link had
# no good session, padded as the date it stands for.
date: 2026-03-16 12:00:00
args: LOG /d=15.03 -g --links --lang=en
in brantlow.cfg:
|Links 2:5020/1234 2:5030/77
in LOG:
|15/03 02:00:00 Dialing 2:463/68 (+380-44-555-0101)
|15/03 02:00:29 ■ Outgoing call: CONNECT 26400/ARQ/V34
|15/03 02:00:55 Handshake failure
|15/03 02:10:00 Dialing 2:463/68 (+380-44-555-0101)
|15/03 02:10:38 NO CARRIER
|15/03 08:00:00 Dialing 2:5020/1234 (+7-095-123-4567)
|15/03 08:00:30 ■ Outgoing call: CONNECT 28800/ARQ/V34
|15/03 08:00:40 2:5020/1234, using T-Mail/2608.NT
|15/03 08:01:30 ■ 2:5020/1234, bytes 100/200, time 0:01:00
|15/03 08:15:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 08:15:10 2:5020/1234, using T-Mail/2608.NT
|15/03 08:16:00 ■ 2:5020/1234, bytes 10/20, time 0:00:50
|15/03 21:00:00 Dialing 2:5020/777 (+7-095-765-4321)
|15/03 21:00:40 BUSY
|15/03 21:05:00 Dialing 2:5020/777 (+7-095-765-4321)
|15/03 21:05:02 NO DIAL TONE
|15/03 21:10:00 Dialing 2:5020/777 (+7-095-765-4321)
|15/03 21:10:45 NO ANSWER
exit: 0
out logdata.zvx:
|
|           Statistics for 15.03  time from 00:00 to 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Time       │     Address      │D│ Received │   Sent   │ CPS  │Passwd║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║02:00:29-02:00:55│Handshake failure │o│         0│         0│     0│      ║
|║08:00:30-08:01:30│2:5020/1234       │o│       100│       200│     0│      ║
|║08:15:00-08:16:00│2:5020/1234       │i│        10│        20│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║     Address      │ Received │   Sent   │  CPS   │  Total time ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Handshake failure │         0│         0│       0│  00:00:26   ║
|║2:5020/1234       │       110│       220│       0│  00:02:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Total 3   sessions│       110│       220│     0.0│  00:02:26   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out lnkdata.zvx:
|
|      Links 15.03 00:00-23:59
|╔{═*18}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╗
|║     Address      │ Calls│ Conn.│NO CAR│  BUSY│NO ANS│NO TON│Hndshk│   Net│    In│ Sess.║
|╟{─*18}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}╢
|║2:463/68          │     2│     1│     1│     0│     0│     0│     1│     0│     0│     0║
|║2:5020/777        │     3│     0│     0│     1│     1│     1│     0│     0│     0│     0║
|║2:5020/1234       │     1│     1│     0│     0│     0│     0│     0│     0│     1│     2║
|║2:5030/77         │     0│     0│     0│     0│     0│     0│     0│     0│     0│     0║
|╚{═*18}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*24}╤{═*11}╤{═*7}╗
|║     Address      │0     6     12    18    │Last sess. │    Gap║
|╟{─*18}┼{─*24}┼{─*11}┼{─*7}╢
|║2:463/68          │{ *24}│never      │  24:00║
|║2:5020/777        │{ *24}│never      │  24:00║
|║2:5020/1234       │{ *8}▒{ *15}│15.03 08:15│  15:45║
|║2:5030/77         │{ *24}│never      │  24:00║
|╚{═*18}╧{═*24}╧{═*11}╧{═*7}╝
|
|Silent links:
|  2:5030/77          last session: never
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a station in English: its lines, a line without a report, the links
# The station of two lines and a missing log as the station transcript
# has it (the same sums, charts and links), with --lang=en: every line's
# run and the station report are English, in the same widths. No Links
# key, so no silent links.
date: 2026-12-08 12:00:00
args: --station /d=07.12 --lang=en
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
out logdata.zvx:
|
|           Statistics for 07.12  time from 00:00 to 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Time       │     Address      │D│ Received │   Sent   │ CPS  │Passwd║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║02:00:00-02:01:40│2:5020/1234{ *7}│i│{ *6}3000│{ *7}400│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║     Address      │ Received │   Sent   │  CPS   │  Total time ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║2:5020/1234{ *7}│{ *6}3000│{ *7}400│{ *7}0│  00:01:40   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Total 1   sessions│{ *6}3000│{ *7}400│     0.0│  00:01:40   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out logdat1.zvx:
|
<< station-chart.frag
<< histogram-axis.frag
|
|           Statistics for 07.12  time from 00:00 to 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Time       │     Address      │D│ Received │   Sent   │ CPS  │Passwd║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║10:00:00-10:09:00│2:463/68{ *10}│o│{ *7}500│{ *6}6000│{ *5}0│{ *6}║
|║11:00:00-11:00:30│Handshake failure │i│{ *9}0│{ *9}0│{ *5}0│{ *6}║
|║11:20:00-11:21:00│2:5020/1234{ *7}│i│{ *7}100│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*10}╤{═*10}╤{═*8}╤{═*13}╗
|║     Address      │ Received │   Sent   │  CPS   │  Total time ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Handshake failure │{ *9}0│{ *9}0│{ *7}0│  00:00:30   ║
|║2:463/68{ *10}│{ *7}500│{ *6}6000│{ *7}0│  00:09:00   ║
|║2:5020/1234{ *7}│{ *7}100│{ *9}0│{ *7}0│  00:01:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Total 3   sessions│{ *7}600│{ *6}6000│     0.0│  00:10:30   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Line 1
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out stadata.zvx:
|
|      Station statistics for 07.12 time from 00:00 to 23:59, lines: 3
|╔{═*7}╤{═*7}╤{═*7}╤{═*7}╤{═*6}╤{═*14}╤{═*14}╤{═*12}╗
|║   Line│  Sess.│     In│    Out│ Fails│      Received│          Sent│        Time║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║{ *6}0│{ *6}1│{ *6}1│{ *6}0│{ *5}0│{ *10}3000│{ *11}400│{ *5}0:01:40║
|║{ *6}1│{ *6}3│{ *6}2│{ *6}1│{ *5}1│{ *11}600│{ *10}6000│{ *5}0:10:30║
|╟{─*7}┼{─*7}┼{─*7}┼{─*7}┼{─*6}┼{─*14}┼{─*14}┼{─*12}╢
|║ Total │{ *6}4│{ *6}3│{ *6}1│{ *5}1│{ *10}3600│{ *10}6400│{ *5}0:12:10║
|╚{═*7}╧{═*7}╧{═*7}╧{═*7}╧{═*6}╧{═*14}╧{═*14}╧{═*12}╝
|
|Line 2 made no report: c.log
|  Error: Unable to open InFile
|    c.log: No such file or directory
|
|Line 0: a.log (T-Mail), no histogram (-g)
|
|Line 1: b.log (T-Mail)
<< station-chart.frag
<< histogram-axis.frag
|
|Station: the mean over the lines (1)
<< station-chart.frag
<< histogram-axis.frag
|
|      Addresses of all lines
|╔{═*18}╤{═*7}╤{═*7}╤{═*7}╤{═*14}╤{═*14}╤{═*8}╤{═*8}╤{═*8}╤{═*12}╗
|║     Address      │  Sess.│     In│    Out│      Received│          Sent│   Files│   Files│     CPS│        Time║
|║{ *18}│{ *7}│{ *7}│{ *7}│{ *14}│{ *14}│received│    sent│{ *8}│{ *12}║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Handshake failure │{ *6}1│{ *6}1│{ *6}0│{ *13}0│{ *13}0│{ *7}0│{ *7}0│{ *7}0│{ *5}0:00:30║
|║2:463/68{ *10}│{ *6}1│{ *6}0│{ *6}1│{ *11}500│{ *10}6000│{ *7}0│{ *7}0│{ *7}0│{ *5}0:09:00║
|║2:5020/1234{ *7}│{ *6}2│{ *6}2│{ *6}0│{ *10}3100│{ *11}400│{ *7}0│{ *7}0│{ *7}0│{ *5}0:02:40║
|╟{─*18}┼{─*7}┼{─*7}┼{─*7}┼{─*14}┼{─*14}┼{─*8}┼{─*8}┼{─*8}┼{─*12}╢
|║Total{ *13}│{ *6}4│{ *6}3│{ *6}1│{ *10}3600│{ *10}6400│{ *7}0│{ *7}0│     0.0│{ *5}0:12:10║
|╚{═*18}╧{═*7}╧{═*7}╧{═*7}╧{═*14}╧{═*14}╧{═*8}╧{═*8}╧{═*8}╧{═*12}╝
|
|      Links 07.12 00:00-23:59
|╔{═*18}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╗
|║     Address      │ Calls│ Conn.│NO CAR│  BUSY│NO ANS│NO TON│Hndshk│   Net│    In│ Sess.║
|╟{─*18}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}╢
|║2:463/68          │     0│     0│     0│     0│     0│     0│     0│     0│     0│     1║
|║2:5020/1234       │     0│     0│     0│     0│     0│     0│     0│     0│     2│     2║
|╚{═*18}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*24}╤{═*11}╤{═*7}╗
|║     Address      │0     6     12    18    │Last sess. │    Gap║
|╟{─*18}┼{─*24}┼{─*11}┼{─*7}╢
|║2:463/68          │{ *10}░{ *13}│07.12 10:00│  14:00║
|║2:5020/1234       │  ░{ *8}░{ *12}│07.12 11:20│  12:40║
|╚{═*18}╧{═*24}╧{═*11}╧{═*7}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
