# Each range check stops the run with its message and the help screen,
# after the log has been opened.

=== case: a day out of range
args: LOG /d=32.01
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG                                                                 
|
|Error: Bad Day data 32 1
<< help.frag
console:
|\e

=== case: a day without its month
args: LOG /d=05
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG                                                                 
|
|Error: Bad Day data 5 0
<< help.frag

=== case: a start hour out of range
args: LOG /t=24:00-01:00
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG                                                                 
|
|Error: Bad Time 
<< help.frag

=== case: a negative crash-poll period
args: LOG /c=-10
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG                                                                 
|
|Error: Bad Crashpoll Time 
<< help.frag

=== case: a negative line number
args: LOG line-5
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG                                                                 
|
|Error: Bad Line number 
<< help.frag

=== case: a period of four digits is read as three
args: LOG /c=1200
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
|Crashpoll Time = 2min 0sec      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
<< empty-histogram.frag
<< empty-list-crash.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
