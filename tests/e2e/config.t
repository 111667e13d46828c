# Settings from the configuration file, and the deletion step that ends
# the run.

=== case: LogFile and the Russian phrase set
args:
in brantlow.cfg:
|; the mailer writes its log in Russian
|LogFile ru.log
|@RUS
in ru.log:
|15/03 09:54:52 ■ Входящий звонок: CONNECT 33600/ARQ
|15/03 09:55:04 2:4527/63, использует T-Mail/2608.NT
|15/03 09:55:04 Сессия защищена паролем
|15/03 09:55:11 ■ 2:4527/63, байт 863/214, время 0:00:19
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: ru.log                                                              
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
out logdata.zvx:
|
<< busy-half-hour-19.frag
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║09:54:52-09:55:11│2:4527/63         │i│       863│       214│     0│passw ║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║2:4527/63         │       863│       214│       0│  00:00:19   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │       863│       214│     0.0│  00:00:19   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: LogFile wins over the first argument
args: other.log
in brantlow.cfg:
|LogFile ru.log
in ru.log:
|15/03 09:53:39 Rescanning outbound
exit: 0
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: String commands, the command line over them, and FilesKill
# The statistics file of the run itself is deleted at its very end. The
# patterns hold no letters, so that they read alike where the host tells
# the case of names apart and where it does not.
args: LOG +l
in brantlow.cfg:
|String +l(-s) /c=120 -g
|FilesKill ???????.???
|FilesKill ??.*
in LOG:
|15/03 09:53:39 Rescanning outbound, 12 files found
in keep.txt:
|kept
exit: 0
stdout:
<< banner.frag
|Sun Mar 15 12:00:00 2026
|
|InFile!!!: LOG                                                                 
|
|Crashpoll Time = 2min 0sec      Analyze Connect data: 1 OutFile(s)
|
|                       Read log file:
|
|Delete file(s) 01:  ???????.???{ *45} OK
|Delete file(s) 02:  ??.*{ *52} Na
|
console:
|[√] Search crash;
|[√] Make statistic file;
|[√] Make CONNECT/mayler`s info;
|[√] Sort all data;

=== case: a cycling process definition folds its run of records
args: LOG
in brantlow.cfg:
|Define_1 "Running FrontDoor"
|1_Name "FrontDoor"
|1_Cycle yes
in LOG:
|15/03 10:00:00 Running FrontDoor event A
|15/03 10:05:00 Running FrontDoor event B
|15/03 10:10:00 Rescanning outbound
exit: 0
out logdata.zvx:
|
|100%─┬{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 75%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 50%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *20}▓{ *27}
| 25%─┼{ *20}▓{ *27}
|     │{ *20}▓{ *27}
|     │{ *20}▓{ *27}
|     │{ *20}▓{ *27}
|     │{ *20}▓{ *27}
<< histogram-axis.frag
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║10:00:00-10:10:00│FrontDoor{ *9}│p│{ *9}0│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< summary-head.frag
|║FrontDoor{ *9}│         0│         0│       0│  00:10:00   ║
|╟{─*18}┼{─*10}┼{─*10}┼{─*8}┼{─*13}╢
|║Всего: 1   cессий │         0│         0│     0.0│  00:10:00   ║
|╚{═*18}╧{═*10}╧{═*10}╧{═*8}╧{═*13}╝
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: without a configuration no process is detected
args: LOG
in LOG:
|15/03 10:00:00 ▓│┤ the default pattern
exit: 0
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a shred directory from the configuration is created for the cut
args: LOG +F /t=10:05-12:30
in brantlow.cfg:
|ShredDir cuts/
|TmpDir scratch
in LOG:
|15/03 10:04:59 before
|15/03 10:05:00 inside
|15/03 12:31:00 after
exit: 0
out cuts/10051230.000:
|15/03 10:05:00 inside
out logdata.zvx:
<< empty-histogram.frag
|
|           Статистика на 15.03  время с 10:05 по 12:30 
|╔{═*17}╤{═*18}╤═╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │      Адрес       │D│ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼─┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
|║{ *8}-{ *8}│{ *18}│ │{ *9}0│{ *9}0│{ *5}0│{ *6}║
|╚{═*17}╧{═*18}╧═╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
