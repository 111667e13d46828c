# A value out of range, or one that cannot be read whole, stops the run
# before anything is printed or read: one line on standard error naming
# the argument and what is allowed, the pointer to --help, status 1.

=== case: a day out of range
args: LOG /d=32.01
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /d=32.01: the day is /d=auto, /d=DD.MM or /d=DD.MM.YYYY, a day 1 to 31 of a month 1 to 12
|brantlow --help lists the options

=== case: a day without its month
args: LOG /d=05
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /d=05: the day is /d=auto, /d=DD.MM or /d=DD.MM.YYYY, a day 1 to 31 of a month 1 to 12
|brantlow --help lists the options

=== case: a start hour out of range
args: LOG /t=24:00-01:00
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /t=24:00-01:00: the window is /t=auto or /t=HH:MM-HH:MM, hours 0 to 23 and minutes 0 to 59
|brantlow --help lists the options

=== case: a negative crash-poll period
args: LOG /c=-10
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /c=-10: the crash-poll period is /c=0 to /c=999 seconds
|brantlow --help lists the options

=== case: a negative line number
args: LOG line-5
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: line-5: the line number is line0 to line99
|brantlow --help lists the options

=== case: a period of four digits is refused
args: LOG /c=1200
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
exit: 1
stdout:
|\e
console:
|brantlow: /c=1200: the crash-poll period is /c=0 to /c=999 seconds
|brantlow --help lists the options
