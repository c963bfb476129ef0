"""The Mathematics questions of Time and Money, Fractions and Graphs, and Geometry, Area and
Perimeter: their topic papers and their share of the mock examination, which takes its
questions from the six topics in turn."""

FIRST_KEY = 116  # the first Time and Money paper
MOCK_FIRST_KEY = 131
TOPICS = 6
OURS = (3, 4, 5)  # places in the mock's turn of topics


def questions(subject, papers):
    """The questions of these topics, each with its paper."""
    if subject["number"] != 2:
        return
    for p in papers:
        if FIRST_KEY <= p.key < MOCK_FIRST_KEY:
            for q in p.questions:
                yield p, q
        elif p.key >= MOCK_FIRST_KEY:
            for i, q in enumerate(p.questions):
                if i % TOPICS in OURS:
                    yield p, q
