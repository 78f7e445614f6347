# Matches a transcript (second file) against the expected one (first file)
# line by line. An expected line "  ..." stands for any number of value
# lines (two blanks, then a number) before the expected line that follows.
FNR == NR { expected[++count] = $0; next }
{
    ++line
    if (expected[e + 1] == "  ...") {
        if (e + 2 <= count && $0 == expected[e + 2]) {
            e += 2
            next
        }
        if ($0 ~ /^  [-0-9]/) next
        e += 1
    }
    if (e + 1 > count || $0 != expected[e + 1]) {
        printf "transcript line %d: expected\n  [%s]\nbut read\n  [%s]\n", line,
               (e + 1 <= count ? expected[e + 1] : "(end)"), $0
        failed = 1
        exit 1
    }
    ++e
}
END {
    if (failed) exit 1
    if (e < count) {
        printf "transcript ends early: expected next\n  [%s]\n", expected[e + 1]
        exit 1
    }
}
