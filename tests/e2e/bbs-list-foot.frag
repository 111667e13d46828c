# The bottom frame line of the BBS users' session list.
|╚{═*17}╧{═*18}╧{═*10}╧{═*10}╧{═*6}╧{═*6}╝
