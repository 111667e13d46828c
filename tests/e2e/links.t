# Link health (+h, --links): per link the calls the station made and how
# each ended, its good sessions (those that reached their summary line)
# hour by hour, the last one and the longest time without one, and the
# configured links that stayed silent, in lnkdata.zvx.

=== case: dials that failed each way, a handshake failure and a silent link
# 2:463/68 is dialled twice: the first call connects and fails its
# handshake, the second gets NO CARRIER; it had no good session. The one
# call to 2:5020/1234 connects and ends well at 08:00, and it calls in at
# 08:15: two good sessions in hour 8 (▒); the longest time without one is
# from 08:15 to the window's end at 24:00, 945 minutes, 15:45. The three
# calls to 2:5020/777 end BUSY, NO DIAL TONE and NO ANSWER. 2:5030/77 is
# listed by Links and never heard from: silent, never, 24:00 without a
# session. Rows in address order: node 777 before node 1234.
date: 2026-03-16 12:00:00
args: LOG /d=15.03 -g +h
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
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< list-head.frag
|║02:00:29-02:00:55│Handshake failure │o│         0│         0│     0│      ║
|║08:00:30-08:01:30│2:5020/1234       │o│       100│       200│     0│      ║
|║08:15:00-08:16:00│2:5020/1234       │i│        10│        20│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Handshake failure │         0│         0│       0│  00:00:26   ║
|║2:5020/1234       │       110│       220│       0│  00:02:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │       110│       220│     0.0│  00:02:26   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out lnkdata.zvx:
|
|      Линки 15.03 00:00-23:59
|╔{═*18}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╤{═*6}╗
|║       Адрес      │Звонки│ Связь│NO CAR│  BUSY│NO ANS│NO TON│Рукоп.│  Сеть│ Вход.│Сессий║
|╟{─*18}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}┼{─*6}╢
|║2:463/68          │     2│     1│     1│     0│     0│     0│     1│     0│     0│     0║
|║2:5020/777        │     3│     0│     0│     1│     1│     1│     0│     0│     0│     0║
|║2:5020/1234       │     1│     1│     0│     0│     0│     0│     0│     0│     1│     2║
|║2:5030/77         │     0│     0│     0│     0│     0│     0│     0│     0│     0│     0║
|╚{═*18}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╧{═*6}╝
|╔{═*18}╤{═*24}╤{═*11}╤{═*7}╗
|║       Адрес      │0     6     12    18    │Посл.сессия│  Пауза║
|╟{─*18}┼{─*24}┼{─*11}┼{─*7}╢
|║2:463/68          │{ *24}│никогда    │  24:00║
|║2:5020/777        │{ *24}│никогда    │  24:00║
|║2:5020/1234       │{ *8}▒{ *15}│15.03 08:15│  15:45║
|║2:5030/77         │{ *24}│никогда    │  24:00║
|╚{═*18}╧{═*24}╧{═*11}╧{═*7}╝
|
|Молчащие линки:
|  2:5030/77          последняя сессия: никогда
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
