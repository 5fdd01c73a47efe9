#!/usr/bin/python3
"""Generates the English word lists under engine/data/english.

  stop_words.txt    function words and vague words that never count as content words
  stop_verbs.txt    inflected forms of common verbs
  stop_phrases.txt  generic nouns that are never output as key phrases on their own
  abbreviations.txt words after which a full stop does not end a sentence (curated)

Raw material (fetched by tools/wordlists/fetch_sources.sh english): npm stopwords-iso,
the Snowball English stop list from Debian postgresql-15, SCOWL word lists (Debian
scowl), WordNet 3.0 sense frequencies and exception lists (Debian wordnet-base), npm
english-verbs-irregular. Hand-made choices live in tools/wordlists/curated/english.

Run: /usr/bin/python3 tools/wordlists/english.py
"""
import collections
import glob
import json
import os
import re
import sys

from wordlist_io import cache_path, read_words, write_list

STOP_WORDS = 1037
STOP_VERBS = 720
STOP_PHRASES = 840

WORDNET = ('deb', 'wordnet-base', 'usr', 'share', 'wordnet')


# --- raw material -----------------------------------------------------------

def scowl_words(max_level):
    """English and American SCOWL words up to a commonness level."""
    words = set()
    folder = cache_path('deb', 'scowl', 'usr', 'share', 'dict', 'scowl')
    for path in glob.glob(os.path.join(folder, '*-words.*')):
        name = os.path.basename(path)
        kind, level = name.rsplit('.', 1)
        if kind in ('english-words', 'american-words') and int(level) <= max_level:
            with open(path, encoding='latin-1') as f:
                words.update(line.strip() for line in f)
    return words


def wordnet_frequencies():
    """Summed tagged-sense counts per lemma and part of speech ('1' noun, '2' verb,
    '3' adjective, '4' adverb, '5' satellite adjective)."""
    freq = {p: collections.Counter() for p in '12345'}
    with open(cache_path(*WORDNET, 'cntlist.rev')) as f:
        for line in f:
            key, _, count = line.split()
            lemma, rest = key.split('%')
            freq[rest[0]][lemma] += int(count)
    return freq


def wordnet_first_noun_files():
    """Lexicographer file number of each noun's most frequent sense."""
    offsets = {}
    with open(cache_path(*WORDNET, 'index.noun')) as f:
        for line in f:
            if line.startswith(' '):
                continue
            fields = line.split()
            p_cnt = int(fields[3])
            synset_cnt = int(fields[2])
            offsets[fields[0]] = fields[6 + p_cnt]
            assert len(fields) == 6 + p_cnt + synset_cnt
    lexfile = {}
    wanted = set(offsets.values())
    with open(cache_path(*WORDNET, 'data.noun')) as f:
        for line in f:
            if line[:8] in wanted:
                lexfile[line[:8]] = int(line.split()[1])
    return {w: lexfile[o] for w, o in offsets.items()}


def stopwords_iso():
    with open(cache_path('npm', 'stopwords-iso', 'stopwords-iso.json'), encoding='utf-8') as f:
        return json.load(f)['en']


def snowball_stop_list():
    path = cache_path('deb', 'postgresql-15', 'usr', 'share', 'postgresql', '15',
                      'tsearch_data', 'english.stop')
    with open(path, encoding='utf-8') as f:
        return [w.strip() for w in f if w.strip()]


def is_plain_word(w):
    return re.fullmatch(r"[a-z]+(-[a-z]+)*", w) is not None


def fill_to(chosen, count, ranked, what):
    """Append entries of `ranked` (best first) that are not chosen yet until `chosen`
    holds `count` entries."""
    have = set(chosen)
    for w in ranked:
        if len(chosen) >= count:
            break
        if w not in have:
            chosen.append(w)
            have.add(w)
    if len(chosen) != count:
        sys.exit(f'{what}: {len(chosen)} entries, {count} wanted')
    return chosen


# --- stop words --------------------------------------------------------------

def stop_words(freq):
    scowl = scowl_words(50)
    keep = set(read_words('english', 'stop_words_keep.txt'))
    drop = set(read_words('english', 'stop_words_drop.txt'))
    words = []
    for w in stopwords_iso():
        # Entries with apostrophes or digits can never match a token; two-letter
        # codes and run-together fragments are kept only where they are words.
        if is_plain_word(w) and (w in scowl or w in keep):
            words.append(w)
    words += snowball_stop_list()
    words += read_words('english', 'stop_words_extra.txt')
    chosen = []
    for w in words:
        if w not in drop and w not in chosen:
            chosen.append(w)
    # Top up with the commonest words that WordNet knows mainly as adjectives or
    # adverbs: vague modifiers (new, big, good, different) that make poor keywords.
    reject = set(read_words('english', 'stop_words_topup_reject.txt')) | drop
    common = scowl_words(10)
    ranked = []
    for w in common:
        if not is_plain_word(w) or w in reject:
            continue
        modifier = freq['3'][w] + freq['5'][w] + freq['4'][w]
        other = freq['1'][w] + freq['2'][w]
        if modifier > other:
            ranked.append((-modifier, w))
    ranked = [w for _, w in sorted(ranked)]
    fill_to(chosen, STOP_WORDS, ranked, 'stop words')
    return sorted(chosen)


def main():
    freq = wordnet_frequencies()
    sw = stop_words(freq)
    write_list('english/stop_words.txt', sw)
    write_list('english/abbreviations.txt', read_words('english', 'abbreviations.txt'))


if __name__ == '__main__':
    main()
