"""Mathematics papers, generated from numbers with a fixed seed."""

import placeholder

TOPIC = [(1, 1)] * 10 + [(1, 2)] * 19
MOCK = [(1, 2)] * 20 + [(1, 3)] * 20


def build():
    return [[placeholder.paper("M%d.%d" % (t + 1, k + 1), TOPIC if t < 6 else MOCK)
             for k in range(5)] for t in range(7)]
