"""Question pages: the HTML of a page and its packing as a single-file MHT document.

Markup the content test relies on:
  <span class="expr">3456 + 2789 =</span>  a calculation whose value is a blank's answer
  <b class="v">2345</b>                     a number the pupil works with (v1, v2... in order)
  <span class="ans" data-b="1" data-calc="v1-v2">  the blank with the answer-row number
                                                   and how its answer follows from the numbers
"""

import base64
import html
import quopri

from model import ROW_LABELS

STYLE = (
    # The window lays its "Question n" strip over the top of the page: keep clear of it.
    "body{font-family:Arial,'DejaVu Sans',Helvetica,sans-serif;font-size:19px;"
    "line-height:1.6;color:#1d1d1d;background:#fff;margin:42px 22px 14px}"
    "p{margin:0 0 12px}"
    ".ins,.rule{color:#35517a;font-style:italic;font-size:17px}"
    ".stem{margin-bottom:14px}"
    ".opts{list-style:none;padding:0;margin:4px 0 14px 10px}"
    ".opts li{margin:3px 0}"
    ".ans{white-space:nowrap}"
    ".line{display:inline-block;min-width:90px;border-bottom:1px solid #333;margin:0 4px}"
    ".lbl{font-weight:bold;margin-right:4px}"
    ".rows p{margin:6px 0}"
    ".box{border:2px solid #6a8fc7;border-radius:6px;padding:6px 12px;margin:8px 0 14px;"
    "word-spacing:14px;background:#f3f7fd}"
    ".passage{border-left:4px solid #c9d6ea;padding-left:12px;margin:6px 0 14px}"
    ".passage p{margin:0 0 10px;text-indent:0}"
    ".expr{font-size:21px;letter-spacing:1px}"
    ".pic{display:block;margin:6px 0 12px}"
    ".sub{margin:14px 0 4px}"
    "table.t{border-collapse:collapse;margin:6px 0 12px}"
    "table.t td,table.t th{border:1px solid #777;padding:3px 10px;text-align:center}"
)


def esc(text):
    return html.escape(text, quote=True)


def label(n):
    """Label of answer row n (1-based)."""
    return "(" + ROW_LABELS[n - 1] + ")"


def line(wide=False):
    # A sentence needs a line across most of the page; the style stays on the one element so
    # the shared style sheet of every other page is untouched.
    if wide:
        return '<span class="line" style="min-width:70%">&nbsp;</span>'
    return '<span class="line">&nbsp;</span>'


def options(texts, start=1):
    """Numbered options (1) to (4) of a choice question; texts are HTML."""
    items = "".join("<li>(%d) %s</li>" % (i + start, t) for i, t in enumerate(texts))
    return '<ol class="opts">' + items + "</ol>"


def answer_line(n, count, before="", after="", calc=None, wide=False):
    """The place of blank n shown on the page: label when the question has 2+ blanks,
    an empty line (wide for a whole sentence), and the unit or currency printed beside it."""
    attrs = ' data-b="%d"' % n
    if calc:
        attrs += ' data-calc="%s"' % esc(calc)
    lab = '<span class="lbl">%s</span>' % label(n) if count > 1 else ""
    if count == 1 and not lab:
        lab = '<span class="lbl">Answer:</span>'
    return '<span class="ans"%s>%s%s%s%s</span>' % (attrs, lab, before, line(wide), after)


def rows(items, start=1, total=None):
    """Answer lines, one paragraph each: items are (before, after, calc); the first is blank
    number start of a question with total blanks (default: just these)."""
    n = total or len(items)
    out = []
    for i, (before, after, calc) in enumerate(items, start):
        out.append("<p>" + answer_line(i, n, before, after, calc) + "</p>")
    return '<div class="rows">' + "".join(out) + "</div>"


def v(number):
    """A number the pupil works with, marked so the test can find it."""
    return '<b class="v">%s</b>' % number


def picture(n, alt, width=None):
    w = ' width="%d"' % width if width else ""
    return '<img class="pic" src="@PIC%d@" alt="%s"%s>' % (n, esc(alt), w)


def build_html(qid, body):
    return (
        '<!DOCTYPE html>\n<html><head><meta charset="us-ascii">'
        "<title>Question</title>\n<style>" + STYLE + "</style></head>\n<body>\n"
        + body + "\n</body></html>\n"
    )


def _crlf(data):
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def build_mht(qid, body, pictures):
    """The whole MHT document of question qid as bytes (ASCII, CR LF lines)."""
    boundary = "----=_QuorvelPart_%d" % qid
    # Pictures are addressed as cid: URLs; the browser engine resolves those inside the
    # archive, while file: addresses of sub-parts are refused.
    ids = ["q%d.pic%d@quorvel" % (qid, i + 1) for i in range(len(pictures))]
    locations = ["cid:" + i for i in ids]
    for i, loc in enumerate(locations):
        body = body.replace("@PIC%d@" % (i + 1), loc)
    assert "@PIC" not in body, qid
    page = build_html(qid, body)
    page.encode("ascii")  # pages are plain ASCII; entities carry the rest
    head = (
        "MIME-Version: 1.0\r\n"
        'Content-Type: multipart/related; boundary="%s"; type="text/html"\r\n'
        "\r\n" % boundary
    )
    parts = [head.encode("ascii")]
    qp = _crlf(quopri.encodestring(page.encode("ascii")))
    parts.append(("--%s\r\n" % boundary).encode("ascii"))
    parts.append(
        b'Content-Type: text/html; charset="us-ascii"\r\n'
        b"Content-Transfer-Encoding: quoted-printable\r\n"
        + ("Content-Location: file:///q%d.htm\r\n\r\n" % qid).encode("ascii")
    )
    parts.append(qp)
    if not qp.endswith(b"\r\n"):
        parts.append(b"\r\n")
    for svg, cid, loc in zip(pictures, ids, locations):
        parts.append(("\r\n--%s\r\n" % boundary).encode("ascii"))
        parts.append(
            b"Content-Type: image/svg+xml\r\n"
            b"Content-Transfer-Encoding: base64\r\n"
            + ("Content-ID: <%s>\r\n" % cid).encode("ascii")
            + ("Content-Location: %s\r\n\r\n" % loc).encode("ascii")
        )
        parts.append(_crlf(base64.encodebytes(svg.encode("utf-8"))))
    parts.append(("\r\n--%s--\r\n" % boundary).encode("ascii"))
    return b"".join(parts)
