# The connect/mailer table of a window without sessions: the blank record's
# two lines, its empty start time padded to eight blanks.
|╔{═*18}╤{═*48}╗
|║   Время/Адрес    │            Строка коннекта/Мэйлер              ║
|╟{─*18}┼{─*48}╢
|║{ *18}│{ *48}║
|║{ *18}│{ *48}║
|╚{═*18}╧{═*48}╝
