# Process records: with a configuration file read, a line holding the
# default process pattern "▓│┤" opens an "Unknown process" record that the
# next line of the window closes. Without a configuration file the pattern
# means nothing.

=== case: the default process pattern opens a process record
# The line after the pattern closes the process; the current record is
# then the process record, so the recognisers pass that line over and the
# process keeps its name.
args: LOG -g
in brantlow.cfg:
|; nothing configured yet
in LOG:
|15/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:00:06 2:5020/1, using T-Mail/2608.NT
|15/03 10:00:30 ■ 2:5020/1, bytes 1/2, time 0:00:30
|15/03 10:10:00 Running ▓│┤ nightly
|15/03 10:12:00 2:5020/9, using X/1
|15/03 10:20:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 10:20:06 2:5020/2, using T-Mail/2608.NT
|15/03 10:20:30 ■ 2:5020/2, bytes 3/4, time 0:00:24
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
out logdata.zvx:
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║10:00:00-10:00:30│2:5020/1          │i│         1│         2│     0│      ║
|║10:10:00-10:12:00│Unknown process   │p│         0│         0│     0│      ║
|║10:20:00-10:20:30│2:5020/2          │o│         3│         4│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║Unknown process   │         0│         0│       0│  00:02:00   ║
|║2:5020/1          │         1│         2│       0│  00:00:30   ║
|║2:5020/2          │         3│         4│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │         4│         6│     0.0│  00:03:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: without a configuration file no process record is opened
# The same log: the pattern line changes nothing, and the address line at
# 10:12 reaches the first session, whose name it replaces.
args: LOG -g
in LOG:
|15/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 10:00:06 2:5020/1, using T-Mail/2608.NT
|15/03 10:00:30 ■ 2:5020/1, bytes 1/2, time 0:00:30
|15/03 10:10:00 Running ▓│┤ nightly
|15/03 10:12:00 2:5020/9, using X/1
|15/03 10:20:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 10:20:06 2:5020/2, using T-Mail/2608.NT
|15/03 10:20:30 ■ 2:5020/2, bytes 3/4, time 0:00:24
exit: 0
out logdata.zvx:
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║10:00:00-10:00:30│2:5020/9          │i│         1│         2│     0│      ║
|║10:20:00-10:20:30│2:5020/2          │o│         3│         4│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/2          │         3│         4│       0│  00:00:30   ║
|║2:5020/9          │         1│         2│       0│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │         4│         6│     0.0│  00:01:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
