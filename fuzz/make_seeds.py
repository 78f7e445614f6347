#!/usr/bin/env python3
"""Writes the seed corpus, one folder per command, in the byte layout that
argument_decoder.cpp reads: nlhs % 4, nrhs % 15, then per input a kind byte
(0: double from 8 raw bytes, 2: shape name by index, 8: empty, ...)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def double(value):
    return bytes([0]) + struct.pack("<d", value)


def shape(index):  # hard, Hard, sinc, Sinc, HARD, ...
    return bytes([2, index])


def call(nlhs, inputs):
    return bytes([nlhs, len(inputs)]) + b"".join(inputs)


HARD = [1024, 21.3, 50, 10, 20, 0.005159, 4, 90, 0, 75, 0.5]
SINC = [16384, 100.5, 200, 0.065, 0.065, 0, 1, -45.5, -7, 80, 1.0000000001]

SEEDS = {
    "ExciteAcquire": {
        "hard": call(0, [double(v) for v in HARD] + [shape(0)]),
        "sinc": call(0, [double(v) for v in SINC] + [shape(3)]),
        "refused_points": call(0, [double(0)] + [double(v) for v in HARD[1:]] + [shape(0)]),
        "bad_shape": call(0, [double(v) for v in HARD] + [shape(4)]),
        "too_few": call(0, [double(v) for v in HARD]),
    },
    "HaltBoard": {"plain": call(0, []), "with_inputs": call(2, [double(1), bytes([8])])},
    "BoardState": {"two": call(2, []), "one": call(1, []), "none": call(0, [double(3)])},
    "FetchSamples": {"two": call(2, []), "one": call(1, []), "three": call(3, [])},
    "DriverTrace": {
        "on": call(0, [double(1)]),
        "off": call(0, [double(0)]),
        "half": call(0, [double(0.5)]),
        "none": call(0, []),
    },
}

for command, seeds in SEEDS.items():
    folder = os.path.join(HERE, "corpus", command)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
