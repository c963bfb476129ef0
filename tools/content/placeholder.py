"""Stand-in questions for topics whose bank is not written yet: valid pages and keys."""

from model import Blank, Question
from page import rows


def make(tag, blanks, marks=1):
    body = ('<p class="ins">Practice item %s.</p>'
            '<p class="stem">Type the word <b>yes</b> in %s.</p>'
            % (tag, "each answer box" if blanks > 1 else "the answer box"))
    body += rows([("", "", None)] * blanks)
    marks_list = marks if isinstance(marks, list) else [marks] * blanks
    return Question(body, [Blank("T", "yes", m) for m in marks_list], tag=tag)


def paper(prefix, shape):
    """shape: list of (blanks, marks) per question."""
    return [make("%s-%d" % (prefix, i + 1), b, m) for i, (b, m) in enumerate(shape)]
