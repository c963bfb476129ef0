"""English papers: grammar, vocabulary, cloze passages, comprehension and mock papers."""

import placeholder

GRAMMAR = [(1, 1)] * 30
CLOZE = [(10, 1)] * 3
COMPREHENSION = [(5, 2)] * 3
MOCK = [(1, 1)] * 30 + [(10, 1), (10, 1), (5, 2)]


def build():
    shapes = [GRAMMAR, GRAMMAR, CLOZE, CLOZE, COMPREHENSION, MOCK]
    return [[placeholder.paper("E%d.%d" % (t + 1, k + 1), shape) for k in range(5)]
            for t, shape in enumerate(shapes)]
