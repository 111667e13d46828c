# The window title of 15.03 from 00:00 to 23:59 and the head of the BBS
# users' session list: a user column and no kind column.
|
|           Статистика на 15.03  время с 00:00 по 23:59 
|╔{═*17}╤{═*18}╤{═*10}╤{═*10}╤{═*6}╤{═*6}╗
|║      Время      │   Пользователь   │ Принято  │ Передано │ CPS  │Пароль║
|╟{─*17}┼{─*18}┼{─*10}┼{─*10}┼{─*6}┼{─*6}╢
