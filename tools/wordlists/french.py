#!/usr/bin/python3
"""Generates the French word lists in engine/data/french.

    tools/wordlists/fetch_sources.sh french
    /usr/bin/python3 tools/wordlists/french.py

Inputs:
- hunspell-fr-classical (fr.dic, fr.aff; MPL-2.0): inflects the chosen verbs
  (infinitive, present indicative, past participles) and the chosen nouns and
  adjectives (singular, plural, masculine, feminine);
- stopwords-iso (fr; MIT) and the Snowball French stop list shipped with
  postgresql-15 (BSD): the function words;
- hand-chosen lemma lists and fixed lists under curated/french.

French text is not folded before lookups, so each accented form is followed by
its copy without accents, for text typed without them. The output is the same
byte for byte on every run.
"""
import collections
import json
import re
import sys

from latin_lists import (bad_chars, cache_path, read_curated, read_curated_words,
                         unique, write_list)

HUNSPELL = ('deb', 'hunspell-fr-classical', 'usr', 'share', 'hunspell')
SNOWBALL_STOP = ('deb', 'postgresql-15', 'usr', 'share', 'postgresql', '15',
                 'tsearch_data', 'french.stop')
STOPWORDS_ISO = ('npm', 'stopwords-iso', 'stopwords-iso.json')

_UNACCENT = str.maketrans({'à': 'a', 'â': 'a', 'ä': 'a', 'á': 'a',
                           'é': 'e', 'è': 'e', 'ê': 'e', 'ë': 'e',
                           'î': 'i', 'ï': 'i', 'í': 'i',
                           'ô': 'o', 'ö': 'o', 'ó': 'o',
                           'ù': 'u', 'û': 'u', 'ü': 'u', 'ú': 'u',
                           'ç': 'c', 'ÿ': 'y'})


def unaccent(word):
    return word.translate(_UNACCENT)


def latin1_form(word):
    """The word as a built-in entry: œ written oe, lower case; None when it
    still holds a character that Latin-1 lacks or an apostrophe."""
    word = word.replace('œ', 'oe').replace('Œ', 'OE').lower()
    if "'" in word or '’' in word:
        return None
    try:
        word.encode('latin-1')
    except UnicodeEncodeError:
        return None
    return word


def with_unaccented(forms):
    """Each form followed by its copy without accents, without repeats."""
    out = []
    for f in forms:
        out.append(f)
        out.append(unaccent(f))
    return unique(out)


class Lexicon:
    """fr.dic lines with the suffix rules of fr.aff (FLAG long: two-character
    flags; a rule is flag, stripped ending, added ending, condition, tags)."""

    def __init__(self):
        self.rules = collections.defaultdict(list)
        with open(cache_path(*HUNSPELL, 'fr.aff'), encoding='utf-8') as f:
            for line in f:
                p = line.split()
                if len(p) < 5 or p[0] != 'SFX':
                    continue
                flag, strip, add, cond = p[1], p[2], p[3].split('/')[0], p[4]
                strip = '' if strip == '0' else strip
                add = '' if add == '0' else add
                test = None if cond == '.' else re.compile('(?:' + cond + ')$')
                self.rules[flag].append((strip, add, test, set(p[5:])))
        self.lines = collections.defaultdict(list)
        with open(cache_path(*HUNSPELL, 'fr.dic'), encoding='utf-8') as f:
            next(f)
            for line in f:
                p = line.split()
                if not p:
                    continue
                word, _, flags = p[0].partition('/')
                self.lines[word].append((flags, set(p[1:])))

    def expand(self, word, flags, wanted=None):
        """Forms made by the word's suffix rules whose tags meet `wanted`
        (every rule when None), in rule order."""
        out = []
        for k in range(0, len(flags), 2):
            for strip, add, test, tags in self.rules.get(flags[k:k + 2], ()):
                if wanted is not None and not tags & wanted:
                    continue
                if not word.endswith(strip) or (test and not test.search(word)):
                    continue
                out.append(word[:len(word) - len(strip)] + add)
        return out

    def verb_forms(self, infinitive):
        """Infinitive, present indicative and past participles of a verb."""
        wanted = {'po:infi', 'po:ipre', 'po:ppas'}
        forms = []
        for flags, tags in self.lines.get(infinitive, ()):
            if not any(t.startswith('po:v') for t in tags):
                continue
            if 'po:infi' in tags:
                forms.append(infinitive)
            forms.extend(self.expand(infinitive, flags, wanted))
        return unique(forms)

    def nominal_forms(self, lemma):
        """Every number and gender form of a noun or adjective lemma; a past
        participle used as an adjective (approprié) takes the participle forms
        of its verb when the dictionary has no adjective line for it."""
        forms = []
        for flags, tags in self.lines.get(lemma, ()):
            if not tags & {'po:nom', 'po:adj'}:
                continue
            made = self.expand(lemma, flags)
            forms.extend(made if made else [lemma])
        if not forms and lemma.endswith('é'):
            verb = lemma[:-1] + 'er'
            for flags, tags in self.lines.get(verb, ()):
                if any(t.startswith('po:v') for t in tags):
                    forms.extend(self.expand(verb, flags, {'po:ppas'}))
        return unique(forms)


