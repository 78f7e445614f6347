#!/bin/sh
# Checks a .mexw64 module's export and import tables, read with objdump:
# exactly mexFunction and mexfilerequiredapiversion exported; from
# libmx.dll, libmex.dll and velkora64.dll exactly the functions the list
# gives, by name; otherwise only Windows' own DLLs.
#
#   check_windows_module.sh OBJDUMP MODULE.mexw64 IMPORT_LIST
set -u
objdump=$1 module=$2 list=$3
. "$(dirname "$0")/interface_check.sh"
name=$(basename "$module" .mexw64)

"$objdump" -p "$module" > "$work/tables" || exit 1

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' "$work/tables" |
    awk '/^\t\[/ { print $NF }' | sort)
# An import table starts at "DLL Name:"; each by-name import is a line of
# address, hint and name. Unindented lines end the tables.
awk '/^[^ \t]/ { dll = "" }
     /DLL Name:/ { dll = $3; print "dll", dll; next }
     dll != "" && NF == 3 && $2 ~ /^[0-9]+$/ { print "import", dll, $3 }' \
    "$work/tables" > "$work/imports"

status=0
same_set "$name: exports" "$(printf '%s\n' mexFunction mexfilerequiredapiversion)" \
    "$exports" || status=1

# Windows' own system and C runtime DLLs, whatever the runtime calls there.
system_dll='^(kernel32|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
ours=$(awk '$1 == "dll" { print $2 }' "$work/imports" |
    grep -Eiv "$system_dll" | sort)
same_set "$name: DLLs beyond Windows' own" \
    "$(expected_libraries "$list" "$name" | sed 's/$/.dll/')" "$ours" || status=1

for library in libmx libmex velkora64; do
    actual=$(awk -v dll="$library.dll" '$1 == "import" && $2 == dll { print $3 }' \
        "$work/imports" | sort)
    same_set "$name: imports from $library.dll" \
        "$(expected_imports "$list" "$name" "$library")" "$actual" || status=1
done
[ $status = 0 ] && echo "$name.mexw64: exports and imports as listed"
exit $status
