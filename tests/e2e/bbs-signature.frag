# The signature that closes the BBS-user file.
|
|Made by brantlow, T-Mail log statistics. FidoNet 2:5020/2026!!!!
|BBS & 2:5020/2026
