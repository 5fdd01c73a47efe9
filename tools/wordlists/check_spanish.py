#!/usr/bin/python3
"""Checks the generated Spanish lists under engine/data/spanish: sizes, characters,
folded copies, the exception lists, and the entries that must be in or must stay out.

Run: /usr/bin/python3 tools/wordlists/check_spanish.py
"""
import os
import subprocess
import tempfile

from wordlist_io import CACHE, ENTRY_CHARS, Checker, fold_spanish, read_words

c = Checker()
PHRASE_CHARS = (ENTRY_CHARS - set('0123456789ß')) | {' '}
CONTENT = ('camiones camion educacion educación cafe café leche tecnologia tecnología '
           'd\'alembert imagen').split()


def folded_copies(f, lines):
    have = set(lines)
    for e in lines:
        c.ok(fold_spanish(e) in have, f'{f}: folded copy of {e!r} missing')


lists = {}
for name, count in [('stop_words', 840), ('stop_phrases', 949), ('link_words', 14),
                    ('verbs', 3266), ('verb_exceptions', 83), ('adjectives', 412),
                    ('adjective_exceptions', 44), ('abbreviations', 195)]:
    f = f'spanish/{name}.txt'
    lists[name] = c.read(f)
    c.counts(f, lists[name], count)
    c.chars(f, lists[name], PHRASE_CHARS if name == 'stop_phrases' else ENTRY_CHARS)

for name in ('stop_words', 'stop_phrases', 'verbs', 'adjectives'):
    folded_copies(f'spanish/{name}.txt', lists[name])
    c.exclude(f'spanish/{name}.txt', lists[name], CONTENT)

c.include('spanish/stop_words.txt', lists['stop_words'],
          'abr abril además ademas algo ambos aquel debisteis enero finalmente haber había '
          'hicimos miercoles otro podías setenta vayamos yo and with the to for'.split())
c.exclude('spanish/stop_words.txt', lists['stop_words'],
          'bajo nuevo nueva nuevos nuevas siguiente'.split())
sp = lists['stop_phrases']
c.include('spanish/stop_phrases.txt', sp,
          ['abandono', 'acceso', 'acción', 'accion', 'actividad', 'aprendizaje', 'contacto',
           'entre', 'equipo', 'fase', 'hipótesis', 'procedimientos', 'zona', 'centésimo',
           'decimoséptima', 'milésima', 'noningentésima', 'trigésimo', 'efectos secundarios',
           'grupo control', 'largo plazo', 'mismo tiempo', 'primera fase', 'zona básica',
           'zonas basicas', 'especial interés'])
c.ok(sum(1 for e in sp if e.count(' ') == 1) == 112, 'spanish/stop_phrases.txt: 112 two-word phrases')
c.ok(all(e.count(' ') <= 1 for e in sp), 'spanish/stop_phrases.txt: at most two words')
c.include('spanish/link_words.txt', lists['link_words'],
          'a al con de del en no o para por sobre versus vs y'.split())
c.include('spanish/verbs.txt', lists['verbs'],
          'abandona abandonaba abandonabais abandonábamos abandonabamos ajusté pesasteis '
          'vimos vio viste visteis'.split())
c.include('spanish/adjectives.txt', lists['adjectives'],
          'adecuada adecuadas adecuado adecuados afectiva afectivos alta ambientales baja '
          'biomédica científico constante nueva nuevo siguiente vital vitales'.split())
c.exclude('spanish/adjectives.txt', lists['adjectives'], 'ácido ácidos acido acidos'.split())
# an exception must not also be loaded as a verb form or an adjective with value 1
c.exclude('spanish/verbs.txt', lists['verbs'], lists['verb_exceptions'])
c.exclude('spanish/adjectives.txt', lists['adjectives'], lists['adjective_exceptions'])
c.include('spanish/verb_exceptions.txt', lists['verb_exceptions'],
          'examen joven origen orígen tambien volumen'.split())
c.include('spanish/abbreviations.txt', lists['abbreviations'],
          'a ab abr ac acad apt av cía cia miérc sáb c/o'.split())


def hunspell_forms(verbs):
    """Every form hunspell-es derives from the given verbs' dictionary lines, plus the
    dictionary's flagless words (irregular forms are separate entries there)."""
    base = os.path.join(CACHE, 'deb', 'hunspell-es', 'usr', 'share', 'hunspell', 'es_ES')
    unmunch = os.path.join(CACHE, 'deb', 'hunspell-tools', 'usr', 'bin', 'unmunch')
    if not (os.path.exists(base + '.dic') and os.path.exists(unmunch)):
        return None
    with open(base + '.dic', encoding='utf-8') as f:
        lines = f.read().split('\n')[1:]
    words = {l.split('/')[0] for l in lines if l}
    chosen = [l for l in lines if l.split('/')[0] in verbs]
    with tempfile.NamedTemporaryFile('w', suffix='.dic', encoding='utf-8') as dic:
        dic.write(f'{len(chosen)}\n' + '\n'.join(chosen) + '\n')
        dic.flush()
        out = subprocess.run([unmunch, dic.name, base + '.aff'], capture_output=True,
                             check=True).stdout.decode('utf-8')
    return words | set(out.split())


# The accented spellings of the verb forms (not their folded copies) must be Spanish words
# that hunspell-es knows; it does not expand the inflected participles, so those are
# checked by rule (they end in -ado/-ido/-to/-cho and their inflections).
forms = hunspell_forms(set(read_words('spanish', 'verbs.txt')))
if forms is None:
    print('hunspell-es not fetched: verb forms not cross-checked')
else:
    v = lists['verbs']
    written = [w for i, w in enumerate(v) if i == 0 or fold_spanish(v[i - 1]) != w or v[i - 1] == w]
    for w in written:
        c.ok(w in forms or w.endswith(('da', 'das', 'dos', 'ta', 'tas', 'tos')),
             f'spanish/verbs.txt: {w!r} unknown to hunspell-es')
c.done()
