# The help screen, from its first text to its last.
|
|Some help:
|brantlow Infile [/d=Date] [/t=Time] [/p=Days] [/c=Period] [command] [--option]
|
| Где параметры Date & Time могут быть:
|    Date                           Time
|/d=auto                        /t=auto
|/d=01.03                       /t=23:00-08:00
|/d=auto                        /t=23:00-08:00
|/d=01.03                       /t=auto
|
|Вы можете использовать брантлов без параметров /d и /t. 
|В этом случае будет анализироваться текущий день с 00 по 23:59.
|Пропуск только параметра /t равносилен его значению "auto".
|Пропуск только параметра /d равносилен указанию текущего дня.
|
|Press any Key for more info...
|
|Period - минимальное разрешенное время между сессииями с одним адресом. 
|(в секундах)(/c=120)
|
|Допустимые команды:
|
|+F     - вырезает из лога в отдельный файл c уникальным именем всю информацию 
|         на указанный период.
|+f(-s) - вырезает информацию, но не делает файлы статистики.
|+l     - добавляет в статистику информацию о строках коннектов и типах мейлеров
|         каждой сессии.
|+l(-s) - делает отдельный файл со строками коннектов и типами мейлеров в 
|         добавление к статистике.
|+a     - добавляет в статистику информацию о принятых и переданных файлах.
|+a(-s) - делает отдельный файл с информацией о принятых и переданых файлах в
|         добавление к статистике.
|+b     - создает дополнительный файл со статистикой только пользователей ББС.
|+b(-s) - в общей статистике пользователи ББС заменяются ключевыми словами и 
|         информация о них остается только в отдельном файле.
|-g     - не включает в статистику гистограмму (график занятости).
|line3  - Режим "многолинейки". Файл статистики для каждой линии имеет 
|         уникальное имя. В данном случае для линии 3
|/p=01.03-07.03 - отчет за период дней вместо /d= и /t=; также /p=week
|         (семь дней по вчерашний) и /p=month (прошлый месяц).
|
|Ключи вида --option:
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
