# The files table without transfer lines: borders, title and one rule.
|╔{═*18}╤{═*25}╤{═*25}╗
|║       Адрес      │     Принятые файлы      │    Переданные файлы     ║
|╟{─*18}┼{─*25}┼{─*25}╢
|╚{═*18}╧{═*25}╧{═*25}╝
