# The four utility commands, each linked only against what it calls.
add_mex_command(HaltBoard SOURCES commands/HaltBoard.cpp LIBS velkora64)
add_mex_command(BoardState SOURCES commands/BoardState.cpp LIBS mx velkora64)
add_mex_command(FetchSamples SOURCES commands/FetchSamples.cpp LIBS mx velkora64)
add_mex_command(DriverTrace SOURCES commands/DriverTrace.cpp LIBS mx mex velkora64)
