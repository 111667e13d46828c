# examples/max.log, the example BBS log, as an input of transcripts.
|+ 15 Mar 16:05:00 MAX  Begin, v3.01 (task=2)
|+ 15 Mar 16:05:01 MAX  Connected at 28800 baud
|+ 15 Mar 16:05:20 MAX  Petr Sidorov calling
|+ 15 Mar 16:30:10 MAX  End, Petr Sidorov (0)
|+ 15 Mar 16:20:08 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 16:20:09 MAX  Connected at 31200 baud
|+ 15 Mar 16:20:25 MAX  Olga Smirnova calling
|= 15 Mar 16:20:31 MAX  Last call 03-Mar-26
|: 15 Mar 16:26:40 MAX  CPS: 2900 (182450 bytes)
|+ 15 Mar 16:26:41 MAX  DL-MAXNEWS.ZIP
|: 15 Mar 16:34:05 MAX  CPS: 2700 (40960 bytes)
|+ 15 Mar 16:34:06 MAX  UL-POINTS.TXT
|+ 15 Mar 16:41:25 MAX  End, Olga Smirnova (0)
|+ 15 Mar 20:31:15 MAX  Begin, v3.01 (task=1)
|+ 15 Mar 20:31:16 MAX  Connected at 24000 baud
|+ 15 Mar 20:31:30 MAX  Gleb Tarasov calling
|= 15 Mar 20:31:36 MAX  Last call 12-Mar-26
|: 15 Mar 20:44:02 MAX  CPS: 2150 (311200 bytes)
|+ 15 Mar 20:44:03 MAX  DL-TOSSDOC.ZIP
|+ 15 Mar 20:52:35 MAX  End, Gleb Tarasov (0)
