1
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
"Function F()
F = 1
End Function"
0
1
"kind"
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
0
