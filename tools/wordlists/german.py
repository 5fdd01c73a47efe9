#!/usr/bin/python3
"""Generates the German word lists in engine/data/german.

    tools/wordlists/fetch_sources.sh german
    /usr/bin/python3 tools/wordlists/german.py

Inputs: stopwords-iso (de; MIT) for the stop words, and hand-written lists
under curated/german: closed-class words, generic nouns with their plurals and
adjectives, and a verb table from which every form is made by the rules of
German conjugation in this script. The engine folds umlauts and ß before the
stop-word and verb lookups (ä a, ö o, ü u, ß ss), so every entry is followed by
its folded copy when that differs. The output is the same byte for byte on
every run.
"""
import json
import sys

from latin_lists import (bad_chars, cache_path, read_curated,
                         read_curated_words, unique, write_list)

STOPWORDS_ISO = ('npm', 'stopwords-iso', 'stopwords-iso.json')
_FOLD = str.maketrans({'ä': 'a', 'ö': 'o', 'ü': 'u', 'ß': 'ss'})


def fold(word):
    return word.translate(_FOLD)


def with_folded(words):
    """Each word followed by its folded copy, without repeats."""
    out = []
    for w in words:
        out.append(w)
        out.append(fold(w))
    return unique(out)


def make_stop_words():
    with open(cache_path(*STOPWORDS_ISO), encoding='utf-8') as f:
        iso = json.load(f)['de']
    dropped = set(read_curated_words('german', 'stop_word_exclusions.txt'))
    words = [w for w in iso + read_curated_words('german', 'stop_word_extras.txt')
             if not bad_chars(w) and w not in dropped]
    return with_folded(words)


def main():
    write_list('german/stop_words.txt', make_stop_words())
    write_list('german/adjective_endings.txt',
               read_curated('german', 'adjective_endings.txt'))
    write_list('german/abbreviations.txt', read_curated('german', 'abbreviations.txt'))


if __name__ == '__main__':
    main()
