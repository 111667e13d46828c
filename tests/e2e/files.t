# The files table: per address, the names of the files received (middle
# column) and sent (right column), one name per cell, in the order of the
# transfer lines; a rule between the addresses. +a puts it into the
# statistics file after the session list, +a(-s) into a file of its own
# under a title of the window.

=== case: two calls of one address form one group
# 2:5020/5 called twice: three received names and one sent name, three
# rows. 2:5020/7 sent one file only. Rates: (1000 + 2000 + 500) / 3 =
# 1166.67 for the first call; the summary folds it with 300 into 733.33,
# and the totals line shows (733.33 + 100) / 2 = 416.7.
args: LOG -g +a
in LOG:
|15/03 09:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:00:08 2:5020/5, using T-Mail/2608.NT
|15/03 09:00:10 HR-16 First.PKT 1000 OK: 0:01, 1000 cps
|15/03 09:00:12 HR-16 second.zip 2000 OK: 0:01, 2000 cps
|15/03 09:00:14 HS-16 out.arc 500 OK: 0:01, 500 cps
|15/03 09:00:20 ■ 2:5020/5, bytes 3000/500, time 0:00:20
|15/03 10:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 10:00:08 2:5020/7, using Hydra/1.0
|15/03 10:00:10 HS-16 note.txt 100 OK: 0:01, 100 cps
|15/03 10:00:30 ■ 2:5020/7, bytes 0/100, time 0:00:30
|15/03 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:00:08 2:5020/5, using T-Mail/2608.NT
|15/03 11:00:10 HR-16 third.txt 300 OK: 0:01, 300 cps
|15/03 11:00:40 ■ 2:5020/5, bytes 300/0, time 0:00:40
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Make files info;
|[√] Sort all data;
out logdata.zvx:
<< list-head.frag
|║09:00:00-09:00:20│2:5020/5          │i│      3000│       500│  1167│      ║
|║10:00:00-10:00:30│2:5020/7          │o│         0│       100│   100│      ║
|║11:00:00-11:00:40│2:5020/5          │i│       300│         0│   300│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< files-head.frag
|║2:5020/5          │First.PKT{ *16}│out.arc{ *18}║
|║{ *18}│second.zip{ *15}│{ *25}║
|║{ *18}│third.txt{ *16}│{ *25}║
|╟{─*18}┼{─*25}┼{─*25}╢
|║2:5020/7          │{ *25}│note.txt{ *17}║
|╚{═*18}╧{═*25}╧{═*25}╝
<< summary-head.frag
|║2:5020/5          │      3300│       500│     733│  00:01:00   ║
|║2:5020/7          │         0│       100│     100│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │      3300│       600│   416.7│  00:01:30   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the files table comes before the connect table
args: LOG -g +l +a
in LOG:
|15/03 09:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:00:08 2:5020/5, using T-Mail/2608.NT
|15/03 09:00:10 HR-16 First.PKT 1000 OK: 0:01, 1000 cps
|15/03 09:00:12 HR-16 second.zip 2000 OK: 0:01, 2000 cps
|15/03 09:00:14 HS-16 out.arc 500 OK: 0:01, 500 cps
|15/03 09:00:20 ■ 2:5020/5, bytes 3000/500, time 0:00:20
|15/03 10:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 10:00:08 2:5020/7, using Hydra/1.0
|15/03 10:00:10 HS-16 note.txt 100 OK: 0:01, 100 cps
|15/03 10:00:30 ■ 2:5020/7, bytes 0/100, time 0:00:30
|15/03 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:00:08 2:5020/5, using T-Mail/2608.NT
|15/03 11:00:10 HR-16 third.txt 300 OK: 0:01, 300 cps
|15/03 11:00:40 ■ 2:5020/5, bytes 300/0, time 0:00:40
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Make files info;
|[√] Make CONNECT/mayler`s info;
|[√] Sort all data;
out logdata.zvx:
<< list-head.frag
|║09:00:00-09:00:20│2:5020/5          │i│      3000│       500│  1167│      ║
|║10:00:00-10:00:30│2:5020/7          │o│         0│       100│   100│      ║
|║11:00:00-11:00:40│2:5020/5          │i│       300│         0│   300│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< files-head.frag
|║2:5020/5          │First.PKT{ *16}│out.arc{ *18}║
|║{ *18}│second.zip{ *15}│{ *25}║
|║{ *18}│third.txt{ *16}│{ *25}║
|╟{─*18}┼{─*25}┼{─*25}╢
|║2:5020/7          │{ *25}│note.txt{ *17}║
|╚{═*18}╧{═*25}╧{═*25}╝
<< connect-head.frag
|║09:00:00          │33600/ARQ/V34{ *35}║
|║2:5020/5          │T-Mail/2608.NT{ *34}║
|╟{─*18}┼{─*48}╢
|║10:00:00          │33600/ARQ/V34{ *35}║
|║2:5020/7          │Hydra/1.0{ *39}║
|╟{─*18}┼{─*48}╢
|║11:00:00          │33600/ARQ/V34{ *35}║
|║2:5020/5          │T-Mail/2608.NT{ *34}║
|╚{═*18}╧{═*48}╝
<< summary-head.frag
|║2:5020/5          │      3300│       500│     733│  00:01:00   ║
|║2:5020/7          │         0│       100│     100│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │      3300│       600│   416.7│  00:01:30   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: FilesEcho NO leaves out echo mail but not an archive
# .MO1, .TIC, .PKH (tested in capitals, logged in small letters) and .PKT
# are echo mail; fresh.zip and reply.txt stay. Rates: 4000 / 6 = 666.67.
args: LOG -g +a
in brantlow.cfg:
|FilesEcho NO
in LOG:
|15/03 09:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:00:08 2:5020/5, using T-Mail/2608.NT
|15/03 09:00:10 HR-16 0001FFFF.MO1 1000 OK: 0:01, 1000 cps
|15/03 09:00:12 HR-16 NODELIST.TIC 100 OK: 0:01, 100 cps
|15/03 09:00:14 HR-16 fresh.zip 2000 OK: 0:01, 2000 cps
|15/03 09:00:16 HR-16 0000abcd.pkh 300 OK: 0:01, 300 cps
|15/03 09:00:18 HS-16 00AA00BB.PKT 400 OK: 0:01, 400 cps
|15/03 09:00:20 HS-16 reply.txt 200 OK: 0:01, 200 cps
|15/03 09:00:30 ■ 2:5020/5, bytes 3400/600, time 0:00:30
exit: 0
out logdata.zvx:
<< list-head.frag
|║09:00:00-09:00:30│2:5020/5          │i│      3400│       600│   667│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< files-head.frag
|║2:5020/5          │fresh.zip{ *16}│reply.txt{ *16}║
|╚{═*18}╧{═*25}╧{═*25}╝
<< summary-head.frag
|║2:5020/5          │      3400│       600│     667│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │      3400│       600│   666.7│  00:00:30   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: without FilesEcho every name is listed, in filedata.zvx
# Four received and two sent names: four rows, the last two with an empty
# sent cell. The statistics file keeps no files table.
args: LOG -g +a(-s)
in LOG:
|15/03 09:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:00:08 2:5020/5, using T-Mail/2608.NT
|15/03 09:00:10 HR-16 0001FFFF.MO1 1000 OK: 0:01, 1000 cps
|15/03 09:00:12 HR-16 NODELIST.TIC 100 OK: 0:01, 100 cps
|15/03 09:00:14 HR-16 fresh.zip 2000 OK: 0:01, 2000 cps
|15/03 09:00:16 HR-16 0000abcd.pkh 300 OK: 0:01, 300 cps
|15/03 09:00:18 HS-16 00AA00BB.PKT 400 OK: 0:01, 400 cps
|15/03 09:00:20 HS-16 reply.txt 200 OK: 0:01, 200 cps
|15/03 09:00:30 ■ 2:5020/5, bytes 3400/600, time 0:00:30
exit: 0
out logdata.zvx:
<< list-head.frag
|║09:00:00-09:00:30│2:5020/5          │i│      3400│       600│   667│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/5          │      3400│       600│     667│  00:00:30   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │      3400│       600│   666.7│  00:00:30   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out filedata.zvx:
<< files-title.frag
<< files-head.frag
|║2:5020/5          │0001FFFF.MO1{ *13}│00AA00BB.PKT{ *13}║
|║{ *18}│NODELIST.TIC{ *13}│reply.txt{ *16}║
|║{ *18}│fresh.zip{ *16}│{ *25}║
|║{ *18}│0000abcd.pkh{ *13}│{ *25}║
|╚{═*18}╧{═*25}╧{═*25}╝

=== case: FilesNoScan hides names, and a group with nothing left prints nothing
# *.ZIP leaves out file.zip, BIG.ZIP and Fresh.Zip; the listed names keep
# the case of the log. 2:5020/6 and 2:5020/8 have nothing left: no rows
# and no rule of their own, so the rule after 2:5020/7 stands right above
# the bottom border. A name of 31 characters shows its first 25.
args: LOG -g +a(-s)
in brantlow.cfg:
|FilesNoScan *.ZIP
in LOG:
|15/03 09:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 09:00:08 2:5020/5, using T-Mail/2608.NT
|15/03 09:00:10 HR-16 file.zip 100 OK: 0:01, 100 cps
|15/03 09:00:12 HR-16 ReadMe.Txt 200 OK: 0:01, 200 cps
|15/03 09:00:14 HS-16 Very_Long_Archive_Name_2026.lzh 300 OK: 0:01, 300 cps
|15/03 09:00:30 ■ 2:5020/5, bytes 300/300, time 0:00:30
|15/03 10:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 10:00:08 2:5020/6, using T-Mail/2608.NT
|15/03 10:00:10 HS-16 BIG.ZIP 5000 OK: 0:05, 1000 cps
|15/03 10:00:20 ■ 2:5020/6, bytes 0/5000, time 0:00:20
|15/03 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/03 11:00:08 2:5020/7, using T-Mail/2608.NT
|15/03 11:00:10 HR-16 nodediff.a06 4000 OK: 0:02, 2000 cps
|15/03 11:00:40 ■ 2:5020/7, bytes 4000/0, time 0:00:40
|15/03 12:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 12:00:08 2:5020/8, using T-Mail/2608.NT
|15/03 12:00:10 HR-16 Fresh.Zip 600 OK: 0:01, 600 cps
|15/03 12:00:50 ■ 2:5020/8, bytes 600/0, time 0:00:50
exit: 0
out logdata.zvx:
<< list-head.frag
|║09:00:00-09:00:30│2:5020/5          │i│       300│       300│   200│      ║
|║10:00:00-10:00:20│2:5020/6          │o│         0│      5000│  1000│      ║
|║11:00:00-11:00:40│2:5020/7          │i│      4000│         0│  2000│      ║
|║12:00:00-12:00:50│2:5020/8          │o│       600│         0│   600│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/5          │       300│       300│     200│  00:00:30   ║
|║2:5020/6          │         0│      5000│    1000│  00:00:20   ║
|║2:5020/7          │      4000│         0│    2000│  00:00:40   ║
|║2:5020/8          │       600│         0│     600│  00:00:50   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 4   cессий │      4900│      5300│   950.0│  00:02:20   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out filedata.zvx:
<< files-title.frag
<< files-head.frag
|║2:5020/5          │ReadMe.Txt{ *15}│Very_Long_Archive_Name_20║
|╟{─*18}┼{─*25}┼{─*25}╢
|║2:5020/7          │nodediff.a06{ *13}│{ *25}║
|╟{─*18}┼{─*25}┼{─*25}╢
|╚{═*18}╧{═*25}╧{═*25}╝

=== case: the files table of line 3 is filedt3.zvx and is made anew
# One received and three sent names: the received cell is empty in rows
# two and three. An old filedt3.zvx is replaced.
args: LOG line3 -g +a(-s)
in filedt3.zvx:
|a table of an earlier run
in LOG:
|15/03 16:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|15/03 16:00:08 2:5020/9, using T-Mail/2608.NT
|15/03 16:00:10 HS-16 a.txt 100 OK: 0:01, 100 cps
|15/03 16:00:12 HR-16 b.txt 200 OK: 0:01, 200 cps
|15/03 16:00:14 HS-16 c.txt 300 OK: 0:01, 300 cps
|15/03 16:00:16 HS-16 d.txt 400 OK: 0:01, 400 cps
|15/03 16:00:20 ■ 2:5020/9, bytes 200/800, time 0:00:20
exit: 0
out logdat3.zvx:
<< list-head.frag
|║16:00:00-16:00:20│2:5020/9          │o│       200│       800│   250│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5020/9          │       200│       800│     250│  00:00:20   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │       200│       800│   250.0│  00:00:20   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Line 3
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out filedt3.zvx:
<< files-title.frag
<< files-head.frag
|║2:5020/9          │b.txt{ *20}│a.txt{ *20}║
|║{ *18}│{ *25}│c.txt{ *20}║
|║{ *18}│{ *25}│d.txt{ *20}║
|╚{═*18}╧{═*25}╧{═*25}╝

=== case: a window without transfers gives an empty files table
args: LOG -g +a
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
out logdata.zvx:
<< empty-list.frag
<< files-head.frag
|╚{═*18}╧{═*25}╧{═*25}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
