#!/usr/bin/env python3
"""Writes the embedded content of the program: the catalogue, the paper tables, the blank
results templates (assets/data) and one MHT question page per question id (assets/pages).

Run from anywhere: python3 tools/content/generate.py [--out FOLDER]
(--out writes FOLDER/data and FOLDER/pages, so a check can compare them with assets/).
The output depends only on the banks and the fixed seeds, so running it twice gives the same
bytes. The program build never runs this; its output is committed.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import english  # noqa: E402
import maths  # noqa: E402
import science  # noqa: E402
import tagged  # noqa: E402
from model import Paper, check_question  # noqa: E402
from page import build_mht  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
ASSETS = os.path.join(ROOT, "assets")
DATA = os.path.join(ASSETS, "data")
PAGES = os.path.join(ASSETS, "pages")

TITLE = "Quorvel Primary Revision"
CODE = "P3"

SUBJECTS = [
    {
        "number": 1,
        "name": "English",
        "topics": ["Grammar", "Vocabulary", "Grammar Cloze", "Vocabulary Cloze",
                   "Comprehension MCQ", "Mock Examination"],
        "build": english.build,
        "ids": [range(13001, 13511)],
        "blanks": 950,
    },
    {
        "number": 2,
        "name": "Mathematics",
        "topics": ["Addition and Subtraction within 10000", "Multiplication and Division",
                   "Length, Weight and Capacity", "Time and Money", "Fractions and Graphs",
                   "Geometry, Area and Perimeter", "Mock Examination"],
        "build": maths.build,
        "ids": [range(23001, 24000), range(29001, 29072)],
        "blanks": None,
    },
    {
        "number": 3,
        "name": "Science",
        "topics": ["Living and Non-living Things", "Materials", "Life Cycles",
                   "Organs and Systems in Animals and Plants", "Human Body Systems", "Magnets",
                   "Mock Examination"],
        "build": science.build,
        "ids": [range(19001, 19648)],
        "blanks": None,
    },
]


def assemble(subject):
    """Builds the subject's papers and gives every question its id, in paper order."""
    topics = subject["build"]()
    assert len(topics) == len(subject["topics"]), subject["name"]
    ids = [i for r in subject["ids"] for i in r]
    papers = []
    n = 0
    for t, topic in enumerate(topics):
        assert len(topic) == 5, (subject["name"], t)
        for k, questions in enumerate(topic):
            key = 100 + 5 * t + k + 1
            for q in questions:
                check_question(q)
                q.qid = ids[n]
                n += 1
            papers.append(Paper(key, questions))
    assert n == len(ids), (subject["name"], n, len(ids))
    return papers


def check_subject(subject, papers):
    name = subject["name"]
    topics = len(subject["topics"])
    assert len(papers) == 5 * topics
    blanks = sum(p.blank_count() for p in papers)
    if subject["blanks"] is not None:
        assert blanks == subject["blanks"], (name, blanks)
    for p in papers:
        assert 3 <= len(p.questions) <= 59, (name, p.key, len(p.questions))
        assert p.blank_count() <= 70, (name, p.key, p.blank_count())
        bodies = [(q.body, tuple(q.pictures)) for q in p.questions]
        assert len(set(bodies)) == len(bodies), (name, p.key, "repeated question")
        if subject["number"] > 1 and p.key > 100 + 5 * (topics - 1):
            assert p.total_marks() == 100, (name, p.key, p.total_marks())
    return blanks


def write_tables(subject, papers):
    s = subject["number"]
    lines2 = [tagged.record(str(p.key), [q.qid for q in p.questions]) for p in papers]
    tagged.write(os.path.join(DATA, "300%d2.txt" % s), lines2)
    questions = [q for p in papers for q in p.questions]
    for k, field in ((3, "key"), (4, "code"), (5, "marks")):
        lines = [tagged.record(str(q.qid), [getattr(b, field) for b in q.blanks])
                 for q in questions]
        tagged.write(os.path.join(DATA, "300%d%d.txt" % (s, k)), lines)


def write_templates(subject, papers):
    s = subject["number"]
    count = len(papers)
    marks = [tagged.record(key, [""] * count) for key in ("FSE", "SSE", "LTM", "CDD")]
    marks += [tagged.record(key, ["0"] * count) for key in ("FST", "SST")]
    tagged.write(os.path.join(DATA, "301%d1.txt" % s), marks)
    answers = [tagged.record(str(p.key), [""] * p.blank_count()) for p in papers]
    for j in (2, 3, 4, 5):
        tagged.write(os.path.join(DATA, "301%d%d.txt" % (s, j)), answers)
    tagged.write(os.path.join(DATA, "301%d6.txt" % s), [tagged.record("TRD")])


def write_catalogue():
    lines = [
        tagged.record("NME", [TITLE]),
        tagged.record("COD", [CODE]),
        tagged.record("LAH", [SUBJECTS[0]["name"]]),
        tagged.record("LBH", [SUBJECTS[1]["name"]]),
        tagged.record("LCH", [SUBJECTS[2]["name"]]),
        "-----------------------",
    ]
    for subject in SUBJECTS:
        s = subject["number"]
        lines.append(tagged.record("TT%d" % s, [len(subject["topics"])]))
        lines.append(tagged.record("TP%d" % s, [5 * len(subject["topics"])]))
        lines.append(tagged.record("TN%d" % s, subject["topics"]))
    tagged.write(os.path.join(DATA, "30000.txt"), lines)


def write_pages(all_papers):
    wanted = set()
    total = 0
    for papers in all_papers:
        for p in papers:
            for q in p.questions:
                data = build_mht(q.qid, q.body, q.pictures)
                name = "%d.mht" % q.qid
                wanted.add(name)
                total += len(data)
                path = os.path.join(PAGES, name)
                old = None
                if os.path.exists(path):
                    with open(path, "rb") as f:
                        old = f.read()
                if old != data:
                    with open(path, "wb") as f:
                        f.write(data)
    for name in os.listdir(PAGES):
        if name.endswith(".mht") and name not in wanted:
            os.remove(os.path.join(PAGES, name))
    return len(wanted), total


def set_output(folder):
    """Writes into folder/data and folder/pages instead of the committed assets."""
    global DATA, PAGES
    DATA = os.path.join(folder, "data")
    PAGES = os.path.join(folder, "pages")


def main(argv):
    if len(argv) == 2 and argv[0] == "--out":
        set_output(argv[1])
    elif argv:
        sys.exit("usage: generate.py [--out FOLDER]")
    os.makedirs(DATA, exist_ok=True)
    os.makedirs(PAGES, exist_ok=True)
    all_papers = []
    for subject in SUBJECTS:
        papers = assemble(subject)
        blanks = check_subject(subject, papers)
        qcount = sum(len(p.questions) for p in papers)
        print("%-12s %2d papers %4d questions %4d blanks" %
              (subject["name"], len(papers), qcount, blanks))
        all_papers.append(papers)
    for subject, papers in zip(SUBJECTS, all_papers):
        write_tables(subject, papers)
        write_templates(subject, papers)
    write_catalogue()
    pages, size = write_pages(all_papers)
    print("%d pages, %d bytes" % (pages, size))


if __name__ == "__main__":
    main(sys.argv[1:])
