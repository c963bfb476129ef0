"""No question text is asked twice with the same options within one subject."""

import re

NAME = "repeated question within a subject"


def _normal(body):
    # Options in another order are the same question: compare the set of option texts.
    options = sorted(re.findall(r"<li>\(\d\) (.*?)</li>", body))
    stem = re.sub(r'<ol class="opts">.*?</ol>', "", body, flags=re.S)
    stem = re.sub(r"<[^>]+>", " ", stem)
    return " ".join(stem.split()).lower(), tuple(options)


def check(subject, papers):
    seen = {}
    problems = []
    for p in papers:
        for q in p.questions:
            if q.pictures:
                continue  # a picture question differs by its picture
            key = _normal(q.body)
            if key in seen:
                problems.append("%d repeats %d" % (q.qid, seen[key]))
            else:
                seen[key] = q.qid
    return problems
