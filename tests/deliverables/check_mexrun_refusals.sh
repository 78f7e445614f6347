#!/bin/sh
# mexrun refuses what MATLAB would not run: a module asking for another API
# version, a module that is not there; and stops at a line that is no call.
#
#   check_mexrun_refusals.sh MEXRUN MODULE_DIR   (MODULE_DIR holds OldApi)
set -u
mexrun=$1 modules=$2
status=0

transcript=$(printf 'OldApi\nMissing 1\n' | "$mexrun" "$modules" -)
result=$?
expected=">> OldApi
Error using OldApi
$modules/OldApi.mexa64 asks for API version 0x2016a 0x0, not 0x2017a 0x0
>> Missing 1
Error using Missing"
if [ $result != 1 ] || [ "$(printf '%s\n' "$transcript" | head -5)" != "$expected" ]; then
    printf 'status %s, transcript:\n%s\n' "$result" "$transcript"
    status=1
fi

message=$(printf 'HaltBoard\nDriverTrace(1)\n' | "$mexrun" "$modules" - 2>&1 >/dev/null)
result=$?
if [ $result != 2 ] || [ "$message" != "mexrun: -:2: arguments must be separated by blanks" ]; then
    printf 'status %s, message: %s\n' "$result" "$message"
    status=1
fi

"$mexrun" "$modules" 2>/dev/null
if [ $? != 2 ]; then
    echo "no usage error without a script"
    status=1
fi
[ $status = 0 ] && echo "mexrun refused what it must"
exit $status
