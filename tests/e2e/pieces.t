# The log is read in pieces of at most 89 characters; CR LF and LF logs
# read alike. Under 100 bytes a cell is 0 bytes wide, so every read fills
# one cell, up to the bar's 50: a line of 95 characters is two reads.

=== case: a CR LF line longer than 89 characters comes in two pieces
args: LOG
terminal: yes
in LOG:
|15/03 10:00:00 {x*80}
exit: 0
console:
|      {▒*50}{\b*50}██\r
|\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make gistogram;{\b*18}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the same line with LF only reads the same
args: LOG
terminal: yes
in LOG (lf):
|15/03 10:00:00 {x*80}
exit: 0
console:
|      {▒*50}{\b*50}██\r
|\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make gistogram;{\b*18}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: a line of exactly 89 characters and its line end
# 89 characters, then the CR LF alone is a read of its own: two cells.
args: LOG
terminal: yes
in LOG:
|15/03 10:00:00 {y*74}
exit: 0
console:
|      {▒*50}{\b*50}██\r
|\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make gistogram;{\b*18}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026

=== case: the bar never draws more than its 50 cells
# 60 empty lines of 60 bytes: every read would fill a cell of its own,
# but the bar stops at its last cell.
terminal: yes
args: LOG
in LOG (lf):
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
|
exit: 0
console:
|      {▒*50}{\b*50}{█*50}\r
|\r
|[ ] Analyzing statistic data;{\b*28}√\r
|[ ] Make gistogram;{\b*18}√\r
|[ ] Make statistic file;{\b*23}√\r
|[ ] Sort all data;{\b*17}√\r
out logdata.zvx:
<< empty-histogram.frag
<< empty-list.frag
<< empty-summary.frag
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026
