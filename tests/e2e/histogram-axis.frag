# The time axis under the busy chart: a tick per hour, a number every
# two hours.
|     ┼─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬─┬
|     0   2   4   6   8  10  12  14  16  18  20  22  24
