# How the program speaks to its user beside the reports: the GNU options,
# errors that name the file and the reason, the warnings after a run whose
# log cannot give what was asked, and the console with and without a
# terminal, in a UTF-8 and in the C locale.

=== case: --help prints the usage summary and reads nothing
# Not even the banner: the summary alone, on standard output, status 0,
# and no file is made.
args: --help LOG
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< usage.frag
console:
|\e

=== case: -h is --help wherever it stands
args: LOG +l -h
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< usage.frag
console:
|\e

=== case: --version prints the name and the version
args: --version
exit: 0
stdout:
|brantlow 1.0
console:
|\e

=== case: an unknown option ends the run before anything is read
# Told on standard error, before --help is looked at; the log is not
# opened and nothing is written.
args: LOG --cvs --help
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 2
stdout:
|\e
console:
|brantlow: unknown option --cvs (brantlow --help lists the options)

=== case: a configuration file that cannot be read is told and the run goes on without it
# A directory stands where the configuration file would be: the start
# values are used, as for a missing file.
args: LOG -g
dir brantlow.cfg
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Error: Unable to read brantlow.cfg: Is a directory
|Work without config?! As you want...
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a log of random bytes is not a T-Mail log
# The first bytes of a gzip file and a line of text: no line begins with
# a day, a month and a time. The empty report is written all the same.
args: LOG -g
in brantlow.cfg:
|; nothing configured yet
in LOG:
|\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03\xED\x9D
|not a log at all
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
<< packing-infile.frag
|Warning: no line of LOG looks like a T-Mail log line
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a log converted to UTF-8 is told
# "Сеанс" written in UTF-8: two bytes a letter, D0 or D1 and one more.
args: LOG -g
in brantlow.cfg:
|; nothing configured yet
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
|15/03 09:54:01 \xD0\xA1\xD0\xB5\xD0\xB0\xD0\xBD\xD1\x81 2:5020/123
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
<< packing-infile.frag
|Warning: LOG is UTF-8 encoded: read as CP866 text
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a day that is not in the log is told with the window
args: LOG -g /d=14.03
in brantlow.cfg:
|; nothing configured yet
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
<< packing-infile.frag
|Warning: no line of LOG lies inside the window 14.03 00:00-23:59
console:
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
|
|           Статистика на 14.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║{ *8}-{ *8}│{ *18}│ │{ *9}0│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a window across midnight is told with both its days
# The noon line of 15/03 lies after the window's morning; cutting only,
# the cut file stays empty.
args: LOG +f(-s) /d=14.03 /t=23:00-08:00
in brantlow.cfg:
|; nothing configured yet
in LOG:
|15/03 12:00:00 Rescanning outbound, 12 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
<< packing-infile.frag
|Warning: no line of LOG lies inside the window 14.03 23:00-15.03 08:00
console:
|\e
out 23000800.000:
|\e

=== case: on a terminal in a UTF-8 locale the bar and the step lines are converted
# The bar and the ticks as ever, each CP866 character sent as UTF-8; one
# read of a 52-byte log fills one cell.
args: LOG -g
locale: C.UTF-8
terminal: yes
in brantlow.cfg:
|; nothing configured yet
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout (utf8):
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
<< packing-infile.frag
console (utf8):
|      {▒*50}{\b*50}█\r
|\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: without a terminal in a UTF-8 locale the finished step lines are UTF-8 too
# As cron mails them. The report files stay CP866.
args: LOG -g
locale: C.UTF-8
in brantlow.cfg:
|; nothing configured yet
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
console (utf8):
|[√] Analyzing statistic data;
|[√] Make statistic file;
|[√] Sort all data;
out logdata.zvx:
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: standard output in a UTF-8 locale is UTF-8 in a file too
# The Russian help screen of /?, written to a file; with no terminal to
# read a key from, it does not wait.
args: /?
locale: C.UTF-8
exit: 1
stdout (utf8):
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
<< help.frag
console:
|\e
