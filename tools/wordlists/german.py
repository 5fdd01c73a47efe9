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


# Prefixes after which a participle takes no ge- (unless marked separable).
_INSEPARABLE = ('be', 'emp', 'ent', 'er', 'ge', 'miss', 'ver', 'zer', 'über',
                'unter', 'wider', 'wieder')
_VOWELS = 'aeiouäöüy'


def _stem(infinitive):
    """handeln -> handel, ändern -> änder, machen -> mach."""
    return infinitive[:-1] if infinitive.endswith(('eln', 'ern')) else infinitive[:-2]


def _needs_e(stem):
    """An -e- goes between the stem and -st, -t, -te: arbeit-e-t, rechn-e-t,
    öffn-e-t; not when m or n follows a vowel, l, r, m, n or a lengthening h
    (lernt, filmt, wohnt), nor after an -el/-er stem (handelt)."""
    if stem.endswith(('el', 'er')) and len(stem) > 3:
        return False
    if stem[-1] in 'dt':
        return True
    if stem[-1] not in 'mn' or len(stem) < 2 or stem[-2] in _VOWELS + 'lrmn':
        return False
    return stem[-2] != 'h' or stem.endswith(('chm', 'chn'))


def _ending(stem, ending):
    return stem + ('e' + ending if _needs_e(stem) else ending)


def _second_singular_of_stem(stem):
    if stem[-1] in 'sßxz':
        return stem + 't'
    return _ending(stem, 'st')


def conjugate(infinitive, present=None, past=None, participle=None):
    """Forms of a simple (unprefixed or inseparable) verb, in this order:
    infinitive, present 1st, 2nd, 3rd singular, 2nd plural, past 1st/3rd
    singular, 2nd singular, plural, 2nd plural, past participle."""
    stem = _stem(infinitive)
    first = stem[:-2] + 'le' if infinitive.endswith('eln') else stem + 'e'
    second = _second_singular_of_stem(stem)
    third = _ending(stem, 't')
    if present:
        parts = present.split(',')
        if len(parts) == 3:
            first, second, third = parts
        elif len(parts) == 2:
            second, third = parts
        else:
            third = parts[0]
            base = third[:-1] if third.endswith('t') else third
            second = third if base[-1] in 'sßxz' else base + 'st'
    plural2 = _ending(stem, 't')
    if not past:
        past = _ending(stem, 'te')
    if past.endswith('e'):
        past_forms = [past, past + 'st', past + 'n', past + 't']
    else:
        long_ending = past[-1] in 'dtsßz'
        past_forms = [past, past + ('est' if long_ending else 'st'), past + 'en',
                      past + ('et' if past[-1] in 'dt' else 't')]
    if not participle:
        made = _ending(stem, 't')
        bare = infinitive.endswith('ieren') or infinitive.startswith(_INSEPARABLE)
        participle = made if bare else 'ge' + made
    return [infinitive, first, second, third, plural2] + past_forms + [participle]


def verb_forms(line):
    """Forms of one line of curated/german/verbs.txt."""
    fields = [None if f == '-' else f for f in line.split()]
    fields += [None] * (4 - len(fields))
    word, present, past, participle = fields
    prefix, _, simple = word.rpartition('|')
    forms = conjugate(simple, present, past, participle)
    if not prefix:
        return unique(forms)
    return unique([prefix + f for f in forms] + [prefix + 'zu' + simple])


def make_verbs():
    """Forms of each verb, verb by verb, each followed by its folded copy."""
    skip = set(read_curated_words('german', 'verb_form_exclusions.txt'))
    out = []
    for line in read_curated('german', 'verbs.txt'):
        entries = [line] if _is_table_line(line) else line.split()
        for entry in entries:
            out.extend(f for f in with_folded(verb_forms(entry)) if f not in skip)
    return unique(out)


def _is_table_line(line):
    """A line with principal parts (ab|biegen biegt bog gebogen), as against a
    line of several weak verbs (achten ändern antworten)."""
    words = line.split()
    return '|' in line or len(words) == 1 or any(not w.endswith('n') for w in words[1:])


# Plural endings by rule, tried in order: (singular ending, letters to add).
_PLURAL_RULES = [('ung', 'en'), ('heit', 'en'), ('keit', 'en'), ('schaft', 'en'),
                 ('ion', 'en'), ('tät', 'en'), ('ik', 'en'), ('enz', 'en'),
                 ('anz', 'en'), ('ei', 'en'), ('or', 'en'), ('ie', 'n'), ('e', 'n'),
                 ('nis', 'se'), ('ment', 'e'), ('iv', 'e'), ('ekt', 'e'),
                 ('ept', 'e'), ('at', 'e'), ('el', ''), ('er', ''), ('en', '')]


def noun_forms(token):
    """Singular and plural of a token of curated/german/stop_phrase_nouns.txt."""
    singular, _, plural = token.partition(':')
    if not plural:
        for ending, added in _PLURAL_RULES:
            if singular.endswith(ending):
                plural = singular + added
                break
        else:
            sys.exit(f'no plural rule for {singular!r}: write Singular:Plural')
    forms = [singular] if plural == '-' else [singular, plural]
    return [f.lower() for f in forms]


def make_stop_phrases():
    """Nouns in singular and plural, then adjectives in three forms; each form
    followed by its folded copy."""
    words = []
    for token in read_curated_words('german', 'stop_phrase_nouns.txt'):
        words.extend(noun_forms(token))
    for adjective in read_curated_words('german', 'stop_phrase_adjectives.txt'):
        words.extend([adjective, adjective + 'e', adjective + 'en'])
    return with_folded(words)


def main():
    write_list('german/stop_words.txt', make_stop_words())
    write_list('german/stop_phrases.txt', make_stop_phrases())
    write_list('german/verbs.txt', make_verbs())
    write_list('german/adjective_endings.txt',
               read_curated('german', 'adjective_endings.txt'))
    write_list('german/abbreviations.txt', read_curated('german', 'abbreviations.txt'))


if __name__ == '__main__':
    main()
