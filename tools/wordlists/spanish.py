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

from wordlist_io import cache_path, fold_spanish, read_words, write_list

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


def fill_whole(entries, words, count):
    """Append all forms of one word (with folded copies) only if they all fit."""
    trial = fill(list(entries), words, 10 ** 6)
    return trial if len(trial) <= count else entries


# --- stop words --------------------------------------------------------------

def stop_words():
    with open(cache_path('npm', 'stopwords-iso', 'stopwords-iso.json'), encoding='utf-8') as f:
        iso = json.load(f)['es']
    path = cache_path('deb', 'postgresql-15', 'usr', 'share', 'postgresql', '15',
                      'tsearch_data', 'spanish.stop')
    with open(path, encoding='utf-8') as f:
        snowball = [w.strip() for w in f if w.strip()]
    drop = set(read_words('spanish', 'stop_words_drop.txt'))
    raw = [w for w in iso + snowball
           if w not in drop and w != '_' and not any(c.isdigit() for c in w)]
    entries = fill([], sorted(set(raw)), 10 ** 6)
    entries = fill(entries, read_words('spanish', 'stop_words_extra.txt'), STOP_WORDS)
    if len(entries) != STOP_WORDS:
        sys.exit(f'stop words: {len(entries)} entries')
    return entries


# --- verbs -------------------------------------------------------------------

TENSES = ('INDICATIVE_PRESENT', 'INDICATIVE_IMPERFECT', 'INDICATIVE_PRETERITE',
          'INDICATIVE_FUTURE', 'CONDITIONAL_PRESENT', 'SUBJUNCTIVE_PRESENT',
          'SUBJUNCTIVE_IMPERFECT_RA', 'SUBJUNCTIVE_IMPERFECT_SE', 'SUBJUNCTIVE_FUTURE')

CONJUGATE_JS = """
const sv = require(process.argv[1]);
const [verbs, tenses] = JSON.parse(process.argv[2]);
const out = {};
for (const v of verbs) {
  out[v] = {};
  for (const t of tenses) {
    out[v][t] = [0, 1, 2, 3, 4, 5].map(p => sv.getConjugation(v, t, p));
  }
}
process.stdout.write(JSON.stringify(out));
"""


def conjugate(verbs):
    """Simple tenses of each verb from npm spanish-verbs (run with node)."""
    module = cache_path('npm', 'spanish-verbs', 'dist', 'index.js')
    result = subprocess.run(['node', '-e', CONJUGATE_JS, module, json.dumps([verbs, TENSES])],
                            check=True, capture_output=True, text=True, encoding='utf-8')
    return json.loads(result.stdout)


def irregular_rows():
    rows = {}
    for line in read_words('spanish', 'verb_irregular.txt'):
        verb, tense, forms = line.split('\t')
        rows[(verb, tense)] = forms.split()
    return rows


def verb_row(verb, tenses, irregular):
    """Infinitive, the nine simple tenses, the imperative (tú, vosotros), the gerund
    and the four forms of the past participle."""
    stem, ending = verb[:-2], verb[-2:]
    forms = [verb]
    for tense in TENSES:
        forms += irregular.get((verb, tense), tenses[tense])
    forms.append(tenses['INDICATIVE_PRESENT'][2])          # tú: habla
    forms.append(verb[:-1] + 'd')                          # vosotros: hablad
    forms.append(stem + ('ando' if ending == 'ar' else 'iendo'))
    participle = irregular.get((verb, 'PARTICIPLE'),
                               [stem + ('ado' if ending == 'ar' else 'ido')])[0]
    base = participle[:-1]
    forms += [participle, base + 'a', base + 'os', base + 'as']
    return list(dict.fromkeys(forms))


def verbs():
    chosen = read_words('spanish', 'verbs.txt')
    drop = set(read_words('spanish', 'verb_forms_drop.txt'))
    exceptions = set(read_words('spanish', 'verb_exceptions.txt'))
    conjugated = conjugate(chosen)
    irregular = irregular_rows()
    rows = {}
    for verb in chosen:
        rows[verb] = [f for f in verb_row(verb, conjugated[verb], irregular)
                      if f not in drop and f not in exceptions]
    # Whole rows while they fit; the row that does not fit any more fills the list form by
    # form (tense by tense), so that the list holds exactly the wanted number.
    entries = []
    for verb in chosen:
        entries = fill(entries, rows[verb], VERBS)
        if len(entries) == VERBS:
            break
    if len(entries) != VERBS:
        sys.exit(f'verbs: {len(entries)} entries')
    return entries


