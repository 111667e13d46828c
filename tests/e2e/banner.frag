# The two credit lines that open every run.
|brantlow - statistics of the T-Mail log, version 1.0
|Written for FidoNet sysops; free to use and to pass on.
