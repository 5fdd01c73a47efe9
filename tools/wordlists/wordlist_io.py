"""Small helpers shared by the English, Spanish and filter-table generators.

A list file is UTF-8 text, one entry a line, LF line ends, a final newline, no
comments and no blank lines, entries in load order. Tables whose values are texts
are written as `key<TAB>value`, the value with C-style escapes.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(REPO, 'engine', 'data')
CURATED = os.path.join(HERE, 'curated')
CACHE = os.environ.get('WORDLIST_CACHE', os.path.join(HERE, '.cache'))

# Characters a built-in Latin-script entry may use (the set user stop words are
# checked against), plus the space that separates the words of a phrase.
ENTRY_CHARS = set('aàáâãäåæbcçdðeèéêëfghiìíîïjklmnñoòóôõöpqrsßtuùúûüvwxyýz0123456789-/')


def cache_path(*parts):
    path = os.path.join(CACHE, *parts)
    if not os.path.exists(path):
        sys.exit(f'missing {path}: run tools/wordlists/fetch_sources.sh first')
    return path


def source_version(kind, package):
    """Version of a fetched package, as recorded by fetch_sources.sh."""
    base = os.path.join(CACHE, kind, package)
    for name in ('.version', os.path.join('package', '.version')):
        path = os.path.join(base, name)
        if os.path.exists(path):
            return open(path, encoding='ascii').read().strip()
    return '?'


def read_curated(*parts):
    """Entries of a curated text file: one a line; '#' starts a comment line;
    blank lines are skipped; surrounding blanks are kept only inside the entry."""
    path = os.path.join(CURATED, *parts)
    out = []
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if not line.strip() or line.lstrip().startswith('#'):
                continue
            out.append(line)
    return out


def read_words(*parts):
    """Curated word list: whitespace-trimmed entries, in file order."""
    return [w.strip() for w in read_curated(*parts)]


def check_latin1(entries, where):
    for e in entries:
        try:
            e.encode('latin-1')
        except UnicodeEncodeError:
            sys.exit(f'{where}: entry {e!r} is not Latin-1')


def write_list(relpath, entries):
    """Write a keys-only list under engine/data."""
    check_latin1(entries, relpath)
    for e in entries:
        if not e or '\n' in e or '\t' in e:
            sys.exit(f'{relpath}: bad entry {e!r}')
    path = os.path.join(DATA, relpath)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(''.join(e + '\n' for e in entries))
    print(f'{relpath}: {len(entries)} entries, {len(set(entries))} distinct')


def escape_value(raw):
    """C-style escaping of a replacement text given as Latin-1 bytes: control,
    space and non-ASCII bytes as \\xHH, the backslash as \\\\."""
    out = []
    for b in raw:
        if b == 0x5C:
            out.append('\\\\')
        elif b <= 0x20 or b >= 0x7F:
            out.append('\\x%02X' % b)
        else:
            out.append(chr(b))
    return ''.join(out)


def write_table(relpath, pairs):
    """Write a key<TAB>value list under engine/data; values are bytes."""
    lines = []
    for key, value in pairs:
        check_latin1([key], relpath)
        if not key or '\t' in key or '\n' in key:
            sys.exit(f'{relpath}: bad key {key!r}')
        lines.append(key + '\t' + escape_value(value))
    path = os.path.join(DATA, relpath)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(''.join(l + '\n' for l in lines))
    print(f'{relpath}: {len(lines)} entries, {len({k for k, _ in pairs})} distinct')


# Accent folding applied to Spanish normal forms before the stop-word and verb
# lookups: acute, grave, circumflex and tilde vowels lose the accent; ñ, ü, ç stay.
_SPANISH_ACCENTS = {'a': 'áàâã', 'e': 'éèê', 'i': 'íìî', 'o': 'óòô', 'u': 'úùû'}
SPANISH_FOLD = {ord(c): base for base, cs in _SPANISH_ACCENTS.items() for c in cs}
SPANISH_FOLD.update({ord(c.upper()): base.upper()
                     for base, cs in _SPANISH_ACCENTS.items() for c in cs})


def fold_spanish(word):
    return word.translate(SPANISH_FOLD)


# --- checks -------------------------------------------------------------------

class Checker:
    """Collects failed checks of generated lists; `done()` reports and exits."""

    def __init__(self):
        self.failures = 0
        self.passed = 0

    def ok(self, condition, message):
        if condition:
            self.passed += 1
        else:
            self.failures += 1
            print('FAIL', message)

    def read(self, relpath):
        """Lines of a list file, checking the file format on the way."""
        path = os.path.join(DATA, relpath)
        raw = open(path, 'rb').read()
        text = raw.decode('utf-8')
        self.ok(raw.endswith(b'\n'), f'{relpath}: no final newline')
        self.ok(b'\r' not in raw, f'{relpath}: carriage return')
        lines = text[:-1].split('\n') if text else []
        self.ok(all(lines), f'{relpath}: blank line')
        check_latin1(lines, relpath)
        return lines

    def counts(self, relpath, lines, count, distinct=None):
        self.ok(len(lines) == count, f'{relpath}: {len(lines)} entries, {count} wanted')
        want = count if distinct is None else distinct
        self.ok(len(set(lines)) == want, f'{relpath}: {len(set(lines))} distinct, {want} wanted')

    def chars(self, relpath, lines, allowed):
        for e in lines:
            self.ok(set(e) <= allowed, f'{relpath}: bad character in {e!r}')

    def include(self, relpath, lines, words):
        have = set(lines)
        for w in words:
            self.ok(w in have, f'{relpath}: {w!r} missing')

    def exclude(self, relpath, lines, words):
        have = set(lines)
        for w in words:
            self.ok(w not in have, f'{relpath}: {w!r} must not be there')

    def done(self):
        print(f'{self.passed} passed, {self.failures} failed')
        sys.exit(1 if self.failures else 0)


def unescape_value(text):
    """Inverse of escape_value: the replacement text as bytes."""
    out = bytearray()
    i = 0
    while i < len(text):
        if text[i] == '\\':
            if text[i + 1] == '\\':
                out.append(0x5C)
                i += 2
            elif text[i + 1] == 'x':
                out.append(int(text[i + 2:i + 4], 16))
                i += 4
            else:
                raise ValueError(f'bad escape in {text!r}')
        else:
            out += text[i].encode('latin-1')
            i += 1
    return bytes(out)
