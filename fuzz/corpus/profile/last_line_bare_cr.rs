[OPTION]
ComPort=2