#!/usr/bin/python3
"""Checks the generated English lists under engine/data/english: sizes, distinct
counts, characters, and the entries that must be in or must stay out (words the engine
needs as content words and key phrases).

Run: /usr/bin/python3 tools/wordlists/check_english.py
"""
from wordlist_io import ENTRY_CHARS, Checker

c = Checker()
CONTENT = ('data self evident internet solar energy neural network networks learning fuel '
           'hydrogen mp3 model models key keyboard board example results analysis analyses '
           'crisis news bus paris nasa database').split()

f = 'english/stop_words.txt'
sw = c.read(f)
c.counts(f, sw, 1037)
c.chars(f, sw, ENTRY_CHARS)
c.include(f, sw, 'a about above according few fewer february new big well being and or of the'
          .split())
c.exclude(f, sw, CONTENT)

f = 'english/stop_verbs.txt'
sv = c.read(f)
c.counts(f, sv, 720, 695)
c.chars(f, sv, ENTRY_CHARS)
c.include(f, sv, 'accept accepts achieve achieved carry caught causes'.split())
c.exclude(f, sv, CONTENT)

f = 'english/stop_phrases.txt'
sp = c.read(f)
c.counts(f, sp, 840, 829)
c.chars(f, sp, ENTRY_CHARS)
c.ok(all(' ' not in e for e in sp), f'{f}: built-in entries are single words')
c.include(f, sp, 'abstract access accuracy document domain dollars'.split())
c.exclude(f, sp, CONTENT)

f = 'english/abbreviations.txt'
ab = c.read(f)
c.counts(f, ab, 183)
c.chars(f, ab, ENTRY_CHARS)
c.include(f, ab, 'acad ad adm aka apr aug blvd c/o gb/s kb/s n/a yrs'.split())
c.done()
