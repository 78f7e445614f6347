#!/usr/bin/env python3
"""Writes sinc_table.txt: the expected shape-memory samples, computed here in
Python (libm sine, IEEE single rounding by struct) independently of the C++
code, one C99 hex float per line, entry 0 first."""
import math
import struct

PI = 3.1415926
ZERO_CROSSINGS = 3


def hexa(value):
    """glibc's %a: shortest mantissa digits, no trailing zeros."""
    if value == 0.0:
        return "-0x0p+0" if math.copysign(1.0, value) < 0 else "0x0p+0"
    mantissa, exponent = value.hex().split("p")
    mantissa = mantissa.rstrip("0").rstrip(".")
    return f"{mantissa}p{'+' if int(exponent) >= 0 else ''}{int(exponent)}"


def single(value):
    return struct.unpack("<f", struct.pack("<f", value))[0]


step = ZERO_CROSSINGS * (PI + PI)
with open("sinc_table.txt", "w") as out:
    for i in range(-512, 512):
        x = (i * step) * 0.0009765625
        sample = 1.0 if x == 0.0 else single(math.sin(x) / x)
        out.write(hexa(sample) + "\n")
