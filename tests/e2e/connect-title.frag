# The title of a connect file of its own, for 15.03 from 00:00 to 23:59.
|
|           Коннекты и мэйлеры на 15.03  время с 00:00 по 23:59 
