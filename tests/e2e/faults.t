# Files the run cannot create or fill: each is told once on standard
# output with its path, then the path again with the system's reason, and
# the run goes on to its end without it and ends with status 2.

=== case: a statistics file that cannot be created is told and the run ends with status 2
# A directory stands where the statistics file would go; no report of the
# statistics file can be written, and the failure is told only once.
args: LOG
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
dir logdata.zvx
exit: 2
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
|Error: Unable to create logdata.zvx
|  logdata.zvx: Is a directory
console:
|[√] Analyzing statistic data;
|[√] Make gistogram;
|[√] Make statistic file;
|[√] Sort all data;

=== case: a link planted at the statistics file's name is refused
# The report would be put in place of whatever the name holds: a link
# there is not followed, the file it names stays as it was, and the run
# says why it made no report.
args: LOG -g
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
in victim:
|a file of the victim's
link logdata.zvx -> victim
exit: 2
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
|Error: Unable to create logdata.zvx
|  logdata.zvx: Too many levels of symbolic links
out victim:
|a file of the victim's
out logdata.zvx:
|symbolic link to victim\e

=== case: a scratch file that cannot be created leaves the statistics whole
# The transfer scratch file cannot be made in the temporary directory; the
# statistics are made all the same, and its directory stays untouched.
args: LOG -g
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
dir zorvex.tmp
exit: 2
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|Error: Unable to create ./zorvex.tmp
|  ./zorvex.tmp: Is a directory
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a connect file that cannot be created does not stop the summary
args: LOG -g +l(-s)
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
dir conndata.zvx
exit: 2
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Analyze Connect data: 2 OutFile(s)
|
|                       Read log file:
|Error: Unable to create conndata.zvx
|  conndata.zvx: Is a directory
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a shred directory that cannot be made leaves the cut out but not the statistics
# Only one level is ever created: under a missing parent the cut directory
# cannot be made, so no line is cut; the statistics are made as usual. The
# cut asked for is missing: status 2.
args: LOG -g +F
in brantlow.cfg:
|ShredDir missing/cuts/
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 2
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Error: Bad ShredDir path
|  missing/cuts: No such file or directory
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a temporary directory that cannot be made falls back to the current one
# The scratch file is made in the current directory instead, and removed
# at the end as ever.
args: LOG -g
in brantlow.cfg:
|TmpDir missing/scratch
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Error: Bad TmpDir path
|  missing/scratch: No such file or directory
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a link planted at the lock file's name stops the run before it writes
# The lock file is never reached through a link: the file the link names
# is not created, and without --no-lock the run ends with its reason.
args: LOG
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
link brantlow.lck -> nologin
gone nologin
gone logdata.zvx
exit: 2
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|Error: Unable to lock this directory
|  brantlow.lck: Too many levels of symbolic links
out brantlow.lck:
|symbolic link to nologin\e
