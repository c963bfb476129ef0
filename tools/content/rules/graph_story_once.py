"""No paper shows two graphs of the same named thing with different numbers (the pupils of
Class 3B, the books some children read in March, the visitors to one library): a child who
meets Class 3B with 28 pupils and then with 31 in one paper is rightly puzzled. The thing a
graph is about is the sentence that introduces it; its numbers are the question's data set."""

import html
import re

NAME = "one paper shows the same named thing with different numbers"

_ABOUT = re.compile(r"The (?:bar|picture) graph shows (.*?)\.")


def check(subject, papers):
    problems = []
    for p in papers:
        seen = {}
        for q in p.questions:
            found = _ABOUT.search(html.unescape(re.sub(r"<[^>]+>", "", q.body)))
            if not found:
                continue
            thing = found.group(1)
            first = seen.setdefault(thing, (q.qid, q.data))
            if first[1] != q.data:
                problems.append("%d and %d in paper %d: %s, with other numbers" % (
                    first[0], q.qid, p.key, thing))
    return problems
