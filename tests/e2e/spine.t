# The run's frame: banner, configuration lookup, log opening, settings
# summary, progress bar, report step lines, signatures and exit statuses.

=== case: help from any position ends the run before anything is read
args: LOG +l /?
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
<< help.frag
console:
|\e

=== case: no argument and no configuration cannot open the log
# The log path keeps its start value, the current directory. Without a
# terminal the help screen gives way to the pointer to --help.
args:
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|Error: Unable to open InFile 
|  ./: Is a directory
console:
|brantlow --help lists the options

=== case: a missing log fails after every attempt
# The reason names the log; no help screen follows a path that was given.
args: T-MAIL.LOG
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|Error: Unable to open InFile 
|  T-MAIL.LOG: No such file or directory
console:
|\e

=== case: multi-line run with crash-poll period and both separate files
# 4 lines of 50 characters and CR LF: 208 bytes, cells of 4 bytes, one
# cell filled after each read.
args: LOG line7 /c=125 +l(-s) +a(-s)
terminal: yes
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
|15/03 09:54:01 Dialing 2:5020/123 via modem line 1
|15/03 09:54:40 NO CARRIER, next attempt in 60 sec.
|15/03 09:55:02 Rescanning outbound, 10 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG                                                                 
|
|For Line 7:
|Crashpoll Time = 2min 5sec      Analyze Connect & Files data: 3 OutFile(s)
|
|                       Read log file:
console:
|      {▒*50}{\b*50}{█*4}\r
|\r
|[ ] Search crash;{\b*16}√\r
|[ ] Make gistogram;{\b*18}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Make files info;{\b*19}√\r
|[ ] Make CONNECT/mayler`s info;{\b*30}√\r
|[ ] Sort all data;{\b*17}√\r
out logdat7.zvx:
<< empty-histogram.frag
<< empty-list-crash.frag
<< empty-summary.frag
|
|Line 7
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out condat7.zvx:
<< connect-title.frag
<< empty-connect.frag
out filedt7.zvx:
<< files-title.frag
<< empty-files.frag

=== case: a configuration file that exists is not missed
args: LOG -g +l
in brantlow.cfg:
|; nothing configured yet
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG                                                                 
|
|Don`t analyze crashpolers      Analyze Connect data: 1 OutFile(s)
|
|                       Read log file:
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Make CONNECT/mayler`s info;
|[√] Sort all data;
out logdata.zvx:
<< empty-list.frag
<< empty-connect.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the numbered configuration file belongs to its line
args: LOG line3 +a
in brantlow.cfg:
|; for line 0 only
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG                                                                 
|
|For Line 3:
|Don`t analyze crashpolers      Analyze Files data: 1 OutFile(s)
|
|                       Read log file:
out logdat3.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-files.frag
<< empty-summary.frag
|
|Line 3
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: cut only makes no statistics but the BBS-user file is signed
# The whole day is the window: the cut file is 00002359.000.
args: LOG +f(-s) +b line2
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
console:
|\e
out 00002359.000:
|15/03 09:53:39 Rescanning outbound, 12 files found
out maxdat2.zvx:
|
|Line 2
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026!!!!
|BBS & 2:5020/2026

=== case: an empty log shows the bar without cells
args: LOG +b(-s)
terminal: yes
in LOG:
|\e
exit: 0
console:
|      {▒*50}{\b*50}\r
|\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make gistogram;{\b*18}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
out maxdata.zvx:
<< empty-bbs-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026!!!!
|BBS & 2:5020/2026
