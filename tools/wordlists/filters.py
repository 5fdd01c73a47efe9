#!/usr/bin/python3
"""Generates the HTML and e-mail filter tables under engine/data/filters.

  html_entities.txt  numeric references #032..#255 and #32..#99, then the HTML 4
                     names of the Latin-1 characters (nbsp..yuml) and amp, lt, gt,
                     quot, each with its one-byte Latin-1 replacement
  html_tags.txt      tag name and the text that replaces the tag
  header_names.txt   e-mail header-name prefixes (curated)
  salutations.txt    greetings and closings (curated)

Run: /usr/bin/python3 tools/wordlists/filters.py
"""
import html.entities
import sys

from wordlist_io import read_curated, read_words, write_list, write_table

RS, GS = b'\x1e', b'\x1d'
TAG_REPLACEMENTS = {'nothing': b'', 'RS': RS + b' ', 'GS': GS + b' '}


def html_entities():
    pairs = [('#%03d' % v, bytes([v])) for v in range(32, 256)]
    pairs += [('#%02d' % v, bytes([v])) for v in range(32, 100)]
    by_code = {cp: name for name, cp in html.entities.name2codepoint.items()
               if 160 <= cp <= 255}
    if sorted(by_code) != list(range(160, 256)):
        sys.exit('html.entities lacks some Latin-1 names')
    special = {'nbsp': b' ', 'shy': b'-'}
    for cp in range(160, 256):
        name = by_code[cp]
        pairs.append((name, special.get(name, bytes([cp]))))
    for name in ('amp', 'lt', 'gt', 'quot'):
        pairs.append((name, bytes([html.entities.name2codepoint[name]])))
    return pairs


def html_tags():
    pairs = []
    for line in read_curated('filters', 'html_tags.txt'):
        tag, kind = line.split('\t')
        pairs.append((tag, TAG_REPLACEMENTS[kind]))
    return pairs


def main():
    write_table('filters/html_entities.txt', html_entities())
    write_table('filters/html_tags.txt', html_tags())
    # Header prefixes keep their trailing blank ("reply "): read them untrimmed.
    write_list('filters/header_names.txt', read_curated('filters', 'header_names.txt'))
    write_list('filters/salutations.txt', read_words('filters', 'salutations.txt'))


if __name__ == '__main__':
    main()
