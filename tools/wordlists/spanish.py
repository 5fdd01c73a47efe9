#!/usr/bin/python3
"""Generates the Spanish word lists under engine/data/spanish.

  stop_words.txt            function words, numerals, month and weekday names, forms of
                            auxiliary and common verbs (with accent-folded copies)
  stop_phrases.txt          generic nouns, ordinal words and two-word phrases
  link_words.txt            words that may stand inside a phrase (curated)
  verbs.txt                 every simple-tense form of common verbs (with folded copies)
  verb_exceptions.txt       words that end like verb forms but are not (curated)
  adjectives.txt            common adjectives in their four forms (with folded copies)
  adjective_exceptions.txt  nouns with adjective-like endings (curated)
  abbreviations.txt         words after which a full stop does not end a sentence (curated)

The engine folds accents (á à â ã→a, é è ê→e, í ì î→i, ó ò ô→o, ú ù û→u; ñ ü ç stay)
before it looks words up, while language identification compares tokens as written,
so every accented entry is followed by its folded copy.

Raw material (fetched by tools/wordlists/fetch_sources.sh spanish): npm stopwords-iso,
the Snowball Spanish stop list from Debian postgresql-15, npm spanish-verbs (a
conjugator, run with node). Hand-made choices live in tools/wordlists/curated/spanish.

Run: /usr/bin/python3 tools/wordlists/spanish.py
"""
import json
import subprocess
import sys

from wordlist_io import (HERE, cache_path, fold_spanish, read_words, with_folded,
                         write_list)

STOP_WORDS = 840
STOP_PHRASES = 949
VERBS = 3266
ADJECTIVES = 412


def fill(entries, words, count):
    """Append each word and its folded copy (as a pair) while both fit and are new."""
    have = set(entries)
    for w in words:
        pair = [x for x in dict.fromkeys([w, fold_spanish(w)]) if x not in have]
        if len(entries) + len(pair) > count:
            continue
        entries += pair
        have.update(pair)
        if len(entries) == count:
            break
    return entries


# --- stop words --------------------------------------------------------------

def stop_words():
    with open(cache_path('npm', 'stopwords-iso', 'stopwords-iso.json'), encoding='utf-8') as f:
        iso = json.load(f)['es']
    path = cache_path('deb', 'postgresql-15', 'usr', 'share', 'postgresql', '15',
                      'tsearch_data', 'spanish.stop')
    with open(path, encoding='utf-8') as f:
        snowball = [w.strip() for w in f if w.strip()]
    drop = set(read_words('spanish', 'stop_words_drop.txt'))
    # the curated drop list holds "por qué" with its blank: compare untrimmed too
    raw = [w for w in iso + snowball
           if w not in drop and w != '_' and not any(c.isdigit() for c in w)]
    entries = fill([], sorted(set(raw)), 10 ** 6)
    entries = fill(entries, read_words('spanish', 'stop_words_extra.txt'), STOP_WORDS)
    if len(entries) != STOP_WORDS:
        sys.exit(f'stop words: {len(entries)} entries')
    return entries


def main():
    write_list('spanish/stop_words.txt', stop_words())
    for name in ('link_words', 'verb_exceptions', 'adjective_exceptions', 'abbreviations'):
        write_list(f'spanish/{name}.txt', read_words('spanish', f'{name}.txt'))


if __name__ == '__main__':
    main()
