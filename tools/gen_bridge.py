#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes both sides of the bridge between the program and the page from web/bridge.def.

    gen_bridge.py --table web/bridge.def --out DIR

writes DIR/bridge.h, DIR/library.js, DIR/bridge.js and DIR/exported.txt (see the table's head).
A file whose text is unchanged is not written again, so that nothing built from it is rebuilt.
"""

import argparse
import re
import sys
from dataclasses import dataclass, field
from pathlib import Path

C_PARAM = {'int': 'int', 'double': 'double', 'str': 'const char*'}
C_RESULT = {'void': 'void', 'int': 'int', 'double': 'double', 'str': 'char*'}
NOTICE = 'Made by tools/gen_bridge.py from web/bridge.def; edit the table, not this file.'

CONST = re.compile(r'const\s+([A-Z]\w*)\.([A-Z]\w*)\s+(-?\d+)(?:\s+([\w:]+))?$')
PAGE = re.compile(r'page\s+(wk_\w+)\(([^)]*)\)\s+([a-z]\w*)(?:\s+(attach))?$')
PROGRAM = re.compile(r'program\s+(\w+)\s+(wk_\w+)\(([^)]*)\)$')
KEEP = re.compile(r'keep((?:\s+\w+)+)$')


class TableError(Exception):
    pass


@dataclass
class Const:
    group: str
    name: str
    value: int
    model: str | None


@dataclass
class Call:
    name: str
    params: list[tuple[str, str]]  # (type, name)
    result: str = 'void'
    method: str = ''  # the page's method, for calls into the page
    attach: bool = False


@dataclass
class Table:
    consts: list[Const] = field(default_factory=list)
    page: list[Call] = field(default_factory=list)
    program: list[Call] = field(default_factory=list)
    keep: list[str] = field(default_factory=list)


def parse_params(text, where):
    params = []
    for part in filter(None, (p.strip() for p in text.split(','))):
        words = part.split()
        if len(words) != 2 or words[0] not in C_PARAM or not words[1].isidentifier():
            raise TableError(f'{where}: a parameter is "<int|double|str> <name>", not "{part}"')
        params.append((words[0], words[1]))
    return params


def parse(text, source='bridge.def'):
    table = Table()
    names = set()
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.split('#', 1)[0].strip()
        if not line:
            continue
        where = f'{source}:{number}'
        if m := CONST.match(line):
            table.consts.append(Const(m[1], m[2], int(m[3]), m[4]))
            key = f'{m[1]}.{m[2]}'
        elif m := PAGE.match(line):
            table.page.append(Call(m[1], parse_params(m[2], where), method=m[3],
                                   attach=bool(m[4])))
            key = m[1]
        elif m := PROGRAM.match(line):
            if m[1] not in C_RESULT:
                raise TableError(f'{where}: no result type "{m[1]}"')
            table.program.append(Call(m[2], parse_params(m[3], where), result=m[1]))
            key = m[2]
        elif m := KEEP.match(line):
            table.keep += m[1].split()
            continue
        else:
            raise TableError(f'{where}: not a line of the table: "{line}"')
        if key in names:
            raise TableError(f'{where}: {key} is in the table twice')
        names.add(key)
    return table


def groups(table):
    out = {}
    for c in table.consts:
        out.setdefault(c.group, []).append(c)
    return out


def c_declaration(call):
    params = ', '.join(f'{C_PARAM[t]} {n}' for t, n in call.params)
    return f'{C_RESULT[call.result]} {call.name}({params});'


def header(table):
    lines = [
        f'// {NOTICE}', '', '#pragma once', '',
        '#include "controls/control.h"', '#include "controls/form.h"',
        '#include "controls/twips.h"', '#include "controls/types.h"', '',
        '#include <type_traits>', '',
        '// The page\'s side, in library.js. Sizes are in logical pixels, colours 0xRRGGBB or -1',
        '// for none, strings UTF-8.',
        'extern "C" {',
    ]
    lines += [c_declaration(c) for c in table.page]
    lines += ['', '// The program\'s side, called by the page.']
    lines += [c_declaration(c) for c in table.program]
    lines += ['}', '', '// The numbers the page shares with the program.']
    lines.append('namespace web::bridge {')
    for group, consts in groups(table).items():
        lines.append(f'namespace {group} {{')
        lines += [f'inline constexpr int k{c.name} = {c.value};' for c in consts]
        lines.append(f'}} // namespace {group}')
    lines += [
        '',
        '// Whether the table\'s number is the control model\'s (an enumerator\'s value, or a',
        '// number).',
        'template <class T>',
        'constexpr bool IsModels(int number, T model) {',
        '    if constexpr (std::is_enum_v<T>)',
        '        return number == static_cast<std::underlying_type_t<T>>(model);',
        '    else',
        '        return number == model;',
        '}',
        '} // namespace web::bridge', '',
    ]
    for c in table.consts:
        if c.model:
            lines.append(f'static_assert(web::bridge::IsModels(web::bridge::{c.group}::k{c.name}, '
                         f'{c.model}),')
            message = f'{c.group}.{c.name} in web/bridge.def is not the model\'s'
            lines.append(f'              "{message}");')
    return '\n'.join(lines) + '\n'


def library(table):
    lines = [
        f'// {NOTICE}', '',
        '// The functions the program calls: each hands its arguments, strings decoded, to the',
        '// page\'s side (web/js).',
        'mergeInto(LibraryManager.library, {',
    ]
    for c in table.page:
        params = ', '.join(n for _, n in c.params)
        args = ', '.join(f'UTF8ToString({n})' if t == 'str' else n for t, n in c.params)
        body = ['WakuseiPage.attach(Module);'] if c.attach else []
        body.append(f'WakuseiPage.{c.method}({args});')
        lines.append(f'  {c.name}: function ({params}) {{ {" ".join(body)} }},')
    lines.append('});')
    return '\n'.join(lines) + '\n'


def constants(table):
    lines = [f'// {NOTICE}', '', '// The numbers the page shares with the program.']
    for group, consts in groups(table).items():
        members = ', '.join(f'{c.name}: {c.value}' for c in consts)
        lines.append(f'export const {group} = Object.freeze({{ {members} }});')
    return '\n'.join(lines) + '\n'


def exported(table):
    return '\n'.join('_' + n for n in table.keep + [c.name for c in table.program]) + '\n'


def outputs(table):
    return {
        'bridge.h': header(table),
        'library.js': library(table),
        'bridge.js': constants(table),
        'exported.txt': exported(table),
    }


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--table', type=Path, required=True)
    parser.add_argument('--out', type=Path, required=True)
    args = parser.parse_args(argv)
    try:
        table = parse(args.table.read_text(encoding='utf-8'), args.table.name)
    except TableError as e:
        print(f'gen_bridge.py: {e}', file=sys.stderr)
        return 1
    args.out.mkdir(parents=True, exist_ok=True)
    for name, text in outputs(table).items():
        path = args.out / name
        if not path.exists() or path.read_text(encoding='utf-8') != text:
            path.write_text(text, encoding='utf-8')
    return 0


if __name__ == '__main__':
    sys.exit(main())
