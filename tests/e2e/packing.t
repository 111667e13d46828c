# Log packing: with a pack day of 2 to 30 the lines dated up to the cut-off
# (today less the pack day) go into a packed-part file DDMMddmm.YY in the
# pack directory, the archiver adds it to logpack.zip/.arj/.rar there, the
# part file is removed and the log keeps only the later lines, all before
# the log is opened for the analysis. Every case sets PATH so that no real
# archiver can be found; "tool" installs the stand-in, which records its
# arguments in archiver.txt and appends "member: PATH" and the member's
# bytes to the archive.
#
# Most cases cut only (+f(-s)): the cut file 00002359.000 then shows the
# lines of today that the analysis read, and the bar shows one cell per
# line read. A packing that fails lets the run go on and end with status 2.

=== case: lines up to the cut-off are archived and the analysis reads the rest
# Today 10/03 and pack day 7 give the cut-off 03/03. The log begins on
# 01/03, so the packed part is 01030303.26; the first line stands in it
# once. The 04/03 line and all after it stay in the log. The window 03.03
# lies before the log's first day, so the run would read it back from the
# archive; no unzip can be found to unpack it, which the run warns of, and
# it ends with status 2. The window then finds no session, since the 03/03
# session was packed away (which the run warns of too), and the bar shows
# a cell for each of the two lines left (102 bytes, cells of 2).
date: 2026-03-10 12:00:00
args: LOG /d=03.03
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|01/03 08:00:00 Rescanning outbound, 3 files found
|02/03 09:10:00 Rescanning outbound, 1 files found
|03/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|03/03 10:00:09 2:5020/123, using T-Mail/2608.NT
|03/03 10:00:40 ■ 2:5020/123, bytes 1000/2000, time 0:00:31
|04/03 08:00:00 Rescanning outbound, 0 files found
|10/03 11:00:00 Rescanning outbound, 2 files found
tool zip
path: /nonexistent
exit: 2
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 01/03 to 03/03 with ZIP.
|InFile!!!: LOG{ *65}
|Warning: ./logpack.zip: unzip not found to unpack it; the days it holds are not read
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
|Warning: no line of LOG lies inside the window 03.03 00:00-23:59
console:
|      {▒*50}{\b*50}{█*2}\r
|\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make gistogram;{\b*18}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
out LOG:
|04/03 08:00:00 Rescanning outbound, 0 files found
|10/03 11:00:00 Rescanning outbound, 2 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./01030303.26
out logpack.zip:
|member: ./01030303.26\n\e
|01/03 08:00:00 Rescanning outbound, 3 files found
|02/03 09:10:00 Rescanning outbound, 1 files found
|03/03 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|03/03 10:00:09 2:5020/123, using T-Mail/2608.NT
|03/03 10:00:40 ■ 2:5020/123, bytes 1000/2000, time 0:00:31
out logdata.zvx:
<< empty-histogram.frag
|
|           Статистика на 03.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║{ *8}-{ *8}│{ *18}│ │{ *9}0│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a cut-off in December is ended by the first January line
# Today 03/01 and pack day 5 reach back into December: the cut-off is
# 29/12, and 01/01 counts as after it. The year digits are those of the
# packed lines, last year's.
date: 2026-01-03 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 5
|@ZIP "zip -9"
in LOG:
|28/12 22:00:00 Rescanning outbound, 1 files found
|29/12 23:59:00 Rescanning outbound, 2 files found
|01/01 00:10:00 Rescanning outbound, 3 files found
|03/01 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Sat Jan  3 12:00:00 2026
|
|Packing log process...
|! Pack you log from 28/12 to 29/12 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|01/01 00:10:00 Rescanning outbound, 3 files found
|03/01 09:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./28122912.25
out logpack.zip:
|member: ./28122912.25\n\e
|28/12 22:00:00 Rescanning outbound, 1 files found
|29/12 23:59:00 Rescanning outbound, 2 files found
out 00002359.000:
|03/01 09:00:00 Rescanning outbound, 4 files found

