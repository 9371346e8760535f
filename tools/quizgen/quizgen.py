#!/usr/bin/env python3
"""Makes the ready-made quiz packs from KANJIDIC2 and EDICT.

    quizgen.py --kanjidic kanjidic2.xml[.gz] --edict edict --out DIR

Writes one CSV per pack (question, answer; UTF-8, LF) and report.txt, which
counts each pack's questions and what was left out and why. The same
dictionary files always give the same bytes: entries keep the dictionaries'
own order and nothing depends on the clock or the locale.
"""

import argparse
import collections
import csv
import gzip
import io
import re
import sys
import xml.etree.ElementTree as ET

import school_readings

QUESTION_BYTES = 288
ANSWER_BYTES = 60

GRADE_PACKS = [(grade, f'小学{grade}年の漢字 (kanji grade {grade})') for grade in range(1, 7)]
JUNIOR_HIGH_PACK = '中学で習う常用漢字 (joyo kanji, junior high school)'
YOJI_READING_PACK = '四字熟語の読み (four-character idioms, readings)'
YOJI_MEANING_PACK = '四字熟語の意味 (four-character idioms, meanings)'
HARD_READING_PACK = '難読漢字 (hard-to-read words)'
JLPT_MEANING_PACK = '漢字の意味 JLPT 4・3級 (kanji meanings, JLPT 4 and 3)'

# Why an entry was left out, as the report words it.
NO_CP932 = 'a character without a code page 932 form'
TOO_LONG = 'no answer fits 60 bytes'
TOO_MANY_READINGS = 'several equal readings that do not fit together'
NO_READING = 'no reading'
NO_MEANING = 'no English meaning'
NOT_TAUGHT = 'readings no school teaches, left out'


def has_cp932_form(text):
    try:
        return text.encode('cp932').decode('cp932') == text
    except UnicodeError:
        return False


def fits(text, limit):
    # Text without a code page 932 form is left out later, and counted there.
    return len(text.encode('cp932', errors='replace')) <= limit


def hiragana(text):
    return ''.join(chr(ord(c) - 0x60) if '\u30a1' <= c <= '\u30f6' else c for c in text)


def fit_list(items, separator):
    """As many items from the front as fit, joined; None when none fits."""
    for count in range(len(items), 0, -1):
        answer = separator.join(items[:count])
        if fits(answer, ANSWER_BYTES):
            return answer
    return None


class Pack:
    def __init__(self, name):
        self.name = name
        self.rows = []
        self.questions = set()
        self.left_out = collections.Counter()
        self.shortened = 0
        self.not_taught = 0

    def add(self, question, answer, shortened=False):
        if question in self.questions:
            return
        if not (has_cp932_form(question) and has_cp932_form(answer)):
            self.left_out[NO_CP932] += 1
            return
        if not fits(question, QUESTION_BYTES):
            self.left_out['a question over 288 bytes'] += 1
            return
        self.questions.add(question)
        self.rows.append((question, answer))
        self.shortened += shortened

    def skip(self, reason):
        self.left_out[reason] += 1


# --- KANJIDIC2 -------------------------------------------------------------


def read_kanjidic(path):
    """Yields (literal, grade, jlpt, on, kun, meanings) in the file's order."""
    opener = gzip.open if path.endswith('.gz') else open
    with opener(path, 'rb') as stream:
        for _, element in ET.iterparse(stream):
            if element.tag != 'character':
                continue
            readings = element.findall('reading_meaning/rmgroup/reading')
            grade = element.findtext('misc/grade')
            jlpt = element.findtext('misc/jlpt')
            yield (element.findtext('literal'),
                   int(grade) if grade else None, int(jlpt) if jlpt else None,
                   [r.text for r in readings if r.get('r_type') == 'ja_on'],
                   [r.text for r in readings if r.get('r_type') == 'ja_kun'],
                   [m.text for m in element.findall('reading_meaning/rmgroup/meaning')
                    if m.get('m_lang') is None])
            element.clear()


def kanji_packs(characters, evidence):
    grades = {grade: Pack(name) for grade, name in GRADE_PACKS}
    grades[8] = Pack(JUNIOR_HIGH_PACK)
    jlpt_kanji = []
    for literal, grade, jlpt, on, kun, english in characters:
        if grade in grades:
            add_kanji_reading(grades[grade], literal, on, kun, evidence)
        if jlpt in (4, 3):
            jlpt_kanji.append((-jlpt, literal, english))
    meanings = Pack(JLPT_MEANING_PACK)
    # Level 4, the easiest, first; a stable sort keeps the file's order inside.
    for _, literal, english in sorted(jlpt_kanji, key=lambda k: k[0]):
        add_meaning(meanings, literal, english)
    return [grades[g] for g in sorted(grades)] + [meanings]


