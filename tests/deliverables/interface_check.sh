# Shared by the module interface checks: comparing sets of names.

# expected_imports LIST MODULE LIBRARY: the names MODULE imports from
# LIBRARY according to LIST, one a line, sorted.
expected_imports() {
    awk -v module="$2" -v library="$3" \
        '$1 == module && $2 == library { for (i = 3; i <= NF; i++) print $i }' "$1" | sort
}

# expected_libraries LIST MODULE: the libraries MODULE imports from, sorted.
expected_libraries() {
    awk -v module="$2" '$1 == module { print $2 }' "$1" | sort -u
}

# lines TEXT: TEXT as lines; nothing at all for an empty TEXT.
lines() {
    if [ -n "$1" ]; then printf '%s\n' "$1"; fi
}

# same_set WHAT EXPECTED ACTUAL: reports the names that differ; the result
# is 1 when any do.
same_set() {
    if [ "$2" = "$3" ]; then
        return 0
    fi
    echo "$1:"
    lines "$2" > "$work/expected"
    lines "$3" > "$work/actual"
    comm -23 "$work/expected" "$work/actual" | sed 's/^/  missing:    /'
    comm -13 "$work/expected" "$work/actual" | sed 's/^/  unexpected: /'
    return 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
