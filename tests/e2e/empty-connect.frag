# The connect/mailer table of a window without sessions: the blank record's
# two lines, its start time empty.
|╔{═*18}╤{═*48}╗
|║   Время/Адрес    │            Строка коннекта/Мэйлер              ║
|╟{─*18}┼{─*48}╢
|║{ *10}│{ *48}║
|║{ *18}│{ *48}║
|╚{═*18}╧{═*48}╝
