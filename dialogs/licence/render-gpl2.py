#!/usr/bin/env python3
"""Renders the plain-text GNU GPL version 2 as the rich text of the About box.

Run by hand when the text changes; the output is committed:
    dialogs/licence/render-gpl2.py /usr/share/common-licenses/GPL-2 > dialogs/licence/gpl-2.0.html
The words are kept exactly; only the line breaking inside a paragraph is left
to the text browser. The sample notices keep their lines, in a monospaced font.
"""
import html
import sys


def paragraphs(text):
    block = []
    for line in text.splitlines():
        if line.strip():
            block.append(line.rstrip())
        elif block:
            yield block
            block = []
    if block:
        yield block


def indent(line):
    return len(line) - len(line.lstrip(' '))


def render(text):
    out = ['<html><head><meta charset="utf-8"/></head>',
           '<body style="font-size:8pt;">']
    in_appendix = False
    first = True
    for block in paragraphs(text):
        words = ' '.join(line.strip() for line in block)
        if first:
            # The title and its version line.
            out.append('<h2 align="center">%s<br/>%s</h2>'
                       % tuple(html.escape(line.strip()) for line in block))
            first = False
        elif indent(block[0]) >= 8 and all(indent(line) >= 3 for line in block):
            # Centred headings: Preamble, the terms, NO WARRANTY, the appendix.
            if block[0].strip().startswith('How to Apply'):
                in_appendix = True
            out.append('<h3 align="center">%s</h3>'
                       % '<br/>'.join(html.escape(line.strip()) for line in block))
        elif block[0].startswith(' Copyright (C) 1989'):
            # The publisher's notice keeps its lines.
            out.append('<p align="center">%s</p>'
                       % '<br/>'.join(html.escape(line.strip()) for line in block))
        elif in_appendix and all(indent(line) >= 2 for line in block):
            # Sample notices are meant to be copied line by line.
            common = min(indent(line) for line in block)
            out.append('<pre style="font-family:monospace; font-size:8pt; margin-left:20px;">%s</pre>'
                       % html.escape('\n'.join(line[common:] for line in block)))
        elif all(indent(line) >= 4 for line in block):
            # The lettered sub-clauses of the terms.
            out.append('<p style="margin-left:20px;">%s</p>' % html.escape(words))
        else:
            out.append('<p>%s</p>' % html.escape(words))
    out.append('</body></html>')
    return '\n'.join(out) + '\n'


if __name__ == '__main__':
    with open(sys.argv[1], encoding='utf-8') as source:
        sys.stdout.write(render(source.read()))