# --- adjectives --------------------------------------------------------------

_UNSTRESS = str.maketrans('áéíóú', 'aeiou')


def adjective_forms(lemma):
    """Masculine and feminine, singular and plural of a regular adjective."""
    if lemma.endswith('o'):
        return [lemma, lemma[:-1] + 'a', lemma + 's', lemma[:-1] + 'as']
    if lemma.endswith(('e', 'a')):
        return [lemma, lemma + 's']
    if lemma.endswith('z'):
        return [lemma, lemma[:-1] + 'ces']
    if lemma.endswith('s'):
        return [lemma]                      # invariable: gratis
    if len(lemma) > 2 and lemma[-2] in 'áéíóú' and lemma[-1] in 'ns':
        # a stressed final syllable loses its written accent: común, comunes
        return [lemma, lemma[:-2] + lemma[-2:].translate(_UNSTRESS) + 'es']
    return [lemma, lemma + 'es']


def adjectives():
    exceptions = set(read_words('spanish', 'adjective_exceptions.txt'))
    entries = []
    for lemma in read_words('spanish', 'adjectives.txt'):
        forms = [f for f in adjective_forms(lemma) if f not in exceptions]
        entries = fill_whole(entries, forms, ADJECTIVES)
        if len(entries) == ADJECTIVES:
            break
    if len(entries) != ADJECTIVES:
        sys.exit(f'adjectives: {len(entries)} entries')
    return entries


# --- stop phrases ------------------------------------------------------------

TWO_WORD_PHRASES = 112

# Ordinal words: units, the teens written as one word, tens, hundreds and a thousand.
ORDINALS = (
    'primero segundo tercero cuarto quinto sexto séptimo octavo noveno décimo '
    'undécimo duodécimo decimoprimero decimosegundo decimotercero decimocuarto '
    'decimoquinto decimosexto decimoséptimo decimoctavo decimonoveno '
    'vigésimo trigésimo cuadragésimo quincuagésimo sexagésimo septuagésimo '
    'octogésimo nonagésimo centésimo ducentésimo tricentésimo cuadringentésimo '
    'quingentésimo sexcentésimo septingentésimo octingentésimo noningentésimo '
    'milésimo').split()


def noun_plural(noun):
    if noun[-1] in 'aeiouáéó':
        return noun + 's'
    if noun.endswith('z'):
        return noun[:-1] + 'ces'
    if len(noun) > 2 and noun[-2] in 'áéíóú' and noun[-1] in 'ns':
        return noun[:-2] + noun[-2:].translate(_UNSTRESS) + 'es'   # acción, acciones
    return noun + 'es'


def stop_phrases():
    entries = fill([], read_words('spanish', 'stop_phrases_two_words.txt'), TWO_WORD_PHRASES)
    if len(entries) != TWO_WORD_PHRASES:
        sys.exit(f'two-word stop phrases: {len(entries)} entries')
    for ordinal in ORDINALS:
        stem = ordinal[:-1]
        entries = fill(entries, [ordinal, stem + 'a', stem + 'os', stem + 'as'], STOP_PHRASES)
    for line in read_words('spanish', 'stop_phrases_nouns.txt'):
        lemma, *given = line.split()
        forms = [lemma] + ([g for g in given if g != '-'] if given else [noun_plural(lemma)])
        entries = fill_whole(entries, forms, STOP_PHRASES)
    if len(entries) != STOP_PHRASES:
        sys.exit(f'stop phrases: {len(entries)} entries')
    return entries


def main():
    write_list('spanish/stop_words.txt', stop_words())
    write_list('spanish/stop_phrases.txt', stop_phrases())
    write_list('spanish/verbs.txt', verbs())
    write_list('spanish/adjectives.txt', adjectives())
    for name in ('link_words', 'verb_exceptions', 'adjective_exceptions', 'abbreviations'):
        write_list(f'spanish/{name}.txt', read_words('spanish', f'{name}.txt'))


if __name__ == '__main__':
    main()
