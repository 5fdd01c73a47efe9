"""Helpers shared by the French and German word-list generators and their checker.

A list file under engine/data is UTF-8 text, one entry a line, LF line ends, a
final newline, no comments and no blank lines, entries in load order. Every entry
must be representable in Latin-1 and use only the characters that a user stop
word may use (plus single spaces between the words of a phrase).
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(REPO, 'engine', 'data')
CURATED = os.path.join(HERE, 'curated')
CACHE = os.environ.get('WORDLIST_CACHE', os.path.join(HERE, '.cache'))

WORD_CHARS = set('aàáâãäåæbcçdðeèéêëfghiìíîïjklmnñoòóôõöpqrsßtuùúûüvwxyýz'
                 '0123456789-/')


def cache_path(*parts):
    path = os.path.join(CACHE, *parts)
    if not os.path.exists(path):
        sys.exit(f'missing {path}: run tools/wordlists/fetch_sources.sh first')
    return path


def deb_version(package):
    path = os.path.join(CACHE, 'deb', package, '.version')
    return open(path, encoding='ascii').read().strip() if os.path.exists(path) else '?'


def npm_version(package):
    path = os.path.join(CACHE, 'npm', package, '.version')
    return open(path, encoding='ascii').read().strip() if os.path.exists(path) else '?'


def read_curated(*parts):
    """Entries of a curated text file, one a line; a line starting with '#' is a
    comment, blank lines are skipped, and '  # ...' after an entry is a remark."""
    path = os.path.join(CURATED, *parts)
    out = []
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.split('  #', 1)[0].rstrip()
            if not line.strip() or line.lstrip().startswith('#'):
                continue
            out.append(line.strip())
    return out


def read_curated_words(*parts):
    """A curated file whose lines may hold several blank-separated words."""
    return [w for line in read_curated(*parts) for w in line.split()]


def bad_chars(entry):
    """Characters of an entry outside the allowed set (a single space between
    words is allowed)."""
    if entry != entry.strip() or '  ' in entry:
        return {' '}
    return {c for c in entry if c not in WORD_CHARS and c != ' '}


def write_list(relpath, entries):
    """Write a keys-only list under engine/data and report its size."""
    for e in entries:
        if not e or bad_chars(e):
            sys.exit(f'{relpath}: bad entry {e!r}')
        e.encode('latin-1')
    path = os.path.join(DATA, relpath)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(''.join(e + '\n' for e in entries))
    print(f'{relpath}: {len(entries)} entries, {len(set(entries))} distinct')


def read_list(relpath):
    with open(os.path.join(DATA, relpath), encoding='utf-8', newline='') as f:
        return f.read()


def unique(items):
    """Items in first-seen order without repeats."""
    return list(dict.fromkeys(items))