=== case: a cut-off in January keeps packing the December lines before it
# Today 10/01 and pack day 5 give 05/01; the December lines count as
# before it and are packed with the 05/01 line, the 06/01 line ends the
# packing. Each year's lines make a part named with that year: December's
# reaches to 31/12 of last year.
date: 2026-01-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 5
|@ZIP "zip -9"
in LOG:
|30/12 08:00:00 Rescanning outbound, 1 files found
|31/12 23:00:00 Rescanning outbound, 2 files found
|05/01 23:59:59 Rescanning outbound, 3 files found
|06/01 00:00:00 Rescanning outbound, 4 files found
|10/01 09:00:00 Rescanning outbound, 5 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Sat Jan 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 30/12 to 05/01 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|06/01 00:00:00 Rescanning outbound, 4 files found
|10/01 09:00:00 Rescanning outbound, 5 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./30123112.25
|./05010501.26
out logpack.zip:
|member: ./30123112.25\n\e
|30/12 08:00:00 Rescanning outbound, 1 files found
|31/12 23:00:00 Rescanning outbound, 2 files found
|member: ./05010501.26\n\e
|05/01 23:59:59 Rescanning outbound, 3 files found
out 00002359.000:
|10/01 09:00:00 Rescanning outbound, 5 files found

=== case: thirty days before the second of March is the last of January
# February always has 28 days: 02/03 less 30 days is 31/01.
date: 2026-03-02 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 30
|@ZIP "zip -9"
in LOG:
|30/01 10:00:00 Rescanning outbound, 1 files found
|31/01 23:00:00 Rescanning outbound, 2 files found
|01/02 00:05:00 Rescanning outbound, 3 files found
|02/03 08:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Mon Mar  2 12:00:00 2026
|
|Packing log process...
|! Pack you log from 30/01 to 31/01 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|01/02 00:05:00 Rescanning outbound, 3 files found
|02/03 08:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./30013101.26
out logpack.zip:
|member: ./30013101.26\n\e
|30/01 10:00:00 Rescanning outbound, 1 files found
|31/01 23:00:00 Rescanning outbound, 2 files found
out 00002359.000:
|02/03 08:00:00 Rescanning outbound, 4 files found

=== case: a pack day equal to today's day reaches into the month before
# Today 07/03, pack day 7: the cut-off is 28/02, not a day 0 of March.
date: 2026-03-07 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|27/02 10:00:00 Rescanning outbound, 1 files found
|28/02 23:59:59 Rescanning outbound, 2 files found
|01/03 00:00:00 Rescanning outbound, 3 files found
|07/03 08:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Sat Mar  7 12:00:00 2026
|
|Packing log process...
|! Pack you log from 27/02 to 28/02 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|01/03 00:00:00 Rescanning outbound, 3 files found
|07/03 08:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./27022802.26
out logpack.zip:
|member: ./27022802.26\n\e
|27/02 10:00:00 Rescanning outbound, 1 files found
|28/02 23:59:59 Rescanning outbound, 2 files found
out 00002359.000:
|07/03 08:00:00 Rescanning outbound, 4 files found

=== case: a first line after the cut-off packs nothing even with older lines after it
# Only the first line decides: 05/03 is after 03/03, so the 01/03 line
# that follows is not looked at. No part file is made, the archiver is not
# run and the whole log is analysed (153 bytes, cells of 2).
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|05/03 08:00:00 Rescanning outbound, 1 files found
|01/03 08:00:00 Rescanning outbound, 2 files found
|10/03 09:00:00 Rescanning outbound, 3 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|Nothing to pack...
|
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*3}\e
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 3 files found