def add_kanji_reading(pack, literal, on, kun, evidence):
    uses = school_readings.taught(evidence, literal, on, kun)
    pack.not_taught += len(set(map(school_readings.label, on + kun)) - set(uses))
    on, kun = [r for r in uses if is_katakana(r)], [r for r in uses if not is_katakana(r)]
    answer = school_readings.fit(on, kun, uses, lambda text: fits(text, ANSWER_BYTES))
    if not has_cp932_form(literal):
        pack.skip(NO_CP932)
    elif not uses:
        pack.skip(NO_READING)
    elif answer is None:
        pack.skip(TOO_LONG)
    else:
        pack.add(f'「{literal}」の読みは？', answer,
                 answer != school_readings.fit(on, kun, uses, lambda text: True))


def is_katakana(reading):
    return '\u30a1' <= reading[0] <= '\u30fa'


def without_notes(gloss):
    return re.sub(r' ?\([^()]*\)', '', gloss).strip()


def add_meaning(pack, literal, english):
    # Notes such as "(kokuji)" and numbers such as "10**40" teach nothing.
    english = [m for m in english if without_notes(m) and re.search('[A-Za-z]', m)]
    # A meaning too long to show whole may still fit without its notes.
    shown = [m if fits(m, ANSWER_BYTES) else without_notes(m) for m in english]
    shown = [m for m in shown if has_cp932_form(m)]
    if not english:
        pack.skip(NO_MEANING)
        return
    if not shown:
        pack.skip(NO_CP932)
        return
    answer = fit_list(shown, '; ')
    if answer is None:
        pack.skip(TOO_LONG)
        return
    pack.add(f'「{literal}」の意味は？', answer, answer != '; '.join(english))


# --- EDICT -----------------------------------------------------------------

LINE = re.compile(r'(\S+)(?: \[([^\]]+)\])? /(.*)/')
TAG_GROUP = re.compile(r'\(([^()]*)\) ?')
# The codes EDICT puts in parentheses before a gloss; anything else in
# parentheses there is part of the gloss, like "(waiting) impatiently".
TAG = re.compile(
    r'\d+|[a-z]{2,4}b:|n(-\w+)?|v(\d[\w-]*|[iktnrz]|s(-\w)?|-unspec)|adj-\w+|adv(-to)?'
    r'|aux(-\w+)?|cop(-da)?|exp|int|conj|ctr|num|pn|pref|suf|prt|unc|P|uk|yoji|gikun'
    r'|ateji|iK|ik|io|oK|ok|eK|ek|arch|abbr|obsc?|col|sl|m-sl|net-sl|id|Buddh|Shinto'
    r'|Christn|food|on-mim|proverb|math|med|hon|hum|pol|ling|sports|sumo|derog|baseb'
    r'|astron|physics|chem|mahj|biol|law|sens|anat|geol|vulg|fam|joc|hist|MA|chn|hanaf'
    r'|finc|fem|male|bot|zool|mil|dated|litf|archit|shogi|engr|econ|tradem|poet|bus'
    r'|comp|rare|quote|X|gram|geom|music|art|ornith|ent|dent|fish|mus|print|psych|tsug')
# Readings or spellings EDICT marks as irregular or outdated.
IRREGULAR = {'ik', 'ok', 'iK', 'oK', 'eK', 'ek'}


def leading_tags(gloss):
    """The codes in front of a gloss, and the gloss without them."""
    tags = []
    while (match := TAG_GROUP.match(gloss)) and all(
            TAG.fullmatch(t) for t in match.group(1).split(',')):
        tags += match.group(1).split(',')
        gloss = gloss[match.end():]
    return tags, gloss


Entry = collections.namedtuple('Entry', 'word reading tags common senses')


def read_edict(data):
    """The entries of EDICT (EUC-JP lines) that may go into a pack, in the
    file's order, and the number of those lines that are not EUC-JP or not an
    entry."""
    lines = data.split(b'\n')[1:]  # the first line names the file
    # Parsing all 267,000 lines takes long: only the words with a line tagged
    # for a pack are read, all their lines, since a word's readings matter.
    words = {raw.split(b' ', 1)[0] for raw in lines
             if b'(yoji)' in raw or b'(gikun)' in raw or b'(ateji)' in raw}
    entries, bad = [], 0
    for raw in lines:
        if raw.split(b' ', 1)[0] not in words:
            continue
        try:
            match = LINE.fullmatch(raw.decode('euc_jp'))
        except UnicodeDecodeError:
            match = None
        if not match:
            bad += 1
            continue
        tags, senses = set(), []
        fields = match.group(3).split('/')
        common = '(P)' in fields
        for field in fields:
            if field == '(P)':
                continue
            codes, gloss = leading_tags(field)
            tags.update(codes)
            if not senses or any(c.isdigit() and c != '1' for c in codes):
                senses.append([])
            if gloss:
                senses[-1].append(gloss)
        entries.append(Entry(match.group(1), match.group(2), tags, common, senses))
    return entries, bad


