# The connect/mailer table: two lines per session, its start time and
# connect string, then its name and remote mailer, with a separator
# between sessions. +l puts it into the statistics file after the session
# list, +l(-s) into a file of its own under a title of the window, without
# a signature.

=== case: the connect table stands between the session list and the summary
# The second connect string is 33 characters long; the table shows its
# first 28. The start time is not padded: eight characters and ten blanks.
args: LOG -g +l
in LOG:
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 09:55:04 2:4527/63, using T-Mail/2608.NT
|15/03 09:55:04 Password protected session
|15/03 09:55:11 ■ 2:4527/63, bytes 863/214, time 0:00:19
|15/03 10:00:00 ■ Outgoing call: CONNECT 28800/ARQ/V34/LAPM/V42BIS/SREJ/XX
|15/03 10:00:05 2:5020/2, using Hydra/1.0
|15/03 10:01:00 ■ 2:5020/2, bytes 100/200, time 0:01:00
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Make CONNECT/mayler`s info;
|[√] Sort all data;
out logdata.zvx:
<< list-head.frag
|║09:54:52-09:55:11│2:4527/63         │i│       863│       214│     0│passw ║
|║10:00:00-10:01:00│2:5020/2          │o│       100│       200│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< connect-head.frag
|║09:54:52          │33600/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:4527/63         │T-Mail/2608.NT{ *34}║
|╟{─*18}┼{─*48}╢
|║10:00:00          │28800/ARQ/V34/LAPM/V42BIS/SR{ *20}║
|║2:5020/2          │Hydra/1.0{ *39}║
|╚{═*18}╧{═*48}╝
<< summary-head.frag
|║2:4527/63         │       863│       214│       0│  00:00:19   ║
|║2:5020/2          │       100│       200│       0│  00:01:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │       963│       414│     0.0│  00:01:19   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: with (-s) the connect table goes to conndata.zvx alone
args: LOG -g +l(-s)
in LOG:
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 09:55:04 2:4527/63, using T-Mail/2608.NT
|15/03 09:55:04 Password protected session
|15/03 09:55:11 ■ 2:4527/63, bytes 863/214, time 0:00:19
|15/03 10:00:00 ■ Outgoing call: CONNECT 28800/ARQ/V34/LAPM/V42BIS/SREJ/XX
|15/03 10:00:05 2:5020/2, using Hydra/1.0
|15/03 10:01:00 ■ 2:5020/2, bytes 100/200, time 0:01:00
exit: 0
out logdata.zvx:
<< list-head.frag
|║09:54:52-09:55:11│2:4527/63         │i│       863│       214│     0│passw ║
|║10:00:00-10:01:00│2:5020/2          │o│       100│       200│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:4527/63         │       863│       214│       0│  00:00:19   ║
|║2:5020/2          │       100│       200│       0│  00:01:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 2   cессий │       963│       414│     0.0│  00:01:19   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out conndata.zvx:
<< connect-title.frag
<< connect-head.frag
|║09:54:52          │33600/ARQ/V34/LAPM/V42BIS{ *23}║
|║2:4527/63         │T-Mail/2608.NT{ *34}║
|╟{─*18}┼{─*48}╢
|║10:00:00          │28800/ARQ/V34/LAPM/V42BIS/SR{ *20}║
|║2:5020/2          │Hydra/1.0{ *39}║
|╚{═*18}╧{═*48}╝

=== case: the connect file of line 3 is condat3.zvx and is made anew
# An old condat3.zvx is replaced; the statistics file gets its line marker.
args: LOG line3 -g +l(-s)
in condat3.zvx:
|an older table
|of an earlier run
in LOG:
|15/03 14:00:00 ■ Incoming call: CONNECT 31200/ARQ/V34
|15/03 14:00:08 2:5020/2026, using T-Mail/2608.NT
|15/03 14:00:40 ■ 2:5020/2026, bytes 4000/3000, time 0:00:40
exit: 0
out logdat3.zvx:
<< list-head.frag
|║14:00:00-14:00:40│2:5020/2026       │i│      4000│      3000│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/2026       │      4000│      3000│       0│  00:00:40   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │      4000│      3000│     0.0│  00:00:40   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Line 3
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out condat3.zvx:
<< connect-title.frag
<< connect-head.frag
|║14:00:00          │31200/ARQ/V34{ *35}║
|║2:5020/2026       │T-Mail/2608.NT{ *34}║
|╚{═*18}╧{═*48}╝

=== case: an empty window lists its one blank record
# The blank record has no start time: its first line pads the empty time
# to eight blanks, so it is as wide as its frame.
args: LOG -g +l
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
out logdata.zvx:
<< empty-list.frag
<< connect-head.frag
|║{ *18}│{ *48}║
|║{ *18}│{ *48}║
|╚{═*18}╧{═*48}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
