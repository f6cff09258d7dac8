; hand edited
[option]
comport = 12.5
[STATUS]
TreeViewWidth=abc
k=2001.02.03-04:05:06
