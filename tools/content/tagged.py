"""Tagged record files as the program reads them: ASCII, CR LF, framed by "..." lines."""

import re

_BAD = re.compile(r"[>#\r\n]")


def record(key, values=None):
    """"#KEY#" followed by ">value" for each value (no values: the bare key)."""
    out = "#%s#" % key
    for value in values or []:
        value = str(value)
        assert not _BAD.search(value), (key, value)
        out += ">" + value
    return out


def write(path, lines):
    text = "\r\n".join(["..."] + lines + ["..."]) + "\r\n"
    data = text.encode("ascii")
    with open(path, "wb") as f:
        f.write(data)