=== case: a second run on the same day packs nothing
# The log as the first run of the day left it begins on 04/03; the
# archive of that run stays as it is.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
in logpack.zip:
|member: ./02030303.26\n\e
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|Nothing to pack...
|
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: RAR found in the current directory gets its options and a .rar archive
# 03/03 23:59:59 is still on the cut-off day; 04/03 00:00:00 is after it.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@RAR "rar a -y"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool rar
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with RAR.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|rar
|a
|-y
|./logpack.rar
|./02030303.26
out logpack.rar:
|member: ./02030303.26\n\e
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: ARJ found through a relative PATH entry adds to the existing archive
# A directory named arj in the current directory is no program, and the
# first PATH entry does not exist: the program is bin/arj, and that is
# its argument 0. The archive already holds an earlier part.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ARJ "arj a -e"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
in logpack.arj:
|member: ./20022402.26\n\e
|20/02 10:00:00 Rescanning outbound, 9 files found
dir arj
tool bin/arj
path: /nonexistent:bin
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ARJ.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|bin/arj
|a
|-e
|./logpack.arj
|./02030303.26
out logpack.arj:
|member: ./20022402.26\n\e
|20/02 10:00:00 Rescanning outbound, 9 files found
|member: ./02030303.26\n\e
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: runs of blanks separate option words and a fourth option is dropped
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip   -m    -9  -q   -r"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|zip
|-m
|-9
|-q
|./logpack.zip
|./02030303.26
out logpack.zip:
|member: ./02030303.26\n\e
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: an archiver that fails leaves the log as it was and both part files
# The stand-in exits with status 1 before it touches the archive. The log
# is byte for byte the old one and is analysed whole (204 bytes, cells of
# 4); the packed part stays behind, the kept part (written beside the
# log) is removed.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -fail"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 2
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ZIP.
|Packer failed, log not packed
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*4}\e
out archiver.txt (lf):
|zip
|-fail
|./logpack.zip
|./02030303.26
out 02030303.26:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
gone newlog.tmp
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: an archiver killed by a signal counts as failed
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -kill"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 2
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ZIP.
|Packer failed, log not packed
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*4}\e
out archiver.txt (lf):
|zip
|-kill
|./logpack.zip
|./02030303.26
out 02030303.26:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
gone newlog.tmp
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: a packer that cannot be found leaves the log and both part files
# The zip in the current directory is not executable, bin/zip is a
# directory and /nonexistent does not exist: nothing counts as the program.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
in zip:
|not a program
dir bin
dir bin/zip
path: bin:/nonexistent
exit: 2
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ZIP.
|Packer not found
|  zip: not found in ., bin, /nonexistent
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*4}\e
out 02030303.26:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
gone newlog.tmp
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: an empty packer command finds nothing
# A zip stands ready in the current directory, but no name is given.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP ""
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 2
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ZIP.
|Packer not found
|  the packer command names no program
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*4}\e
out 02030303.26:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
gone newlog.tmp
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: a packer command that begins with a blank has no program name
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP " zip -9"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 2
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ZIP.
|Packer not found
|  the packer command names no program
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*4}\e
out 02030303.26:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
gone newlog.tmp
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: pack day 1 does not pack
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 1
|@ZIP "zip -9"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*4}\e
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: pack day 31 does not pack
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 31
|@ZIP "zip -9"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*4}\e
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: a pack directory that does not exist is created for part and archive
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackLog arc
|PackDay 7
|@ZIP "zip -9"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|zip
|-9
|arc/logpack.zip
|arc/02030303.26
out arc/logpack.zip:
|member: arc/02030303.26\n\e
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 23:59:59 Rescanning outbound, 2 files found
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: short lines before the first dated line go into the packed part
# An empty line and a line of one character are passed over for the
# decision and stand in the packed part ahead of the 01/03 line, which
# names it.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|
|x
|01/03 08:00:00 Rescanning outbound, 1 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 01/03 to 03/03 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./01030303.26
out logpack.zip:
|member: ./01030303.26\n\e
|
|x
|01/03 08:00:00 Rescanning outbound, 1 files found
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: lines without a date go where the line before them went
# Neither the indented line nor "04/03-09:00" (no blank at column 5) ends
# the packed part; the 02/03 line after them is still packed. The 04/03
# line switches to the kept part once and for all: the rule line and even
# the 03/03 line after it stay in the log (178 bytes, cells of 2).
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|01/03 08:00:00 Rescanning outbound, 1 files found
|   continued without a date
|04/03-09:00 no blank after the date
|02/03 08:00:00 Rescanning outbound, 2 files found
|04/03 08:00:00 Rescanning outbound, 3 files found
|----- a rule line -----
|03/03 23:00:00 Rescanning outbound, 4 files found
|10/03 09:00:00 Rescanning outbound, 5 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 01/03 to 03/03 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*4}\e
out LOG:
|04/03 08:00:00 Rescanning outbound, 3 files found
|----- a rule line -----
|03/03 23:00:00 Rescanning outbound, 4 files found
|10/03 09:00:00 Rescanning outbound, 5 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./01030303.26
out logpack.zip:
|member: ./01030303.26\n\e
|01/03 08:00:00 Rescanning outbound, 1 files found
|   continued without a date
|04/03-09:00 no blank after the date
|02/03 08:00:00 Rescanning outbound, 2 files found
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 5 files found

