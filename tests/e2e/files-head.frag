# The head of the files table: frame, title and the rule under it.
|╔{═*18}╤{═*25}╤{═*25}╗
|║       Адрес      │     Принятые файлы      │    Переданные файлы     ║
|╟{─*18}┼{─*25}┼{─*25}╢
