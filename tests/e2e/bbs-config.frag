# A configuration that selects the Maximus BBS and names its log.
|BBSType Maximus
|BBSLog max.log
