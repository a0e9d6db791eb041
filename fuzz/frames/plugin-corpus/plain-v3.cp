3
""
""
""
""
""
""
""
#FALSE#
#FALSE#
"name"
"Display"
"About"
"Weather"
"started = 1"
"order = order & ~A~"
"Sub SetWeather(k)
End Sub"
2
"rain"
"started"
1
"order"
#TRUE#
#FALSE#
""
""
"SetWeather"
""
"FrameWeather"
1
"kind"
"k"
"x"
"y"
0
"order = order & ~B~"
