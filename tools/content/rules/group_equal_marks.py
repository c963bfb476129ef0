"""Every blank of one "G" group carries the same marks: the group takes its answers in any
order, so a right answer must earn the same whichever of its blanks it is typed in."""

from model import group_spans

NAME = "group blanks with different marks"


def check(subject, papers):
    problems = []
    for p in papers:
        for q in p.questions:
            for span in group_spans(q.blanks):
                marks = [q.blanks[i].marks for i in span]
                if len(set(marks)) > 1:
                    problems.append("%d in paper %d: group marks %s" % (
                        q.qid, p.key, "+".join(map(str, marks))))
    return problems
