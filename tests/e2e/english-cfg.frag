# The example's processes, tariffs, files filter and BBS log, as a
# configuration of transcripts.
|Define_1 "Tossing inbound mail"
|1_Name "Tosser run"
|Define_2 "Nightly job:"
|2_Name "Nightly upkeep"
|2_Cycle yes
|CrashCheck all
|FilesEcho no
|FilesNoScan NODELIST.*
|BBSType MAX
|BBSLog ./max.log
