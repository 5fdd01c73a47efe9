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




# --- stop verbs --------------------------------------------------------------

def third_person(verb):
    if re.search(r'(s|x|z|ch|sh|o)$', verb):
        return verb + 'es'
    if re.search(r'[^aeiou]y$', verb):
        return verb[:-1] + 'ies'
    return verb + 's'


def regular_past(verb, exceptions):
    """Past tense of a regular verb; doubled consonants (stopped, occurred) come from
    WordNet's exception list."""
    for form in exceptions.get(verb, ()):
        if form.endswith('ed'):
            return form
    if verb.endswith('e'):
        return verb + 'd'
    if re.search(r'[^aeiou]y$', verb):
        return verb[:-1] + 'ied'
    return verb + 'ed'


def verb_exceptions():
    """WordNet verb.exc: base -> inflected forms (caught, abetted)."""
    forms = collections.defaultdict(list)
    with open(cache_path(*WORDNET, 'verb.exc')) as f:
        for line in f:
            inflected, base = line.split()[:2]
            forms[base].append(inflected)
    return forms


def irregular_verbs():
    """npm english-verbs-irregular: base -> list of (past, past participle) pairs."""
    with open(cache_path('npm', 'english-verbs-irregular', 'dist', 'verbs.json')) as f:
        return {verb: [tuple(pair) for pair in pairs] for verb, pairs in json.load(f).items()}


def verb_forms(verb, irregular, exceptions):
    """A verb's row: base, third person singular, then the past and, where it is a
    different word, the past participle; an irregular verb gives every pair its table
    lists (got/gotten and got/got). A row repeats a word where the language does
    (put puts put, come comes came come)."""
    forms = [verb, third_person(verb)]
    for past, participle in irregular.get(verb, [(regular_past(verb, exceptions),) * 2]):
        forms.append(past)
        if participle != past:
            forms.append(participle)
    return forms


def stop_verbs(freq):
    """Rows of the commonest verbs by WordNet sense frequency, until the list is full,
    after the verbs that are always taken. Verbs used more as nouns than as verbs are
    skipped (their forms name things)."""
    irregular = irregular_verbs()
    exceptions = verb_exceptions()
    reject = set(read_words('english', 'stop_verbs_reject.txt'))
    always = read_words('english', 'stop_verbs_always.txt')
    ranked = sorted(freq['2'].items(), key=lambda vc: (-vc[1], vc[0]))
    entries, taken = [], set()
    for verb in always + [v for v, _ in ranked]:
        if verb in taken or not is_plain_word(verb) or verb in reject:
            continue
        if verb not in always and freq['1'][verb] * 2 > freq['2'][verb]:
            continue
        forms = verb_forms(verb, irregular, exceptions)
        left = STOP_VERBS - len(entries) - len(forms)
        if left < 0 or 0 < left < 3:      # a row has at least three forms
            continue
        entries += forms
        taken.add(verb)
        if len(entries) == STOP_VERBS:
            break
    if len(entries) != STOP_VERBS:
        sys.exit(f'stop verbs: {len(entries)} entries')
    return entries


# --- stop phrases ------------------------------------------------------------

def noun_exceptions():
    """WordNet noun.exc: singular -> irregular plurals (analyses, criteria)."""
    plurals = collections.defaultdict(list)
    with open(cache_path(*WORDNET, 'noun.exc')) as f:
        for line in f:
            plural, singular = line.split()[:2]
            plurals[singular].append(plural)
    return plurals


def regular_plural(noun):
    if re.search(r'(s|x|z|ch|sh)$', noun):
        return noun + 'es'
    if re.search(r'[^aeiou]y$', noun):
        return noun[:-1] + 'ies'
    return noun + 's'


def stop_phrases():
    """Each chosen noun, followed by its plural when the plural is a known word."""
    known = scowl_words(50)
    exceptions = noun_exceptions()
    entries, seen = [], set()
    for line in read_words('english', 'stop_phrases.txt'):
        lemma, *given = line.split()
        if lemma in seen:
            continue
        seen.add(lemma)
        entries.append(lemma)
        if given:
            entries += [g for g in given if g != '-']
            continue
        for plural in exceptions.get(lemma, []) or [regular_plural(lemma)]:
            if plural in known and plural != lemma:
                entries.append(plural)
                break
    if len(entries) != STOP_PHRASES:
        sys.exit(f'stop phrases: {len(entries)} entries, {len(set(entries))} distinct')
    return entries


def main():
    freq = wordnet_frequencies()
    sw = stop_words(freq)
    write_list('english/stop_words.txt', sw)
    write_list('english/stop_verbs.txt', stop_verbs(freq))
    write_list('english/stop_phrases.txt', stop_phrases())
    write_list('english/abbreviations.txt', read_words('english', 'abbreviations.txt'))


if __name__ == '__main__':
    main()
