# The busy chart of a day whose only time on line is a few seconds in
# half hour 19 (09:30-10:00): one block in the bottom row, none above.
|100%─┬{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 75%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 50%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
| 25%─┼{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *48}
|     │{ *19}▓{ *28}
