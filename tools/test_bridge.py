#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The bridge's table against both sides, its generator, and the page's import graph.

    python3 tools/test_bridge.py
"""

import contextlib
import io
import json
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / 'tools'))

import check_js_imports  # noqa: E402
import gen_bridge  # noqa: E402

WEB = ROOT / 'web'
NODE = shutil.which('node')


def read(path):
    return path.read_text(encoding='utf-8')


def table():
    return gen_bridge.parse(read(WEB / 'bridge.def'))


def program_sources():
    return [WEB / 'backend.cpp', WEB / 'main.cpp']


def page_modules():
    return sorted((WEB / 'js').glob('*.js'))


def exported_names(module_text):
    names = set(re.findall(r'^export\s+(?:async\s+)?(?:function\*?|const|let|class)\s+(\w+)',
                           module_text, re.MULTILINE))
    for group in re.findall(r'^export\s*\{([^}]*)\}', module_text, re.MULTILINE):
        names |= {part.split(' as ')[-1].strip() for part in group.split(',') if part.strip()}
    return names


def page_methods():
    """The methods of window.WakuseiPage as web/js/main.js makes it."""
    main = read(WEB / 'js' / 'main.js')
    body = re.search(r'window\.WakuseiPage\s*=\s*\{(.*?)\};', main, re.DOTALL)
    assert body, 'main.js makes no window.WakuseiPage'
    namespaces = dict(re.findall(r"import\s*\*\s*as\s+(\w+)\s+from\s*'\./([\w.]+)'", main))
    methods = set()
    for entry in filter(None, (e.strip() for e in body[1].split(','))):
        if entry.startswith('...'):
            methods |= exported_names(read(WEB / 'js' / namespaces[entry[3:]]))
        else:
            methods.add(entry.split(':')[0].strip())
    return methods


class SharedNumbers(unittest.TestCase):
    # The numbers the program and the page agree on, as the control model defines them.
    EXPECTED = {
        'Kind.Button': 0, 'Kind.Label': 1, 'Kind.PictureBox': 2, 'Kind.Shape': 3,
        'Kind.Line': 4, 'Kind.Image': 5,
        'Key.Enter': 0, 'Key.Escape': 1, 'Key.Space': 2,
        'Align.Left': 0, 'Align.Right': 1, 'Align.Center': 2,
        'Twips.PerPixel': 15,
    }

    def test_the_table_holds_each_number_and_ties_it_to_the_model(self):
        got = {f'{c.group}.{c.name}': c for c in table().consts}
        self.assertEqual(set(got), set(self.EXPECTED))
        for name, value in self.EXPECTED.items():
            with self.subTest(name):
                self.assertEqual(got[name].value, value)
                self.assertTrue(got[name].model, 'no compile-time check against the model')

    def test_no_page_module_spells_out_a_kind_or_key_code(self):
        # What used to be copied by hand: the kinds' list and the keys' codes.
        copies = [r"\[\s*'button'\s*,\s*'label'", r'Enter\s*:\s*0', r"'\s'\s*:\s*2",
                  r'key\s*[!=]==\s*\d', r'/\s*15\b', r"\[\s*'left'\s*,\s*'right'"]
        for module in page_modules():
            text = read(module)
            for pattern in copies:
                with self.subTest(module=module.name, pattern=pattern):
                    self.assertIsNone(re.search(pattern, text))


class BothSides(unittest.TestCase):
    def test_the_program_defines_exactly_the_functions_the_table_exports(self):
        defined = set()
        for source in program_sources():
            defined |= set(re.findall(r'EMSCRIPTEN_KEEPALIVE\s+[\w*\s]+?\b(wk_\w+)\s*\(',
                                      read(source)))
        self.assertEqual(defined, {c.name for c in table().program})

    def test_the_backend_calls_exactly_the_page_functions_of_the_table(self):
        text = read(WEB / 'backend.cpp')
        defined = set(re.findall(r'EMSCRIPTEN_KEEPALIVE\s+[\w*\s]+?\b(wk_\w+)\s*\(', text))
        called = set(re.findall(r'\b(wk_\w+)\s*\(', text)) - defined
        self.assertEqual(called, {c.name for c in table().page})

    def test_the_page_calls_exactly_the_program_functions_of_the_table(self):
        called = set()
        for module in page_modules():
            text = read(module)
            called |= set(re.findall(r'\._(wk_\w+)\b', text))
            called |= set(re.findall(r"ccall\(\s*'(wk_\w+)'", text))
        self.assertEqual(called, {c.name for c in table().program})

    def test_the_page_module_defines_every_method_the_table_names(self):
        methods = page_methods()
        wanted = {c.method for c in table().page} | {'attach'}
        self.assertEqual(wanted - methods, set())

    def test_a_text_from_the_program_is_decoded_and_every_other_argument_passed_as_is(self):
        library = gen_bridge.library(table())
        for call in table().page:
            with self.subTest(call.name):
                line = next(ln for ln in library.splitlines() if ln.strip().startswith(call.name))
                args = re.search(rf'WakuseiPage\.{call.method}\((.*)\);', line)[1]
                expected = [f'UTF8ToString({n})' if t == 'str' else n for t, n in call.params]
                self.assertEqual([a.strip() for a in args.split(',') if a.strip()], expected)


class Generator(unittest.TestCase):
    BAD = [
        ('a name twice', 'page wk_a(int id) a\npage wk_a(int id) b\n'),
        ('an unknown parameter type', 'page wk_a(float x) a\n'),
        ('a parameter without a name', 'page wk_a(int) a\n'),
        ('a call into the page without a method', 'page wk_a(int id)\n'),
        ('an unknown result type', 'program float wk_a()\n'),
        ('a number that is no number', 'const Kind.Button one\n'),
        ('a constant without a group', 'const Button 0\n'),
        ('a line of nothing known', 'pages wk_a() a\n'),
    ]

    def test_a_faulty_table_is_refused(self):
        for what, text in self.BAD:
            with self.subTest(what):
                with self.assertRaises(gen_bridge.TableError):
                    gen_bridge.parse(text)

    def test_comments_and_blank_lines_are_not_entries(self):
        t = gen_bridge.parse('# head\n\npage wk_a(int id, str s) a  # trailing\nkeep main\n')
        self.assertEqual([(c.name, c.params, c.method) for c in t.page],
                         [('wk_a', [('int', 'id'), ('str', 's')], 'a')])
        self.assertEqual(t.keep, ['main'])

    def test_the_link_keeps_main_free_and_every_program_function(self):
        exported = gen_bridge.exported(table()).split()
        self.assertEqual(exported[:2], ['_main', '_free'])
        self.assertEqual(set(exported[2:]), {'_' + c.name for c in table().program})

    def test_the_header_declares_both_directions(self):
        header = gen_bridge.header(table())
        self.assertIn('void wk_form_create(int id, const char* name, int main);', header)
        self.assertIn('char* wk_snapshot(int form);', header)
        self.assertIn('double wk_fired();', header)

    @unittest.skipUnless(NODE, 'node is not installed')
    def test_the_generated_scripts_parse_and_hold_the_table_s_numbers(self):
        with tempfile.TemporaryDirectory() as out:
            self.assertEqual(gen_bridge.main(['--table', str(WEB / 'bridge.def'), '--out', out]), 0)
            subprocess.run([NODE, '--check', str(Path(out) / 'library.js')], check=True)
            script = ("const b = await import(process.argv[1]);"
                      "console.log(JSON.stringify(b));")
            result = subprocess.run(
                [NODE, '--input-type=module', '-e', script, '--',
                 Path(out, 'bridge.js').as_uri()], check=True, capture_output=True, text=True)
        got = {f'{g}.{n}': v for g, members in json.loads(result.stdout).items()
               for n, v in members.items()}
        self.assertEqual(got, SharedNumbers.EXPECTED)


class ImportCircles(unittest.TestCase):
    GRAPHS = [
        ('none, though two share one', {'a': ['b', 'c'], 'b': ['d'], 'c': ['d'], 'd': []}, []),
        ('two modules', {'a': ['b'], 'b': ['a']}, [['a', 'b', 'a']]),
        ('three modules', {'c': ['a'], 'a': ['b'], 'b': ['c']}, [['a', 'b', 'c', 'a']]),
        ('a module importing itself', {'a': ['a']}, [['a', 'a']]),
        ('two circles through one module', {'a': ['b', 'c'], 'b': ['a'], 'c': ['a']},
         [['a', 'b', 'a'], ['a', 'c', 'a']]),
    ]

    def test_every_circle_is_found_once(self):
        for what, edges, expected in self.GRAPHS:
            with self.subTest(what):
                self.assertEqual(check_js_imports.cycles(edges), expected)

    def test_a_circle_in_the_files_fails_the_check(self):
        with tempfile.TemporaryDirectory() as d:
            Path(d, 'a.js').write_text("import { b } from './b.js';\n", encoding='utf-8')
            Path(d, 'b.js').write_text("import {\n  a,\n} from './a.js';\n", encoding='utf-8')
            Path(d, 'c.js').write_text("import { a } from './a.js';\n", encoding='utf-8')
            said = io.StringIO()
            with contextlib.redirect_stdout(said):
                self.assertEqual(check_js_imports.main([d]), 1)
            self.assertEqual(said.getvalue(), 'import circle: a.js -> b.js -> a.js\n')
            Path(d, 'b.js').write_text("// import { a } from './a.js';\n", encoding='utf-8')
            self.assertEqual(check_js_imports.main([d]), 0)

    def test_the_page_s_modules_import_in_no_circle(self):
        self.assertEqual(check_js_imports.cycles(check_js_imports.graph(WEB / 'js')), [])


if __name__ == '__main__':
    unittest.main()
