# What follows the packing on standard output for the log LOG: the log
# opened for the analysis, the settings summary and the bar's title.
|InFile!!!: LOG{ *65}
|
|Don`t analyze crashpolers      Don`t analyze Connect & Files data
|
|                       Read log file:
