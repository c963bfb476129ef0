"""No paper holds two questions drawn from one picture or one data set: two life-cycle
diagrams of the same animal (each shows the stage the other hides), two pairs of bar magnets,
or two graphs of one story with the same numbers (one answers the other). The generator names
the picture or data set of each question it draws one from (Question.data)."""

NAME = "two questions of one picture or data set in one paper"


def check(subject, papers):
    problems = []
    for p in papers:
        seen = {}
        for q in p.questions:
            if q.data is None:
                continue
            if q.data in seen:
                problems.append("%d and %d in paper %d: both from the %s" % (
                    seen[q.data], q.qid, p.key, q.data))
            else:
                seen[q.data] = q.qid
    return problems
