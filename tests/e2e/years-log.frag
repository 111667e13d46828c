# The log of the years cases: three Decembers, each but the last ended by
# a 05/01 line: 10.12; 10.12 and 15.12; 01.12 and 06.12.
|10/12 10:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|10/12 10:00:06 2:5020/24, using T-Mail/2608.NT
|10/12 10:00:40 ■ 2:5020/24, bytes 24/1, time 0:00:40
|05/01 09:00:00 Rescanning outbound, 1 files found
|10/12 11:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|10/12 11:00:06 2:5020/25, using T-Mail/2608.NT
|10/12 11:00:50 ■ 2:5020/25, bytes 25/2, time 0:00:50
|15/12 12:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|15/12 12:00:06 2:5020/15, using T-Mail/2608.NT
|15/12 12:00:30 ■ 2:5020/15, bytes 15/3, time 0:00:30
|05/01 09:00:00 Rescanning outbound, 2 files found
|01/12 13:00:00 ■ Incoming call: CONNECT 33600/ARQ/V34
|01/12 13:00:06 2:5020/26, using T-Mail/2608.NT
|01/12 13:00:20 ■ 2:5020/26, bytes 26/4, time 0:00:20
|06/12 14:00:00 ■ Outgoing call: CONNECT 33600/ARQ/V34
|06/12 14:00:06 2:5020/6, using T-Mail/2608.NT
|06/12 14:00:10 ■ 2:5020/6, bytes 6/5, time 0:00:10
