# binkd's log, told by the shape of its lines: one session per binkp
# process, as a calling node writes it.

=== case: a call, a failed call and a session stopped before its done line
# 101 calls 2:5090/12 (two AKAs, a password): received 2,500,000 bytes at
# 833,332 CPS and sent 1,234 at 1,234 CPS, so its rate is (833332 + 1234)
# / 2 = 417283; the bytes are the done line's. Its "sent:" line is longer
# than one read. 102 never connects while 101 runs: a handshake failure,
# the address called as its connect text. 201 is stopped before its done
# line: its bytes are those of its whole files (cut.arc never arrived).
# The summary's totals rate is the mean over the addresses that have one:
# (417283 + 524288) / 2 = 470785.5.
args: LOG -g +l +a
in LOG (lf):
|  15 Mar 09:59:58 [100] BEGIN, binkd/1.1a-115/Linux -p binkd.cfg
|+ 15 Mar 10:00:00 [101] call to 2:5090/12@fidonet
|  15 Mar 10:00:00 [101] trying 192.0.2.12 [192.0.2.12]...
|  15 Mar 10:00:00 [101] connected
|+ 15 Mar 10:00:00 [101] outgoing session with 192.0.2.12:24554
|+ 15 Mar 10:00:01 [102] call to 2:5090/56@fidonet
|? 15 Mar 10:00:01 [102] connection to 2:5090/56@fidonet failed: Connection refused
|+ 15 Mar 10:00:01 [102] holding 2:5090/56@fidonet (2026/03/15 11:00:01)
|  15 Mar 10:00:01 [100] rc(102)=0
|- 15 Mar 10:00:01 [101] SYS Gorse Hill
|- 15 Mar 10:00:01 [101] VER binkd/1.1a-115/Linux binkp/1.1
|+ 15 Mar 10:00:01 [101] addr: 2:5090/12@fidonet
|+ 15 Mar 10:00:01 [101] addr: 2:5090/12.1@fidonet
|+ 15 Mar 10:00:01 [101] pwd protected session (MD5)
|- 15 Mar 10:00:02 [101] receiving big2.zip (2500000 byte(s), off 0)
|+ 15 Mar 10:00:05 [101] big2.zip -> /var/spool/ftn/inb/big2.zip
|+ 15 Mar 10:00:05 [101] rcvd: big2.zip (2500000, 833332.00 CPS, 2:5090/12@fidonet)
|+ 15 Mar 10:00:05 [101] sending /var/spool/ftn/outb/files/0000fe01.pkt as 0000fe01.pkt (1234)
|+ 15 Mar 10:00:06 [101] sent: /var/spool/ftn/outb/files/0000fe01.pkt (1234, 1234.00 CPS, 2:5090/12@fidonet)
|+ 15 Mar 10:00:06 [101] song.mp3 skipped by remote
|+ 15 Mar 10:00:06 [101] done (to 2:5090/12@fidonet, OK, S/R: 1/1 (1234/2500000 bytes))
|  15 Mar 10:00:06 [101] session closed, quitting...
|  15 Mar 10:00:06 [100] rc(101)=0
|+ 15 Mar 11:00:00 [201] incoming session with 192.0.2.78
|+ 15 Mar 11:00:01 [201] addr: 2:5090/78@fidonet
|- 15 Mar 11:00:01 [201] VER binkd/1.0.4/Win32 binkp/1.1
|+ 15 Mar 11:00:02 [201] rcvd: thistle.zip (1048576, 524288.00 CPS, 2:5090/78@fidonet)
|- 15 Mar 11:00:03 [201] receiving cut.arc (4000000 byte(s), off 0)
|! 15 Mar 11:00:09 [201] got signal #15.
|+ 16 Mar 00:10:00 [301] incoming session with 192.0.2.8
exit: 0
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Make files info;
|[√] Make CONNECT/mayler`s info;
|[√] Sort all data;
out logdata.zvx:
<< list-head.frag
|║10:00:00-10:00:06│2:5090/12         │o│   2500000│      1234│417283│passw ║
|║10:00:01-10:00:01│Handshake failure │o│         0│         0│     0│      ║
|║11:00:00-11:00:09│2:5090/78         │i│   1048576│         0│524288│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< files-head.frag
|║2:5090/12         │big2.zip{ *17}│0000fe01.pkt{ *13}║
|╟{─*18}┼{─*25}┼{─*25}╢
|║2:5090/78         │thistle.zip{ *14}│{ *25}║
|╚{═*18}╧{═*25}╧{═*25}╝
<< connect-head.frag
|║10:00:00          │192.0.2.12{ *38}║
|║2:5090/12         │binkd/1.1a-115/Linux binkp/1.1{ *18}║
|╟{─*18}┼{─*48}╢
|║10:00:01          │2:5090/56{ *39}║
|║Handshake failure │{ *48}║
|╟{─*18}┼{─*48}╢
|║11:00:00          │192.0.2.78{ *38}║
|║2:5090/78         │binkd/1.0.4/Win32 binkp/1.1{ *21}║
|╚{═*18}╧{═*48}╝
<< summary-head.frag
|║Handshake failure │         0│         0│       0│  00:00:00   ║
|║2:5090/12         │   2500000│      1234│  417283│  00:00:06   ║
|║2:5090/78         │   1048576│         0│  524288│  00:00:09   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 3   cессий │   3548576│      1234│470785.5│  00:00:15   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a LogType no dialect has is a bad setting
args: LOG
in brantlow.cfg:
|LogType qico
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1

=== case: packing reads a binkd log's own dates
# Today 15/03 and PackDay 2 give the cut-off 13/03: the 12 March lines go
# to the part 12031303.26 (named by their dates, as a T-Mail log's part),
# which the archiver adds to logpack.zip; the log keeps the 15 March lines.
args: LOG -g
in brantlow.cfg:
|PackDay 2
|@ZIP "zip -9"
in LOG (lf):
|+ 12 Mar 10:00:00 [7] incoming session with 192.0.2.5
|+ 12 Mar 10:00:01 [7] addr: 2:5090/34@fidonet
|+ 12 Mar 10:00:02 [7] done (from 2:5090/34@fidonet, OK, S/R: 0/0 (0/0 bytes))
|+ 15 Mar 09:00:00 [8] incoming session with 192.0.2.5
|+ 15 Mar 09:00:01 [8] addr: 2:5090/34@fidonet
|+ 15 Mar 09:00:04 [8] done (from 2:5090/34@fidonet, OK, S/R: 1/1 (100/200 bytes))
tool zip
path: /nonexistent
exit: 0
out LOG (lf):
|+ 15 Mar 09:00:00 [8] incoming session with 192.0.2.5
|+ 15 Mar 09:00:01 [8] addr: 2:5090/34@fidonet
|+ 15 Mar 09:00:04 [8] done (from 2:5090/34@fidonet, OK, S/R: 1/1 (100/200 bytes))
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./12031303.26
out logpack.zip (lf):
|member: ./12031303.26
|+ 12 Mar 10:00:00 [7] incoming session with 192.0.2.5
|+ 12 Mar 10:00:01 [7] addr: 2:5090/34@fidonet
|+ 12 Mar 10:00:02 [7] done (from 2:5090/34@fidonet, OK, S/R: 0/0 (0/0 bytes))
out logdata.zvx:
<< list-head.frag
|║09:00:00-09:00:04│2:5090/34         │i│       200│       100│     0│      ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:5090/34         │       200│       100│       0│  00:00:04   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │       200│       100│     0.0│  00:00:04   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
