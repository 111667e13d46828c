# Call costs: each configured entry prices the incoming and outgoing
# sessions whose name equals its own, at the day or night rate of the
# second the call starts in, with the entry's add-on added to every
# duration. The report follows the address summary, one row per entry.
# Rates here are day 1.00 and night 2.00 for incoming calls, day 3.00 and
# night 4.00 for outgoing ones, so every cell shows which rate was taken.

=== case: a night across midnight takes both of its ends
# 23:00-08:00 is 82800 to 28800: a day call starts strictly between 08:00
# and 23:00. 03:00:00 and 08:00:00 are night calls, 08:00:01 is a day call,
# the outgoing call at 23:00:00 is a night call. 2:5020/12 lasts 1 second
# and its add-on of 59 makes 60. 2:5020/1 is only a prefix of the names
# logged and prices nothing.
args: LOG -g
in brantlow.cfg:
|NightTime 23:00-08:00
|Cost 2:5020/11 1.00#2.00 3.00#4.00 0
|Cost 2:5020/12 1.00#2.00 3.00#4.00 59
|Cost 2:5020/13 1.00#2.00 3.00#4.00 0
|Cost 2:5020/14 1.00#2.00 3.00#4.00 0
|Cost 2:5020/1 1.00#2.00 3.00#4.00 0
in LOG:
|15/03 03:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 03:00:10 2:5020/11, using T-Mail/2608.NT
|15/03 03:01:00 ■ 2:5020/11, bytes 1000/500, time 0:01:00
|15/03 08:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 08:00:00 2:5020/12, using T-Mail/2608.NT
|15/03 08:00:01 ■ 2:5020/12, bytes 0/0, time 0:00:01
|15/03 08:00:01 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 08:00:10 2:5020/13, using T-Mail/2608.NT
|15/03 08:01:01 ■ 2:5020/13, bytes 2000/0, time 0:01:00
|15/03 23:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 23:00:10 2:5020/14, using T-Mail/2608.NT
|15/03 23:01:00 ■ 2:5020/14, bytes 0/3000, time 0:01:00
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Calculate cost data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< list-head.frag
|║03:00:00-03:01:00│2:5020/11         │i│      1000│       500│     0│      ║
|║08:00:00-08:00:01│2:5020/12         │i│         0│         0│     0│      ║
|║08:00:01-08:01:01│2:5020/13         │i│      2000│         0│     0│      ║
|║23:00:00-23:01:00│2:5020/14         │o│         0│      3000│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/11         │      1000│       500│       0│  00:01:00   ║
|║2:5020/12         │         0│         0│       0│  00:00:01   ║
|║2:5020/13         │      2000│         0│       0│  00:01:00   ║
|║2:5020/14         │         0│      3000│       0│  00:01:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 4   cессий │      3000│      3500│     0.0│  00:03:01   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< cost-head.frag
|║2:5020/11         │     2.00│     0.00│00:01:00│00:00:00║
|║2:5020/12         │     2.00│     0.00│00:01:00│00:00:00║
|║2:5020/13         │     1.00│     0.00│00:01:00│00:00:00║
|║2:5020/14         │     0.00│     4.00│00:00:00│00:01:00║
|║2:5020/1          │     0.00│     0.00│00:00:00│00:00:00║
|╚{═*18}╧{═*9}╧{═*9}╧{═*8}╧{═*8}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a night within one day leaves out both of its ends
# 01:00-06:00 is 3600 to 21600: a night call starts strictly between them.
# 01:00:00 and the outgoing 06:00:00 are day calls, 01:00:01 and the
# outgoing 03:00:00 night calls. 2:5020/21 lasts 1 second, 60 with its
# add-on.
args: LOG -g
in brantlow.cfg:
|NightTime 01:00-06:00
|Cost 2:5020/21 1.00#2.00 3.00#4.00 59
|Cost 2:5020/22 1.00#2.00 3.00#4.00 0
|Cost 2:5020/23 1.00#2.00 3.00#4.00 0
|Cost 2:5020/24 1.00#2.00 3.00#4.00 0
in LOG:
|15/03 01:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 01:00:00 2:5020/21, using T-Mail/2608.NT
|15/03 01:00:01 ■ 2:5020/21, bytes 0/0, time 0:00:01
|15/03 01:00:01 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 01:00:10 2:5020/22, using T-Mail/2608.NT
|15/03 01:01:01 ■ 2:5020/22, bytes 100/0, time 0:01:00
|15/03 03:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 03:00:10 2:5020/23, using T-Mail/2608.NT
|15/03 03:01:00 ■ 2:5020/23, bytes 0/200, time 0:01:00
|15/03 06:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 06:00:10 2:5020/24, using T-Mail/2608.NT
|15/03 06:01:00 ■ 2:5020/24, bytes 300/400, time 0:01:00
exit: 0
out logdata.zvx:
<< list-head.frag
|║01:00:00-01:00:01│2:5020/21         │i│         0│         0│     0│      ║
|║01:00:01-01:01:01│2:5020/22         │i│       100│         0│     0│      ║
|║03:00:00-03:01:00│2:5020/23         │o│         0│       200│     0│      ║
|║06:00:00-06:01:00│2:5020/24         │o│       300│       400│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/21         │         0│         0│       0│  00:00:01   ║
|║2:5020/22         │       100│         0│       0│  00:01:00   ║
|║2:5020/23         │         0│       200│       0│  00:01:00   ║
|║2:5020/24         │       300│       400│       0│  00:01:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 4   cессий │       400│       600│     0.0│  00:03:01   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< cost-head.frag
|║2:5020/21         │     1.00│     0.00│00:01:00│00:00:00║
|║2:5020/22         │     2.00│     0.00│00:01:00│00:00:00║
|║2:5020/23         │     0.00│     4.00│00:00:00│00:01:00║
|║2:5020/24         │     0.00│     3.00│00:00:00│00:01:00║
|╚{═*18}╧{═*9}╧{═*9}╧{═*8}╧{═*8}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the add-on lengthens every priced call
# No NightTime: every call is a day call, the night rates of 9.00 are
# never taken. Incoming 90 s + 30 = 120 s at 1.50 is 3.00 and 00:02:00;
# outgoing 30 s + 30 = 60 s at 2.50 is 2.50. The third entry has the same
# name and prices the same calls again, without add-on: 90 s and 30 s at
# 1.00 are 1.50 and 0.50. 2:5020/3 matches no name. The histogram shows
# 90 busy seconds in half hour 20 (one block, 90 / 18 = 5) and 30 in half
# hour 24 (30 / 18 = 1).
args: LOG
in brantlow.cfg:
|Cost 2:5020/31 1.50#9.00 2.50#9.00 30
|Cost 2:5020/3 1.00#1.00 1.00#1.00 0
|Cost 2:5020/31 1.00#1.00 1.00#1.00 0
in LOG:
|15/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:00:10 2:5020/31, using T-Mail/2608.NT
|15/03 10:01:30 ■ 2:5020/31, bytes 500/0, time 0:01:30
|15/03 12:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 12:00:10 2:5020/31, using T-Mail/2608.NT
|15/03 12:00:30 ■ 2:5020/31, bytes 0/700, time 0:00:30
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make gistogram;
|[√] Calculate cost data;
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
|     │{ *48}
|     │{ *20}▓{ *3}▓{ *23}
<< histogram-axis.frag
<< list-head.frag
|║10:00:00-10:01:30│2:5020/31         │i│       500│         0│     0│      ║
|║12:00:00-12:00:30│2:5020/31         │o│         0│       700│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/31         │       500│       700│       0│  00:02:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │       500│       700│     0.0│  00:02:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< cost-head.frag
|║2:5020/31         │     3.00│     2.50│00:02:00│00:01:00║
|║2:5020/3          │     0.00│     0.00│00:00:00│00:00:00║
|║2:5020/31         │     1.50│     0.50│00:01:30│00:00:30║
|╚{═*18}╧{═*9}╧{═*9}╧{═*8}╧{═*8}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: costs are summed in single precision
# 31 s at 93573.74 a minute (stored as the float 93573.7421875): the float
# product with the factor 0.016666668 is 48346.4375, printed 48346.44 and
# wider than its field; exact arithmetic would give 48346.4332. A night
# from 23:00 to 23:00 is no night at all, so the call at 23:30:00 takes
# the day rate.
args: LOG -g
in brantlow.cfg:
|NightTime 23:00-23:00
|Cost 2:5020/41 93573.74#1.00 1.00#1.00 0
in LOG:
|15/03 23:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 23:30:10 2:5020/41, using T-Mail/2608.NT
|15/03 23:30:31 ■ 2:5020/41, bytes 10/20, time 0:00:31
exit: 0
out logdata.zvx:
<< list-head.frag
|║23:30:00-23:30:31│2:5020/41         │i│        10│        20│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/41         │        10│        20│       0│  00:00:31   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │        10│        20│     0.0│  00:00:31   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
<< cost-head.frag
|║2:5020/41         │  48346.44│     0.00│00:00:31│00:00:00║
|╚{═*18}╧{═*9}╧{═*9}╧{═*8}╧{═*8}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: an entry nobody called shows zeros, and the line marker follows
# Line 3 reads brantl3.cfg and writes logdat3.zvx; the cost report stands
# before the line marker.
args: LOG line3 -g
in brantl3.cfg:
|NightTime 22:00-07:00
|Cost 2:5020/99 1.00#2.00 3.00#4.00 10
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
out logdat3.zvx:
<< empty-list.frag
<< empty-summary.frag
<< cost-head.frag
|║2:5020/99         │     0.00│     0.00│00:00:00│00:00:00║
|╚{═*18}╧{═*9}╧{═*9}╧{═*8}╧{═*8}╝
|
|Line 3
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