def entries_of(forms, where):
    out = []
    for f in forms:
        e = latin1_form(f)
        if e is None:
            continue
        out.append(e)
    if not out:
        sys.exit(f'{where}: no usable form')
    return out


def make_verbs(lex):
    """Forms of each chosen verb, verb by verb; a form shared by two verbs
    (suis: être, suivre) appears once for each."""
    skip = set(read_curated_words('french', 'verb_form_exclusions.txt'))
    out = []
    for verb in read_curated_words('french', 'verbs.txt'):
        forms = lex.verb_forms(verb)
        if not forms:
            sys.exit(f'verb {verb!r} not in fr.dic')
        forms = with_unaccented(entries_of(forms, verb))
        out.extend(f for f in forms if f not in skip)
    return out


def make_stop_phrases(lex):
    """Each chosen noun or adjective with its forms, lemma by lemma, then the
    phrases of several words."""
    out = []
    for lemma in read_curated_words('french', 'stop_phrase_lemmas.txt'):
        forms = lex.nominal_forms(lemma)
        if not forms:
            sys.exit(f'stop phrase lemma {lemma!r} not in fr.dic as noun or adjective')
        out.extend(with_unaccented(entries_of(forms, lemma)))
    out.extend(read_curated('french', 'stop_phrases_multiword.txt'))
    return out


def make_stop_words():
    """stopwords-iso, then the Snowball words it lacks, then the curated extras;
    each word followed by its copy without accents."""
    with open(cache_path(*STOPWORDS_ISO), encoding='utf-8') as f:
        iso = json.load(f)['fr']
    with open(cache_path(*SNOWBALL_STOP), encoding='utf-8') as f:
        snowball = f.read().split()
    dropped = set(read_curated_words('french', 'stop_word_exclusions.txt'))
    words = []
    for w in iso + snowball + read_curated_words('french', 'stop_word_extras.txt'):
        e = latin1_form(w)
        if e is None or e in dropped or bad_chars(e) or ' ' in e:
            continue
        words.append(e)
    return with_unaccented(words)


def main():
    lex = Lexicon()
    write_list('french/stop_phrases.txt', make_stop_phrases(lex))
    write_list('french/stop_words.txt', make_stop_words())
    write_list('french/link_words.txt', read_curated('french', 'link_words.txt'))
    write_list('french/pronouns.txt', read_curated('french', 'pronouns.txt'))
    write_list('french/verbs.txt', make_verbs(lex))
    write_list('french/abbreviations.txt', read_curated('french', 'abbreviations.txt'))


if __name__ == '__main__':
    main()
