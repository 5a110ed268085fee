#!/usr/bin/env python3
"""Writes the manual page of a Mirel executable from its --help, so that the
page says what the program itself says.

    python3 dist/usage-to-man.py PROGRAM SUMMARY VERSION DATE OUT [SEE_ALSO...]

The usage text follows one layout: "usage: NAME ARGS" lines first (further
forms below it start with NAME, indented; other indented lines continue the
form above), then blocks separated by blank lines. In a block, a line that
starts at the margin with a short tag, two or more spaces and text opens an
entry (its indented lines continue it); other lines are running text. DATE is
an RFC 2822 date (the release's, from the changelog), so that the page is the
same on every rebuild."""

import argparse
import email.utils
import os
import re
import subprocess
import sys

USAGE_PREFIX = "usage: "
MAX_TAG = 16
TAGGED = re.compile(r"^(\S+(?: \S+)*?) {2,}(\S.*)$")


def escape(text):
    """Text as roff prints it literally: backslashes, minus signs, and no
    request at the start of a line."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text[:1] in (".", "'") else text


def parse(help_text, name):
    """(synopsis forms, blocks); a block is a list of ("entry", tag, text) and
    ("text", text) items."""
    lines = help_text.rstrip("\n").split("\n")
    if not lines or not lines[0].startswith(USAGE_PREFIX + name):
        sys.exit(f"usage-to-man: {name} --help does not start with '{USAGE_PREFIX}{name}'")
    forms = [lines[0][len(USAGE_PREFIX) + len(name):].strip()]
    k = 1
    while k < len(lines) and lines[k].startswith(" "):
        rest = lines[k].strip()
        if rest.startswith(name + " "):
            forms.append(rest[len(name):].strip())
        else:
            forms[-1] += " " + rest
        k += 1

    blocks, items = [], []
    for line in lines[k:] + [""]:
        if not line.strip():
            if items:
                blocks.append(items)
            items = []
            continue
        tagged = TAGGED.match(line)
        if tagged and len(tagged.group(1)) <= MAX_TAG:
            items.append(["entry", tagged.group(1), tagged.group(2)])
        elif line.startswith(" ") and items and items[-1][0] == "entry":
            items[-1][2] += " " + line.strip()
        elif items and items[-1][0] == "text":
            items[-1][1] += " " + line.strip()
        else:
            items.append(["text", line.strip()])
    return forms, blocks


def man_page(name, summary, version, date, forms, blocks, see_also):
    when = email.utils.parsedate_to_datetime(date).strftime("%B %Y")
    out = [
        f'.TH {name.upper()} 1 "{when}" "Mirel {version}" "User Commands"',
        ".SH NAME",
        f"{escape(name)} \\- {escape(summary)}",
        ".SH SYNOPSIS",
    ]
    for index, form in enumerate(forms):
        if index:
            out.append(".br")
        out.append(f"\\fB{escape(name)}\\fR {escape(form)}")
    out.append(".SH DESCRIPTION")
    for index, block in enumerate(blocks):
        if index:
            out.append(".PP")
        for item in block:
            if item[0] == "entry":
                out += [".TP", f"\\fB{escape(item[1])}\\fR", escape(item[2])]
            else:
                out.append(escape(item[1]))
    if see_also:
        out += [".SH SEE ALSO", ", ".join(f"\\fB{escape(page)}\\fR(1)" for page in see_also)]
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description="Manual page from a program's --help")
    parser.add_argument("program")
    parser.add_argument("summary")
    parser.add_argument("version")
    parser.add_argument("date")
    parser.add_argument("out")
    parser.add_argument("see_also", nargs="*")
    args = parser.parse_args()

    name = os.path.basename(args.program)
    # No display, no settings: the usage must come before either is touched.
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    run = subprocess.run([args.program, "--help"], capture_output=True, text=True, env=env)
    if run.returncode != 0:
        sys.exit(f"usage-to-man: {name} --help ended with status {run.returncode}: {run.stderr}")
    forms, blocks = parse(run.stdout, name)
    page = man_page(name, args.summary, args.version, args.date, forms, blocks, args.see_also)
    with open(args.out, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
