"""Reading the question banks: text files of one item per line, "TYPE: field | field ..."."""

import os

BANKS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "banks")


def lines(name):
    """(type, fields) of every item line of banks/name; '#' starts a comment line."""
    out = []
    with open(os.path.join(BANKS, name), encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            raw = raw.strip()
            if not raw or raw.startswith("#"):
                continue
            kind, sep, rest = raw.partition(":")
            assert sep and kind.isalpha(), (name, number, raw)
            fields = [x.strip() for x in rest.split("|")]
            assert all(fields), (name, number, raw)
            out.append((kind, fields))
    return out


def blocks(name):
    """Items of several lines, separated by a line "===": each a list of (tag, text) where a
    line "Tag: text" starts a field and other lines continue it."""
    items, current = [], []
    with open(os.path.join(BANKS, name), encoding="ascii") as f:
        for raw in f:
            raw = raw.rstrip("\n")
            if raw.startswith("#"):
                continue
            if raw.strip() == "===":
                if current:
                    items.append(current)
                current = []
                continue
            tag, sep, rest = raw.partition(":")
            if sep and tag and tag.replace(" ", "").isalnum() and len(tag) <= 12 \
                    and raw[0].isupper() and " " not in tag:
                current.append((tag, rest.strip()))
            elif raw.strip():
                assert current, (name, raw)
                tag, text = current[-1]
                current[-1] = (tag, (text + " " + raw.strip()).strip())
    if current:
        items.append(current)
    return items
