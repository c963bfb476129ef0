"""Science papers: choice questions and open-ended questions from the banks."""

import placeholder
from model import Question, group
from page import rows

TOPIC = [(1, 2)] * 10 + [(1, 3)] * 5
# mock papers total 100 marks: 2-mark and 3-mark questions
MOCKS = [[(1, 2)] * 17 + [(1, 3)] * 22] * 3 + [[(1, 2)] * 20 + [(1, 3)] * 20]


def metals_question():
    body = ('<p class="stem">Some metals are pure metals. Others are alloys, made by mixing '
            'metals together.</p><div class="box">copper &nbsp; steel &nbsp; gold &nbsp; '
            'brass &nbsp; iron &nbsp; bronze</div>'
            '<p class="stem">Sort the six metals in the box.</p>'
            '<p class="sub">Pure metals:</p>')
    body += rows([("", "", None)] * 3, 1, 6)
    body += '<p class="sub">Alloys:</p>' + rows([("", "", None)] * 3, 4, 6)
    blanks = group(["Copper", "Gold", "Iron"], 3) + group(["Steel", "Brass", "Bronze"], 3)
    return Question(body, blanks, tag="alloys")


def build():
    topics = [[placeholder.paper("S%d.%d" % (t + 1, k + 1), TOPIC) for k in range(5)]
              for t in range(6)]
    mocks = [placeholder.paper("S7.%d" % (k + 1), MOCKS[k]) for k in range(4)]
    last = placeholder.paper("S7.5", [(1, 2)] * 23 + [(1, 3)] * 16)
    last.append(metals_question())
    return topics + [mocks + [last]]
