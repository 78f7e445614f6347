#!/bin/sh
# Checks a .mexa64 module's dynamic symbols and libraries: exactly
# mexFunction and mexfilerequiredapiversion exported; of MATLAB's and the
# board's functions exactly those the list gives; NEEDED exactly the listed
# libraries of ours, besides the system's C and C++ runtime.
#
#   check_linux_module.sh NM READELF MODULE.mexa64 IMPORT_LIST
set -u
nm=$1 readelf=$2 module=$3 list=$4
. "$(dirname "$0")/interface_check.sh"
name=$(basename "$module" .mexa64)

status=0
exports=$("$nm" -D --defined-only "$module" | awk '{ print $NF }' | sort)
same_set "$name: exports" "$(printf '%s\n' mexFunction mexfilerequiredapiversion)" \
    "$exports" || status=1

system_library='^(libc|libm|libstdc\+\+|libgcc_s)\.so\.[0-9]+$'
needed=$("$readelf" -d "$module" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' |
    grep -Ev "$system_library" | sort)
same_set "$name: libraries beyond the system's" \
    "$(expected_libraries "$list" "$name" | sed -e 's/^lib//' -e 's/^/lib/' -e 's/$/.so/')" "$needed" || status=1

# ELF does not say which library a symbol comes from: all of them together.
imports=$("$nm" -D --undefined-only "$module" | awk '{ print $NF }' |
    grep -E '^(mx|mex|kx_)' | sort)
expected=$(for library in libmx libmex velkora64; do
    expected_imports "$list" "$name" "$library"; done | sort)
same_set "$name: imports of MATLAB and board functions" "$expected" "$imports" || status=1
[ $status = 0 ] && echo "$name.mexa64: exports and imports as listed"
exit $status
