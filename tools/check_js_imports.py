#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Fails when the page's modules import each other in a circle.

    check_js_imports.py [DIR]   (default: web/js)

Reads the static imports (import ... from './x.js', import './x.js', export ... from './x.js')
of DIR/*.js and prints every circle it finds, one a line, as a.js -> b.js -> a.js. Imports of
packages or of the build's generated modules (no ./ or ../) are not part of the graph.
"""

import re
import sys
from pathlib import Path

# The module path of a static import or re-export (import ... from 'p', export ... from 'p',
# import 'p'); a dynamic import('p') is not matched, for its parenthesis.
IMPORT = re.compile(
    r'''^\s*(?:(?:import|export)\b[^'"();=]*?\bfrom|import)\s*['"]([^'"]+)['"]''', re.MULTILINE)
COMMENT = re.compile(r'/\*.*?\*/|//[^\n]*', re.DOTALL)


def imports(text):
    """The relative module paths a module's text imports, in order."""
    text = COMMENT.sub('', text)
    return [p for p in IMPORT.findall(text) if p.startswith(('./', '../'))]


def graph(directory):
    """Module name -> the names of the modules of the same directory it imports."""
    directory = Path(directory)
    modules = sorted(directory.glob('*.js'))
    out = {}
    for m in modules:
        targets = []
        for p in imports(m.read_text(encoding='utf-8')):
            target = (directory / p).resolve()
            if target.parent == directory.resolve() and target.name not in targets:
                targets.append(target.name)
        out[m.name] = targets
    return out


def cycles(edges):
    """Each elementary circle once, as a list of names starting and ending with its smallest."""
    found = set()
    names = sorted(set(edges) | {t for ts in edges.values() for t in ts})

    # A circle is found from its smallest module only, going through larger ones.
    def walk(start, node, path, seen):
        for nxt in edges.get(node, []):
            if nxt == start:
                found.add(tuple(path + [start]))
            elif nxt > start and nxt not in seen:
                walk(start, nxt, path + [nxt], seen | {nxt})

    for start in names:
        walk(start, start, [start], {start})
    return sorted(list(c) for c in found)


def main(argv=None):
    args = sys.argv[1:] if argv is None else argv
    directory = Path(args[0] if args else 'web/js')
    if not directory.is_dir():
        print(f'check_js_imports.py: no directory {directory}', file=sys.stderr)
        return 2
    found = cycles(graph(directory))
    for c in found:
        print('import circle: ' + ' -> '.join(c))
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
