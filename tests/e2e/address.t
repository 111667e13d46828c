# How the address and the byte counts reach a session record: the point
# suffix ".0", a second address line in one session, an address after a
# handshake failure, summary lines that do not carry the record's name, the
# single-digit received count, a received count of eleven digits, and
# totals past what single precision holds.

=== case: address copies and summary lines
# 2:9999/99.0 is stored as 2:9999/99, 2:9999/99.10 stays whole.
# 2:5020/1234 meets a summary line of 2:5020/123: it does not count, the
# session never ends: the next call closes it at its last line of its own,
# 10:20:08 (kind "?", 8 s, no bytes).
# The second address line of a session replaces the first one whole.
# An address after "Handshake failure" replaces that name; an address before
# it is kept; both end at the handshake failure line.
# "2:1, using" has its using phrase at column 19, too early to be seen: the
# record keeps an empty name, which no summary line matches.
# A received count of eleven digits widens its row, and the sent count
# after it is read as any other; the totals are the exact sums,
# 10000000000 + 1000 + 300 + 9 + 7 = 10000001316 received and
# 2000 + 400 + 12345 + 8 + 5 = 14758 sent.
args: LOG -g
in LOG:
|15/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:00:08 2:9999/99.0, using T-Mail/2608.NT
|15/03 10:00:40 ■ 2:9999/99, bytes 1000/2000, time 0:00:40
|15/03 10:10:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:10:08 2:9999/99.10, using T-Mail/2608.NT
|15/03 10:10:50 ■ 2:9999/99.10, bytes 300/400, time 0:00:50
|15/03 10:20:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:20:08 2:5020/1234, using T-Mail/2608.NT
|15/03 10:20:30 ■ 2:5020/123, bytes 555/666, time 0:00:22
|15/03 10:30:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 10:30:07 2:5020/1234, using T-Mail/2608.NT
|15/03 10:30:08 2:50/1, using Hydra
|15/03 10:30:40 ■ 2:50/1, bytes 7/8, time 0:00:33
|15/03 10:40:00 ■ Incoming call: CONNECT 2400/ARQ
|15/03 10:40:20 Handshake failure
|15/03 10:40:21 2:5020/9, using Mailer/1
|15/03 10:50:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:50:06 2:5020/8, using T-Mail/2608.NT
|15/03 10:50:30 Handshake failure
|15/03 10:55:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:55:06 2:1, using T-Mail
|15/03 10:55:40 ■ 2:1, bytes 1/1, time 0:00:40
|15/03 11:20:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:20:06 2:5020/6, using T-Mail/2608.NT
|15/03 11:20:40 ■ 2:5020/6, bytes 9/12345, time 0:00:40
|15/03 11:30:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:30:06 2:5020/7, using T-Mail/2608.NT
|15/03 11:40:00 ■ 2:5020/7, bytes 10000000000/5, time 0:10:00
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
|║10:00:00-10:00:40│2:9999/99         │i│      1000│      2000│     0│      ║
|║10:10:00-10:10:50│2:9999/99.10      │i│       300│       400│     0│      ║
|║10:20:00-10:20:08│2:5020/1234       │?│         0│         0│     0│      ║
|║10:30:00-10:30:40│2:50/1            │o│         7│         8│     0│      ║
|║10:40:00-10:40:20│2:5020/9          │i│         0│         0│     0│      ║
|║10:50:00-10:50:30│2:5020/8          │i│         0│         0│     0│      ║
|║10:55:00-10:55:00│                  │?│         0│         0│     0│      ║
|║11:20:00-11:20:40│2:5020/6          │i│         9│     12345│     0│      ║
|║11:30:00-11:40:00│2:5020/7          │i│10000000000│         5│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║{ *18}│         0│         0│       0│  00:00:00   ║
|║2:50/1            │         7│         8│       0│  00:00:40   ║
|║2:5020/6          │         9│     12345│       0│  00:00:40   ║
|║2:5020/7          │10000000000│         5│       0│  00:10:00   ║
|║2:5020/8          │         0│         0│       0│  00:00:30   ║
|║2:5020/9          │         0│         0│       0│  00:00:20   ║
|║2:5020/1234       │         0│         0│       0│  00:00:08   ║
|║2:9999/99.10      │       300│       400│       0│  00:00:50   ║
|║2:9999/99         │      1000│      2000│       0│  00:00:40   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 9   cессий │10000001316│     14758│     0.0│  00:13:48   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: two summary lines in one session add up
args: LOG -g
in LOG:
|15/03 16:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 16:00:06 2:5020/60, using T-Mail/2608.NT
|15/03 16:00:06 Password protected session
|15/03 16:01:00 ■ 2:5020/60, bytes 100/200, time 0:01:00
|15/03 16:02:00 ■ 2:5020/60, bytes 11/22, time 0:02:00
|15/03 16:30:00 Rescanning outbound, 0 files found
exit: 0
out logdata.zvx:
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║16:00:00-16:02:00│2:5020/60         │i│       111│       222│     0│passw ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/60         │       111│       222│       0│  00:02:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │       111│       222│     0.0│  00:02:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: byte counts past 2^24 and 2^32 add up exactly, and forged ones read as 0 and are told
# What the summary lines say, summed by hand: 2:5020/1 received
# 16777217 + 16777217 = 33554434 and sent 16777216 + 1 = 16777217;
# the day received 33554434 + 4294967297 = 4328521731 and sent
# 16777217 + 3 = 16777220. "1e39", "-5" and "1.5e3" are no byte counts:
# they read as 0, and the two lines that hold them are told.
args: LOG -g
in brantlow.cfg:
|; nothing configured yet
in LOG:
|15/03 01:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 01:00:06 2:5020/1, using T-Mail/2608.NT
|15/03 01:00:30 ■ 2:5020/1, bytes 16777217/16777216, time 0:00:30
|15/03 02:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 02:00:06 2:5020/2, using T-Mail/2608.NT
|15/03 02:00:30 ■ 2:5020/2, bytes 4294967297/3, time 0:00:30
|15/03 03:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 03:00:06 2:5020/1, using T-Mail/2608.NT
|15/03 03:00:30 ■ 2:5020/1, bytes 16777217/1, time 0:00:30
|15/03 04:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 04:00:06 2:5020/3, using T-Mail/2608.NT
|15/03 04:00:30 ■ 2:5020/3, bytes 1e39/0, time 0:00:30
|15/03 05:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 05:00:06 2:5020/4, using T-Mail/2608.NT
|15/03 05:00:30 ■ 2:5020/4, bytes -5/1.5e3, time 0:00:30
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
<< packing-infile.frag
|Warning: 2 lines of LOG hold malformed byte counts: read as 0
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< list-head.frag
|║01:00:00-01:00:30│2:5020/1          │i│  16777217│  16777216│     0│      ║
|║02:00:00-02:00:30│2:5020/2          │i│4294967297│         3│     0│      ║
|║03:00:00-03:00:30│2:5020/1          │i│  16777217│         1│     0│      ║
|║04:00:00-04:00:30│2:5020/3          │i│         0│         0│     0│      ║
|║05:00:00-05:00:30│2:5020/4          │i│         0│         0│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/1          │  33554434│  16777217│       0│  00:01:00   ║
|║2:5020/2          │4294967297│         3│       0│  00:00:30   ║
|║2:5020/3          │         0│         0│       0│  00:00:30   ║
|║2:5020/4          │         0│         0│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 5   cессий │4328521731│  16777220│     0.0│  00:02:30   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
