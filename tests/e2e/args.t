# Strict arguments: every classic argument is of a known form with a
# value that reads whole and lies in range, or the run stops before
# anything is printed or read, with one line on standard error naming the
# argument and what is allowed, the pointer to --help, status 1; and "-"
# reads standard input whatever the configuration names.

=== case: a date without its equals sign
args: LOG /d15.03
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /d15.03: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a date in the form of a long option's short twin
args: LOG -d=15.03
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: -d=15.03: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a letter no command has
args: LOG /x
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /x: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a command no one defined
args: LOG +z
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: +z: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a command with letters after it
args: LOG +fx
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: +fx: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a long form without its closing parenthesis
args: LOG +l(-s
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: +l(-s: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a crash-poll period of four digits
args: LOG /c=1000
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /c=1000: the crash-poll period is /c=0 to /c=999 seconds
|brantlow --help lists the options

=== case: a crash-poll period that is not a number
args: LOG /c=abc
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /c=abc: the crash-poll period is /c=0 to /c=999 seconds
|brantlow --help lists the options

=== case: a crash-poll period left empty
args: LOG /c=
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /c=: the crash-poll period is /c=0 to /c=999 seconds
|brantlow --help lists the options

=== case: a line number of three digits
args: LOG line100
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: line100: the line number is line0 to line99
|brantlow --help lists the options

=== case: line without its number
args: LOG line
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: line: the line number is line0 to line99
|brantlow --help lists the options

=== case: a month out of range
args: LOG /d=15.13
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /d=15.13: the day is /d=auto, /d=DD.MM or /d=DD.MM.YYYY, a day 1 to 31 of a month 1 to 12
|brantlow --help lists the options

=== case: day 0
args: LOG /d=0.03
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /d=0.03: the day is /d=auto, /d=DD.MM or /d=DD.MM.YYYY, a day 1 to 31 of a month 1 to 12
|brantlow --help lists the options

=== case: a date with more after the month
args: LOG /d=15.031
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /d=15.031: the day is /d=auto, /d=DD.MM or /d=DD.MM.YYYY, a day 1 to 31 of a month 1 to 12
|brantlow --help lists the options

=== case: a window minute out of range
args: LOG /t=23:60-01:00
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /t=23:60-01:00: the window is /t=auto or /t=HH:MM-HH:MM, hours 0 to 23 and minutes 0 to 59
|brantlow --help lists the options

=== case: a window end out of range
args: LOG /t=22:00-24:00
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /t=22:00-24:00: the window is /t=auto or /t=HH:MM-HH:MM, hours 0 to 23 and minutes 0 to 59
|brantlow --help lists the options

=== case: a window without its minutes
args: LOG /t=23-08
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /t=23-08: the window is /t=auto or /t=HH:MM-HH:MM, hours 0 to 23 and minutes 0 to 59
|brantlow --help lists the options

=== case: standard input named after the log
args: LOG /d=15.03 -
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: -: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a log path after a command
# The log comes first: standing second it is no argument at all.
args: +l LOG
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: LOG: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a mistyped command in the log's place
# Not taken for a log named "+fx": such a log is written ./+fx.
args: +fx LOG
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: +fx: not an argument brantlow knows (the log path first, - for standard input; then /d=, /t=, /p=, /c=, lineN, +F, +f(-s), +l, +l(-s), +a, +a(-s), +b, +b(-s), +h, -g, /? and the -- options)
|brantlow --help lists the options

=== case: a log named like a line argument is a log
# "lines.log" holds no line number to read whole: it stands where the log
# goes, and its first pass reads line number 0 from it, as ever.
args: lines.log /d=15.03
in lines.log:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: lines.log{ *59}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: no log path while other arguments are given
# Only the configuration tells whether a first command leaves the run
# without a log: it is read first.
args: /d=15.03 +l
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
console:
|brantlow: /d=15.03: no log to read: the log path comes first, before the other arguments (or the configuration's LogFile names it)
|brantlow --help lists the options

=== case: a first command with LogFile configured
args: /c=125
in brantlow.cfg:
|LogFile LOG
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Crashpoll Time = 2min 5sec      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
<< empty-histogram.frag
<< empty-list-crash.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: standard input is read though LogFile names a log
# The configured log is not there: the run would fail on it.
args: - /d=15.03
in brantlow.cfg:
|LogFile GONE.LOG
in PIPED:
|15/03 09:53:39 Rescanning outbound, 12 files found
stdin PIPED
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: -{ *67}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a bad setting of the configuration points to --help
# The configuration's own values are checked after the log is opened, as
# before; without a terminal no help screen follows.
args: LOG
in brantlow.cfg:
|String /C=-5
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Error: Bad Crashpoll Time 
console:
|brantlow --help lists the options

=== case: a bad setting on a terminal shows the help screen
args: LOG
terminal: yes
in brantlow.cfg:
|String /C=-5
|PauseHelp no
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG{ *65}
|
|Error: Bad Crashpoll Time 
<< help.frag
console:
|\e

=== case: a UTF-8 log name is shown as it was typed
# Not taken for CP866 and converted once more on a UTF-8 console: 16
# bytes of name, padded to 68.
args: \xD0\xB6\xD1\x83\xD1\x80\xD0\xBD\xD0\xB0\xD0\xBB.log
locale: C.UTF-8
in журнал.log:
|14/03 09:53:39 Rescanning outbound, 12 files found
exit: 0
stdout (utf8):
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|
|Work without config?! As you want...
|InFile!!!: журнал.log{ *52}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
|Warning: no line of журнал.log lies inside the window 15.03 00:00-23:59
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
