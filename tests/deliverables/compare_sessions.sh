#!/bin/sh
# Compares two runs of board_session.txt (run_session.sh): the same
# transcript, journal and debug trace, byte for byte.
#
#   compare_sessions.sh DIR_A DIR_B
set -u
status=0
for file in transcript.txt journal.txt debug.txt; do
    if ! cmp "$1/$file" "$2/$file"; then
        diff "$1/$file" "$2/$file" | cut -c1-200 | head -20
        status=1
    fi
done
[ $status = 0 ] && echo "$1 and $2: the same transcript, journal and debug trace"
exit $status