=== case: the rest of a long packed line stays with its line
# The 03/03 line is 130 characters long; its characters from column 94
# on read like a 04/03 line but are the same line, which stays whole in
# the packed part.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 10:00:00 Long line {.*69}04/03 09:00:00 rest of the same line
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 02/03 to 03/03 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./02030303.26
out logpack.zip:
|member: ./02030303.26\n\e
|02/03 08:00:00 Rescanning outbound, 1 files found
|03/03 10:00:00 Long line {.*69}04/03 09:00:00 rest of the same line
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: an undated first line is packed and names the part as it stands
# Day and month of "**T-Mail/NT log" read as 0, so it is packed. Its
# columns 0, 1, 3 and 4 are "*", "*", "-" and "M"; a "*" cannot stand in
# a file name and becomes "_". The from-date is its first five characters.
date: 2026-03-10 12:00:00
args: LOG +f(-s)
terminal: yes
in brantlow.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|**T-Mail/NT log started
|02/03 08:00:00 Rescanning outbound, 1 files found
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from **T-M to 03/03 with ZIP.
<< packing-infile.frag
console:
|      {▒*50}{\b*50}{█*2}\e
out LOG:
|04/03 00:00:00 Rescanning outbound, 3 files found
|10/03 09:00:00 Rescanning outbound, 4 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./__-M0303.26
out logpack.zip:
|member: ./__-M0303.26\n\e
|**T-Mail/NT log started
|02/03 08:00:00 Rescanning outbound, 1 files found
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 4 files found

=== case: a log over a year packs every old line, a part per year, named with line and year
# Today 10/03/2026, pack day 7: the cut-off is 03/03/2026. The months turn
# back from 09 to 01, so 15/02 and 20/09 are of 2025 and all older than the
# cut-off; 10/01 and 02/03 are of 2026. Each year's part is named with its
# year and line 2; the archive already holds an entry of the 2026 part's
# name, so that part takes the suffix ~1 and the entry stays as it was.
date: 2026-03-10 12:00:00
args: LOG line2 +f(-s)
in brantl2.cfg:
|PackDay 7
|@ZIP "zip -9"
in LOG:
|15/02 10:00:00 Rescanning outbound, 1 files found
|20/09 10:00:00 Rescanning outbound, 2 files found
|10/01 10:00:00 Rescanning outbound, 3 files found
|02/03 10:00:00 Rescanning outbound, 4 files found
|05/03 10:00:00 Rescanning outbound, 5 files found
|10/03 09:00:00 Rescanning outbound, 6 files found
in logpack.zip:
|member: ./10010303-2.26\n\e
|an older part\n\e
tool zip
path: /nonexistent
exit: 0
stdout:
<< banner.frag
|Tue Mar 10 12:00:00 2026
|
|Packing log process...
|! Pack you log from 15/02 to 03/03 with ZIP.
|InFile!!!: LOG{ *65}
|
|For Line 2:
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
out LOG:
|05/03 10:00:00 Rescanning outbound, 5 files found
|10/03 09:00:00 Rescanning outbound, 6 files found
out archiver.txt (lf):
|zip
|-9
|./logpack.zip
|./15023112-2.25
|./10010303-2~1.26
out logpack.zip:
|member: ./10010303-2.26\n\e
|an older part\n\e
|member: ./15023112-2.25\n\e
|15/02 10:00:00 Rescanning outbound, 1 files found
|20/09 10:00:00 Rescanning outbound, 2 files found
|member: ./10010303-2~1.26\n\e
|10/01 10:00:00 Rescanning outbound, 3 files found
|02/03 10:00:00 Rescanning outbound, 4 files found
gone 15023112-2.25
gone 10010303-2~1.26
out 00002359.000:
|10/03 09:00:00 Rescanning outbound, 6 files found
