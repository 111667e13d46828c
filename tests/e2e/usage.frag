# The English usage summary of --help and -h.
|Usage: brantlow [LOG] [/d=DATE] [/t=TIME] [/p=DAYS] [/c=PERIOD] [lineN]
|                [COMMAND]... [OPTION]...
|       brantlow --help | --version | /?
|
|Statistics of a T-Mail log. Reads the mailer log (CP866) for one day, or
|for the hours of a window, and writes its reports into the current
|directory: logdata.zvx (busy histogram, sessions, address summary and
|call costs) and, on request, conndata.zvx, filedata.zvx and maxdata.zvx.
|
|  LOG              the mailer log (the LogFile key of the configuration
|                   wins over it); - reads it from standard input
|  /d=DD.MM         the day to read; /d=auto is yesterday; without /d=,
|                   today
|  /t=HH:MM-HH:MM   the hours to read; without /t= (or /t=auto), 00:00 to
|                   23:59; a start later than the end reads that evening
|                   and the next morning
|  /p=DD.MM-DD.MM   a period of days instead (also /p=week, the seven days
|                   to yesterday, and /p=month, the month before): the
|                   period report perdata.zvx
|  /c=PERIOD        marks calls to one address less than PERIOD seconds
|                   apart (crash polls); 0, the default, leaves it out
|  lineN            line N (1 to 99) of a station with several lines:
|                   brantlN.cfg, and the line number in every report name
|
|Commands (in any letter case):
|  +f               also copy the window's lines into a cut file (ShredDir)
|  +f(-s)           only the cut file, no statistics
|  +l, +l(-s)       connect strings and mailers: in the statistics, or in
|                   a file of their own, conndata.zvx
|  +a, +a(-s)       files received and sent: in the statistics, or in a
|                   file of their own, filedata.zvx
|  +b, +b(-s)       callers passed on to the BBS, in maxdata.zvx; with
|                   (-s) they are hidden in the statistics
|  -g               no busy histogram
|  +h               link health per link, in lnkdata.zvx (as --links)
|
|Options:
|  -h, --help       this summary
|  --version        the version
|  --utf8           report files in UTF-8, with the host's line ends
|  --csv            also sessions.csv and addresses.csv
|  --json           also brantlow.json
|  --html           also a web page, logdata.html (perdata.html)
|  --links          also the link health report, lnkdata.zvx (as +h);
|                   with --csv also links.csv
|  --post=AREA      also the report as an echomail message of AREA, in a
|                   packet for the uplink (the Post keys)
|  --stdout         the report on standard output too; messages go to
|                   standard error
|  --no-lock        go on when no safe lock file can be made here
|  --lang=en        reports, web page and step lines in English
|  --lang=ru        reports in Russian, the default
|  --station        every line configured here (brantlow.cfg, brantlN.cfg)
|                   and the station report over them, stadata.zvx
|  /?               the help screen (in Russian; waits for a key)
|
|Configuration: brantlow.cfg (brantlN.cfg with lineN) in the current
|directory: the log path, tariffs, the BBS log, the cut and temporary
|directories, log packing and files to delete. Without it the run goes on
|with the start values. The manual page, brantlow(1), lists its keys.
|
|Exit status: 0 when the run went through (warnings about the log
|included), 1 for /?, a bad setting or a log that cannot be opened, 2 for
|an unknown option or a report, packing or deletion that failed.
|
|Example: the night from 23:00 on 14 March to 08:00, with the connect table:
|  brantlow /var/spool/tmail/t-mail.log /d=14.03 /t=23:00-08:00 +l
