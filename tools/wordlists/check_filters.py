#!/usr/bin/python3
"""Checks the generated filter tables under engine/data/filters.

Run: /usr/bin/python3 tools/wordlists/check_filters.py
"""
from wordlist_io import Checker, unescape_value

c = Checker()

lines = c.read('filters/html_entities.txt')
table = {}
for line in lines:
    key, value = line.split('\t')
    table[key] = unescape_value(value)
c.counts('filters/html_entities.txt', [l.split('\t')[0] for l in lines], 392)
for v in range(32, 256):
    c.ok(table.get('#%03d' % v) == bytes([v]), '#%03d' % v)
for v in range(32, 100):
    c.ok(table.get('#%02d' % v) == bytes([v]), '#%02d' % v)
for key, value in [('amp', b'&'), ('lt', b'<'), ('gt', b'>'), ('quot', b'"'), ('nbsp', b' '),
                   ('shy', b'-'), ('eacute', b'\xe9'), ('Auml', b'\xc4'), ('auml', b'\xe4'),
                   ('atilde', b'\xe3'), ('yuml', b'\xff'), ('iexcl', b'\xa1'), ('#233', b'\xe9'),
                   ('#65', b'A'), ('#065', b'A'), ('#092', b'\\')]:
    c.ok(table.get(key) == value, f'entity {key}: {table.get(key)!r}')
for key in ('#0233', '#7', '#007', '#8217', '#256', 'euro', 'apos'):
    c.ok(key not in table, f'entity {key} must not be there')

lines = c.read('filters/html_tags.txt')
tags = {l.split('\t')[0]: unescape_value(l.split('\t')[1]) for l in lines}
c.counts('filters/html_tags.txt', [l.split('\t')[0] for l in lines], 38)
kinds = {b'': 13, b'\x1e ': 23, b'\x1d ': 2}
for value, n in kinds.items():
    c.ok(sum(1 for v in tags.values() if v == value) == n, f'{n} tags replaced by {value!r}')
for tag, value in [('a', b''), ('/b', b''), ('p', b'\x1e '), ('br', b'\x1e '), ('li', b'\x1e '),
                   ('/title', b'\x1e '), ('/a', b'\x1d '), ('/code', b'\x1d ')]:
    c.ok(tags.get(tag) == value, f'tag {tag}')

lines = c.read('filters/header_names.txt')
c.counts('filters/header_names.txt', lines, 43)
c.include('filters/header_names.txt', lines,
          ['(smi-', 'reply ', 'reply-', 'reply:', 'x-', 'x400-', 'mail*', 'content-', 'from:'])

lines = c.read('filters/salutations.txt')
c.counts('filters/salutations.txt', lines, 67)
c.include('filters/salutations.txt', lines,
          ['best regards', 'hi', 'bien à vous', 'sincèrement', 'sehr geehrter',
           'estimada señora', 'un afectuoso saludo', 'thankyou'])
c.done()
