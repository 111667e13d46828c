# examples/t-mail.log, the example log, as an input of transcripts.
|14/03 00:00:05 ■ T-Mail 2608.NT, line 1, event processor started
|14/03 00:00:06 Rescanning outbound
|14/03 02:11:40 ■ Incoming call: CONNECT 28800/ARQ/V34/LAPM/V42BIS
|14/03 02:11:52 EMSI: Boss Station BBS, Moscow, Russia
|14/03 02:11:52 2:5020/1234, using T-Mail/2608.NT
|14/03 02:11:53 Password protected session
|14/03 02:11:56 HR-16 0000ff01.sa0 12480 OK: 0:06, 2080 cps, 42%
|14/03 02:12:04 HS-16 1a2b3c4d.pkt 3210 OK: 0:02, 1605 cps, 11%
|14/03 02:12:06 ■ 2:5020/1234, bytes 12480/3210, time 0:00:26
|14/03 02:12:07 Tossing inbound mail
|14/03 02:12:41 Inbound mail tossed: 1 bundle, 96 messages
|14/03 11:20:15 ■ Incoming call: CONNECT 14400/ARQ/V32BIS/LAPM/V42BIS
|14/03 11:20:40 Handshake failure
|14/03 19:45:10 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|14/03 19:45:14 Human caller.
|14/03 19:45:14 Running Maximus, errorlevel exit expected
|14/03 20:02:55 Returned to T-Mail with errorlevel 2
|15/03 00:00:05 ■ T-Mail 2608.NT, line 1, event processor started
|15/03 00:00:06 Rescanning outbound
|15/03 01:30:12 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 01:30:24 2:5020/777.3, using GoldED/BinkleyTerm 2.60
|15/03 01:30:24 Password mismatch: 'SECRET' vs 'secret'
|15/03 01:30:30 ■ 2:5020/777.3, bytes 0/0, time 0:00:18
|15/03 02:40:00 Dialing 2:5020/1234 (+7-095-123-4567)
|15/03 02:40:29 ■ Outgoing call: CONNECT 31200/ARQ/V34/LAPM/V42BIS
|15/03 02:40:38 EMSI: Boss Station BBS, Moscow, Russia
|15/03 02:40:38 2:5020/1234, using T-Mail/2608.NT
|15/03 02:40:38 Password protected session
|15/03 02:40:41 HR-16 0000ff01.su0 64212 OK: 0:22, 2918 cps, 94%
|15/03 02:41:05 HR-16 0000ff01.su1 18406 OK: 0:07, 2629 cps, 84%
|15/03 02:41:14 HR-16 nodediff.a74 9850 OK: 0:04, 2462 cps, 79%
|15/03 02:41:19 HS-16 1a2b3c4e.pkt 2870 OK: 0:01, 2870 cps, 92%
|15/03 02:41:22 ■ 2:5020/1234, bytes 92468/2870, time 0:00:53
|15/03 02:41:23 Tossing inbound mail
|15/03 02:43:05 Inbound mail tossed: 2 bundles, 512 messages
|15/03 04:00:00 Nightly job: packing the message base
|15/03 04:06:30 Nightly job: purging echomail older than 30 days
|15/03 04:09:10 Nightly job: compiling the nodelist
|15/03 04:17:45 Nightly jobs finished
|15/03 09:53:39 Rescanning outbound
|15/03 09:54:52 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 09:55:04 EMSI: Quiet Harbour, Pskov, Russia
|15/03 09:55:04 2:4527/63, using T-Mail/2608.NT
|15/03 09:55:04 Password protected session
|15/03 09:55:06 HR-16 pntlst.z15 863 OK: 0:01, 863 cps, 26%
|15/03 09:55:10 HS-16 areas.lst 214 OK: 0:01, 214 cps, 6%
|15/03 09:55:11 ■ 2:4527/63, bytes 863/214, time 0:00:19
|15/03 09:56:40 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 09:56:52 2:4527/63, using T-Mail/2608.NT
|15/03 09:56:52 Password protected session
|15/03 09:56:55 ■ 2:4527/63, bytes 0/0, time 0:00:15
|15/03 12:10:00 Dialing 2:463/68 (+380-44-555-0101)
|15/03 12:10:38 NO CARRIER
|15/03 12:15:00 Dialing 2:463/68 (+380-44-555-0101)
|15/03 12:15:29 ■ Outgoing call: CONNECT 26400/ARQ/V34/LAPM/V42BIS
|15/03 12:15:41 2:463/68, using Hydra/1.2 (T-Mail)
|15/03 12:15:41 Bad password: got 'guest'
|15/03 12:15:44 ZS-1 0463006f.su1 20480 OK: 0:09, 2275 cps, 86%
|15/03 12:15:58 ZR-1 01b8ffff.pkt 6144 cancelled at pos 2048, 512 cps
|15/03 12:16:06 ■ 2:463/68, bytes 2048/20480, time 0:00:37
|15/03 14:30:02 Dialing 2:5020/777 (+7-095-765-4321)
|15/03 14:30:31 ■ Outgoing call: CONNECT 28800/ARQ/V34/LAPM/V42BIS
|15/03 14:30:42 2:5020/777, using T-Mail/2608.NT
|15/03 14:30:42 Password protected session
|15/03 14:30:45 HS-16 0001ffff.pkt 7340 OK: 0:03, 2446 cps, 85%
|15/03 14:30:50 HS-16 harbour.jpg 88410 OK: 0:33, 2679 cps, 93%
|15/03 14:31:26 HR-16 points15.lst 5120 OK: 0:02, 2560 cps, 88%
|15/03 14:31:30 ■ 2:5020/777, bytes 5120/95750, time 0:00:59
|15/03 16:20:03 ■ Incoming call: CONNECT 31200/ARQ/V34/LAPM/V42BIS
|15/03 16:20:07 Human caller.
|15/03 16:20:07 Running Maximus, errorlevel exit expected
|15/03 16:41:30 Returned to T-Mail with errorlevel 2
|15/03 18:00:01 Entering terminal emulator
|15/03 18:00:05 ATZ
|15/03 18:09:44 Leaving terminal emulator
|15/03 20:31:10 ■ Incoming call: CONNECT 24000/ARQ/V34/LAPM/V42BIS
|15/03 20:31:14 Human caller.
|15/03 20:31:14 Running Maximus, errorlevel exit expected
|15/03 20:52:40 Returned to T-Mail with errorlevel 2
|15/03 22:40:02 ■ Incoming call: CONNECT 21600/ARQ/V34/LAPM/V42BIS
|15/03 22:40:15 2:5020/1234, using T-Mail/2608.NT
|15/03 22:40:15 Password protected session
|15/03 22:40:18 HR-16 0000ff01.tu1 95120 OK: 0:40, 2378 cps, 99%
|15/03 22:41:00 ■ 2:5020/1234, bytes 95120/0, time 0:00:58
|15/03 22:41:01 Tossing inbound mail
|15/03 22:43:37 Inbound mail tossed: 1 bundle, 388 messages
|15/03 23:20:00 Dialing 2:5020/1234 (+7-095-123-4567)
|15/03 23:20:27 ■ Outgoing call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 23:20:36 2:5020/1234, using T-Mail/2608.NT
|15/03 23:20:36 Password protected session
|15/03 23:20:39 HS-16 1a2b3c4f.pkt 15630 OK: 0:05, 3126 cps, 93%
|15/03 23:20:46 ■ 2:5020/1234, bytes 0/15630, time 0:00:19
|15/03 23:50:30 ■ Incoming call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|15/03 23:50:42 2:5030/55, using Bink/w32 0.9.2
|15/03 23:50:45 JR-32 56ef00aa.we1 401220 OK: 2:38, 2540 cps, 98%
|16/03 00:00:05 ■ T-Mail 2608.NT, line 1, event processor started
|16/03 00:00:06 Rescanning outbound
|16/03 00:10:01 ■ 2:5030/55, bytes 401220/0, time 0:19:31
|16/03 05:25:07 ■ Incoming call: CONNECT 9600/ARQ/LAPM/V42BIS
|16/03 05:25:20 2:5020/1234, using T-Mail/2608.NT
|16/03 05:25:20 Password protected session
|16/03 05:25:23 HR-16 sysop.txt 1800 OK: 0:02, 900 cps, 18%
|16/03 05:25:27 ■ 2:5020/1234, bytes 1800/0, time 0:00:20
|16/03 07:58:00 Rescanning outbound
|16/03 08:30:10 ■ Outgoing call: CONNECT 33600/ARQ/V34/LAPM/V42BIS
|16/03 08:30:21 2:5020/777, using T-Mail/2608.NT
|16/03 08:30:21 Password protected session
|16/03 08:30:24 HS-16 0001ffff.pkt 51200 OK: 0:17, 3011 cps, 99%
|16/03 08:30:43 ■ 2:5020/777, bytes 0/51200, time 0:00:33