WRITTEN_IN_KANJI = re.compile('[\u4e00-\u9fff々]{2,}[\u3041-\u3096]*|[\u4e00-\u9fff々][\u3041-\u3096]+')


def is_kanji(c):
    return '\u4e00' <= c <= '\u9fff' or c == '々'


def by_word(entries):
    """The regular entries of each written word, in the file's order."""
    words = collections.defaultdict(list)
    for entry in entries:
        if entry.reading and not entry.tags & IRREGULAR:
            words[entry.word].append(entry)
    return words


def main_readings(entries):
    """The common readings when EDICT marks some, else all: one when one is
    clearly the main reading, several when none is."""
    shown = {}
    for entry in [e for e in entries if e.common] or entries:
        # かっぱ and カッパ are one reading to a learner.
        shown.setdefault(hiragana(entry.reading), entry.reading)
    return list(shown.values())


def add_reading(pack, word, entries):
    answer = '・'.join(main_readings(entries))
    if fits(answer, ANSWER_BYTES):
        pack.add(f'「{word}」の読みは？', answer)
    else:
        pack.skip(TOO_MANY_READINGS)


def edict_packs(entries):
    words = by_word(entries)
    yoji = {w: es for w, es in words.items()
            if len(w) == 4 and all(map(is_kanji, w)) and any('yoji' in e.tags for e in es)}
    readings = Pack(YOJI_READING_PACK)
    # Common idioms first, each part in the dictionary's order.
    for common in (True, False):
        for word, es in yoji.items():
            if any(e.common for e in es) == common:
                add_reading(readings, word, es)
    meanings = Pack(YOJI_MEANING_PACK)
    for word, es in yoji.items():
        entry = next((e for e in es if e.common), None)
        if entry:
            add_meaning(meanings, word, entry.senses[0])
    hard = Pack(HARD_READING_PACK)
    # Kanji, perhaps with okurigana: a word written partly in katakana or
    # with a kana word inside is no reading puzzle, nor is a lone kanji, whose
    # readings are a kanji quiz's.
    for word, es in words.items():
        if WRITTEN_IN_KANJI.fullmatch(word) and any(
                e.tags & {'gikun', 'ateji'} and (e.common or 'uk' in e.tags) for e in es):
            add_reading(hard, word, es)
    return [readings, meanings, hard]


# --- output ----------------------------------------------------------------


def write_pack(pack, folder):
    with open(f'{folder}/{pack.name}.csv', 'w', encoding='utf-8', newline='') as out:
        writer = csv.writer(out, lineterminator='\n')
        writer.writerow(('問題', '解答'))
        writer.writerows(pack.rows)


def report(packs, bad_lines):
    text = io.StringIO()
    for pack in packs:
        text.write(f'{pack.name}: {len(pack.rows)} questions, '
                   f'{pack.shortened} answers shortened\n')
        for reason, count in sorted(pack.left_out.items()):
            text.write(f'  left out, {reason}: {count}\n')
        if pack.not_taught:
            text.write(f'  {NOT_TAUGHT}: {pack.not_taught}\n')
    text.write(f'EDICT lines that are not EUC-JP entries: {bad_lines}\n')
    return text.getvalue()


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--kanjidic', required=True)
    parser.add_argument('--edict', required=True)
    parser.add_argument('--out', required=True)
    args = parser.parse_args(argv)
    with open(args.edict, 'rb') as stream:
        edict = stream.read()
    entries, bad_lines = read_edict(edict)
    characters = list(read_kanjidic(args.kanjidic))
    evidence = school_readings.Evidence({c[0]: (c[3], c[4]) for c in characters})
    evidence.add_edict(edict)
    packs = kanji_packs(characters, evidence) + edict_packs(entries)
    for pack in packs:
        write_pack(pack, args.out)
    summary = report(packs, bad_lines)
    with open(f'{args.out}/report.txt', 'w', encoding='utf-8', newline='') as out:
        out.write(summary)
    sys.stdout.write(summary)


if __name__ == '__main__':
    main(sys.argv[1:])
