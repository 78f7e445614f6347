#!/bin/sh
# Runs board_session.txt through a mexrun host on a board whose status,
# scan count and data are pinned, and checks what it wrote against the
# transcript, journal and debug trace worked out by hand.
#
#   run_session.sh SINC_TABLE OUT_DIR HOST_COMMAND... MODULE_DIR
#
# Leaves transcript.txt, journal.txt and debug.txt in OUT_DIR, for
# comparing one host with another.
set -u
here=$(cd "$(dirname "$0")" && pwd)
sinc_table=$1 out=$2
shift 2

# Both experiments load the same sinc table.
dds_line="kx_dds_load $(tr '\n' ' ' < "$sinc_table")626688 -> 0" || exit 1
rm -rf "$out" && mkdir -p "$out" || exit 1
# The board's answers must not depend on when they are asked, nor on the
# caller's environment.
for variable in $(env | sed -n 's/^\(VELKORA_SIM_[A-Z0-9_]*\)=.*/\1/p'); do
    unset "$variable"
done
export VELKORA_SIM_STATUS=4 VELKORA_SIM_SCAN_COUNT=2 VELKORA_SIM_DATA=pattern
export VELKORA_SIM_JOURNAL=journal.txt

cd "$out" || exit 1
"$@" "$here/board_session.txt" > transcript.txt 2> debug.txt
result=$?
if [ $result != 0 ]; then
    echo "the host ended with status $result"
    cat debug.txt
    exit 1
fi

status=0
awk -f "$here/match_transcript.awk" "$here/board_session_transcript.txt" transcript.txt ||
    status=1

awk -v dds="$dds_line" '$0 == "<sinc table>" { print dds; next } { print }' \
    "$here/board_session_journal.txt" > expected_journal.txt
if ! cmp -s expected_journal.txt journal.txt; then
    echo "journal differs from the one expected:"
    diff expected_journal.txt journal.txt | cut -c1-200 | head -40
    status=1
fi

# Debug mode copies to standard error what reaches the journal from
# "DriverTrace 1" up to "DriverTrace 0" switching it off.
awk '/^kx_set_debug 1 /{ on = 1 } /^kx_set_debug 0 /{ on = 0 } on' expected_journal.txt \
    > expected_debug.txt
if ! cmp -s expected_debug.txt debug.txt; then
    echo "debug trace differs from the one expected:"
    diff expected_debug.txt debug.txt | cut -c1-200 | head -40
    status=1
fi
[ $status = 0 ] && echo "transcript, journal and debug trace as expected"
exit $status
