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

import readable
import school_readings

QUESTION_BYTES = 288
ANSWER_BYTES = 60

GRADE_PACKS = [(grade, f'小学{grade}年の漢字 (kanji grade {grade})') for grade in range(1, 7)]
JUNIOR_HIGH_PACK = '中学で習う常用漢字 (joyo kanji, junior high school)'
YOJI_COMMON_READING_PACK = '四字熟語の読み (common four-character idioms, readings)'
YOJI_READING_PACK = '四字熟語の読み 上級 (all four-character idioms, readings)'
YOJI_MEANING_PACK = '四字熟語の意味 (four-character idioms, meanings)'
PROVERB_PACK = 'ことわざと慣用句の意味 (proverbs and idioms, meanings)'
HARD_READING_PACK = '難読漢字 (hard-to-read words)'
FOREIGN_NAME_PACK = '外国名の漢字表記 (foreign names in kanji)'
# The levels KANJIDIC2 carries are those of the old test, 4 the easiest.
JLPT_MEANING_PACKS = [(level, f'漢字の意味 JLPT {level}級 (kanji meanings, JLPT {level})')
                      for level in (4, 3, 2, 1)]

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
    levels = {level: Pack(name) for level, name in JLPT_MEANING_PACKS}
    for literal, grade, jlpt, on, kun, english in characters:
        if grade in grades:
            add_kanji_reading(grades[grade], literal, on, kun, evidence)
        if jlpt in levels:
            add_meaning(levels[jlpt], literal, english)
    return [grades[g] for g in sorted(grades)] + list(levels.values())


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
        whole = school_readings.fit(on, kun, uses, lambda text: True)
        pack.add(f'「{literal}」の読みは？', answer, answer != whole)
        if answer != whole:
            # What one answer cannot hold gets a question of its own, so that
            # no taught reading is lost to the cut.
            shown = set(re.split('[・／]', answer))
            rest_on, rest_kun = [r for r in on if r not in shown], [r for r in kun if r not in shown]
            rest = school_readings.fit(rest_on, rest_kun, uses, lambda text: fits(text, ANSWER_BYTES))
            pack.add(f'「{literal}」のほかの読みは？', rest,
                     rest != school_readings.fit(rest_on, rest_kun, uses, lambda text: True))


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


Entry = collections.namedtuple('Entry', 'word reading tags common senses sense_tags')


def read_edict(data):
    """The entries of EDICT (EUC-JP lines), in the file's order, and the
    number of lines that are not EUC-JP or not an entry. All are read: a
    word's readings, and those of the words inside it, decide what a pack
    asks."""
    entries, bad = [], 0
    for raw in data.split(b'\n')[1:]:  # the first line names the file
        if not raw:
            continue
        try:
            match = LINE.fullmatch(raw.decode('euc_jp'))
        except UnicodeDecodeError:
            match = None
        if not match:
            bad += 1
            continue
        tags, senses, sense_tags = set(), [], []
        fields = match.group(3).split('/')
        common = '(P)' in fields
        for field in fields:
            if field == '(P)':
                continue
            codes, gloss = leading_tags(field)
            tags.update(codes)
            if not senses or any(c.isdigit() and c != '1' for c in codes):
                senses.append([])
                sense_tags.append(set())
            sense_tags[-1].update(codes)
            if gloss:
                senses[-1].append(gloss)
        entries.append(Entry(match.group(1), match.group(2), tags, common, senses, sense_tags))
    return entries, bad


WRITTEN_IN_KANJI = re.compile('[\u4e00-\u9fff々]{2,}[\u3041-\u3096]*|[\u4e00-\u9fff々][\u3041-\u3096]+')
KATAKANA_WORD = re.compile('[\u30a1-\u30fa\u30fc・]+')


def is_kanji(c):
    return '\u4e00' <= c <= '\u9fff' or c == '々'


def by_word(entries, irregular=IRREGULAR):
    """The regular entries of each written word, in the file's order."""
    words = collections.defaultdict(list)
    for entry in entries:
        if entry.reading and not entry.tags & irregular:
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


def add_reading(pack, word, readings):
    answer = '・'.join(readings)
    if fits(answer, ANSWER_BYTES):
        pack.add(f'「{word}」の読みは？', answer)
    else:
        pack.skip(TOO_MANY_READINGS)


# --- four-character idioms --------------------------------------------------

# Words that say nothing of what a compound means.
FILLER = set('a an the of to in on at by for with and or as one be is are from that which who'
             ' its it oneself something someone etc all very not no into out up over under'
             ' being have has make made way thing things person people use used general'.split())
PLAIN_COMPOUND = 'a plain compound of two words, the second ending many others'
LITERAL_COMPOUND = 'a plain compound of two words whose meaning it spells out'
# A second half that ends more four-kanji words than this makes compounds at
# will (〜関係, 〜路線, 〜政治), as idioms' halves rarely do.
HEAD_WORDS = 5


def gloss_words(gloss):
    """The content words of a gloss, cut to five letters so that "advisers"
    meets "advisory"."""
    return {word[:5] for word in re.findall('[a-z]+', without_notes(gloss).lower())
            if len(word) > 2 and word not in FILLER}


def meaning_words(entries):
    return {word for e in entries for sense in e.senses for gloss in sense
            for word in gloss_words(gloss)}


def plain_compound(word, entries, words, heads):
    """Why a four-kanji word is two words one after the other, read as they
    are read alone, rather than an idiom; None when it is not. Either the
    second one ends many other four-kanji words (側近 + 政治, 内縁 + 関係) and
    the meaning shows one of theirs, or every gloss of the meaning is spelt
    with words of both halves' meanings, each half giving its own, as a
    literal compound's is (整形美人: a plastic-surgery beauty)."""
    halves = [words.get(half, []) for half in (word[:2], word[2:])]
    if not all(halves):
        return None
    readings = {hiragana(e.reading) for e in entries}
    if not any(hiragana(a.reading + b.reading) in readings for a in halves[0] for b in halves[1]):
        return None
    meanings = [meaning_words(half) for half in halves]
    if heads[word[2:]] > HEAD_WORDS:
        return PLAIN_COMPOUND if any(meaning_words(entries) & m for m in meanings) else None
    # Halves that share a kanji (誠心誠意) or a gloss pairing two things
    # (peace and order) are an idiom's parallel build.
    if set(word[:2]) & set(word[2:]):
        return None
    def literal(gloss):
        own = gloss_words(gloss)
        return (own and own <= meanings[0] | meanings[1] and own - meanings[0]
                and own - meanings[1] and not re.search(r'\b(and|or)\b', gloss))
    return LITERAL_COMPOUND if all(map(literal, entries[0].senses[0])) else None


OLD_KANA = str.maketrans('ぢづ', 'じず')


def expected_readings(word, entries, words):
    """The main readings less the variants a learner is not expected to give:
    a katakana reading beside a Japanese one (海底撈月 ハイテイラオユエ, a
    mahjong hand), the old spelling ぢ or づ beside じ or ず, and readings whose
    halves are read as the two-kanji words alone are not, when another's are
    (年中行事: 年中 is ねんじゅう)."""
    readings = main_readings(entries)
    readings = [r for r in readings if not KATAKANA_WORD.fullmatch(r)] or readings
    modern = {hiragana(r) for r in readings if 'ぢ' not in r and 'づ' not in r}
    readings = [r for r in readings if hiragana(r).translate(OLD_KANA) not in modern
                or hiragana(r) in modern]

    def weight(half, reading):
        known = [e for e in words.get(half, []) if hiragana(e.reading) == reading]
        return 2 if any(e.common for e in known) else 1 if known else 0

    def score(reading):
        reading = hiragana(reading)
        return max(weight(word[:2], reading[:n]) + weight(word[2:], reading[n:])
                   for n in range(1, len(reading)))
    best = max(map(score, readings))
    return [r for r in readings if score(r) == best]


def yoji_packs(words):
    four = [w for w in words if len(w) == 4 and all(map(is_kanji, w))]
    heads = collections.Counter(w[2:] for w in four)
    yoji = {w: words[w] for w in four if any('yoji' in e.tags for e in words[w])}
    common_readings = Pack(YOJI_COMMON_READING_PACK)
    readings = Pack(YOJI_READING_PACK)
    meanings = Pack(YOJI_MEANING_PACK)
    # Common idioms first, each part in the dictionary's order.
    for common in (True, False):
        for word, es in yoji.items():
            if any(e.common for e in es) != common:
                continue
            if reason := plain_compound(word, es, words, heads):
                for pack in (readings, common_readings, meanings)[:3 if common else 1]:
                    pack.skip(reason)
                continue
            answer = expected_readings(word, es, words)
            add_reading(readings, word, answer)
            if common:
                add_reading(common_readings, word, answer)
                add_meaning(meanings, word, next(e for e in es if e.common).senses[0])
    return [common_readings, readings, meanings]


# --- proverbs and idioms ------------------------------------------------------


def proverb_pack(words):
    """Entries whose first sense EDICT marks a proverb or an idiom; a later
    sense so marked is a figurative use of a plain word (波: ups and downs)."""
    pack = Pack(PROVERB_PACK)
    # One question for the spellings of one saying (後の祭り, 後の祭).
    sayings = {}
    for word, es in words.items():
        for e in es:
            if e.sense_tags[0] & {'proverb', 'id'} and e.senses[0]:
                key = (hiragana(e.reading), tuple(e.senses[0]))
                if key not in sayings or e.common and not sayings[key].common:
                    sayings[key] = e
    for common in (True, False):
        for e in sayings.values():
            if e.common == common:
                add_meaning(pack, e.word, e.senses[0])
    return pack


# --- hard-to-read words --------------------------------------------------------

GUESSABLE = 'readings a reader can work out from the kanji or the words inside'
RARE_HARD = 'an uncommon word of more than three kanji, or usually in kana and with okurigana'
UNKNOWN_KANJI = 'a kanji KANJIDIC2 does not carry, so no telling'
GRAMMAR_FORM = 'a form of する written with 為 (為せる, 為れる), grammar rather than a word'
DIGITS = 'a number written digit by digit (一一九番)'
PLACE = 'a Japanese place name (Echigo, former province), not an everyday word'
LOANWORD = 'an uncommon loanword spelt in kanji for its sound (越幾斯 エキス)'
FEW_USES = 'usually in kana, and fewer than two other words built on it (names of beasts and plants)'

KANA_ONLY = re.compile('[\u3041-\u3096]+')
DIGIT_RUN = re.compile('[〇一二三四五六七八九]{2}')
# EDICT notes a loanword's source language in a gloss: "gum (dut: gom)".
SOURCE_LANGUAGE = re.compile(r'\([a-z]{3}:')
PLACE_NOTE = re.compile(r'\([^()]*\b(city|province|prefecture|region)\b')


def near_variant(reading, others):
    """One kana added, dropped or changed (いう, ゆう; ゆいいつ, ゆいつ)."""
    def close(a, b):
        if len(a) == len(b):
            return sum(x != y for x, y in zip(a, b)) == 1
        short, long = sorted((a, b), key=len)
        return len(long) == len(short) + 1 and any(
            long[:i] + long[i + 1:] == short for i in range(len(long)))
    return any(close(reading, other) for other in others)


def hard_readings(word, readings, parts):
    """The readings a learner is asked for: those of the main ones that
    cannot be worked out, less those that only vary a guessable one."""
    guessable = [hiragana(r) for r in readings if parts.guessable(word, hiragana(r))]
    return [r for r in readings if hiragana(r) not in guessable
            and not near_variant(hiragana(r), guessable)]


def is_name(entry):
    """A name, every word of the first meaning capitalised: Argentina, New
    York, Washington, DC, Echigo; not German chamomile, not coffee."""
    names = re.findall('[A-Za-z]+', without_notes(entry.senses[0][0]) if entry.senses[0] else '')
    return bool(names) and all(n[0].isupper() or n in ('of', 'the', 'and') for n in names)


def is_loanword(entries):
    return any(KATAKANA_WORD.fullmatch(e.reading) or SOURCE_LANGUAGE.search(g)
               for e in entries for sense in e.senses for g in sense)


def built_on(words, candidates):
    """How many other written words hold each candidate inside them."""
    counts = collections.Counter()
    for word in words:
        for n in range(2, min(len(word) - 1, 4) + 1):
            for i in range(len(word) - n + 1):
                if word[i:i + n] in candidates:
                    counts[word[i:i + n]] += 1
    return counts


def hard_reading_packs(entries, characters):
    # An outdated kanji spelling (檸檬) is what makes a word hard to read.
    words = by_word(entries, IRREGULAR - {'oK'})
    parts = readable.Parts(
        {literal: readable.kanji_readings([hiragana(r) for r in on], kun)
         for literal, _, _, on, kun, _ in characters},
        {w: {hiragana(e.reading) for e in es} for w, es in words.items()})
    hard, foreign = Pack(HARD_READING_PACK), Pack(FOREIGN_NAME_PACK)
    # Common words first, then those EDICT marks as spelt by meaning or by
    # sound, then those usually written in kana (向日葵, 案山子).
    tiers = ([], [], [])
    for word, es in words.items():
        # A word partly in katakana or with a kana word inside is no reading
        # puzzle, nor is a lone kanji, whose readings are a kanji quiz's.
        if not WRITTEN_IN_KANJI.fullmatch(word):
            continue
        common = any(e.common for e in es)
        tier = 0 if common else 1 if any(e.tags & {'gikun', 'ateji'} for e in es) else 2
        if tier == 2 and not any('uk' in e.tags for e in es):
            continue
        tiers[tier].append((word, es))
    # A kana word other words are built on (向日葵, 案山子) is one people
    # meet; most of the rest name plants and beasts only naturalists know.
    uses = built_on(words, {word for word, _ in tiers[2]})
    for tier, tier_words in enumerate(tiers):
        for word, es in tier_words:
            readings = main_readings(es)
            main_entries = [e for e in es if e.common] or es
            # A foreign name in kanji is a puzzle whatever its kanji read.
            if all(map(KATAKANA_WORD.fullmatch, readings)) and is_name(es[0]):
                add_reading(foreign, word, readings)
            elif not all(c in parts.kanji for c in word if is_kanji(c) and c != '々'):
                hard.skip(UNKNOWN_KANJI)
            elif not (answer := hard_readings(word, readings, parts)):
                hard.skip(GUESSABLE)
            elif tier and sum(map(is_kanji, word)) > 3 or tier == 2 and not all(map(is_kanji, word)):
                # Long names of plants and beasts, and kana words spelt in kanji.
                hard.skip(RARE_HARD)
            elif word[0] == '為' and KANA_ONLY.fullmatch(word[1:]):
                hard.skip(GRAMMAR_FORM)
            elif DIGIT_RUN.search(word):
                hard.skip(DIGITS)
            elif all(is_name(e) and PLACE_NOTE.search(e.senses[0][0]) for e in main_entries):
                hard.skip(PLACE)
            elif tier and is_loanword(es):
                hard.skip(LOANWORD)
            elif tier == 2 and uses[word] < 2 and not (
                    uses[word] and any(len(e.senses) > 1 for e in es)):
                hard.skip(FEW_USES)
            else:
                add_reading(hard, word, answer)
    return [hard, foreign]


def edict_packs(entries, characters):
    words = by_word(entries)
    return yoji_packs(words) + [proverb_pack(words)] + hard_reading_packs(entries, characters)


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
    packs = kanji_packs(characters, evidence) + edict_packs(entries, characters)
    for pack in packs:
        write_pack(pack, args.out)
    summary = report(packs, bad_lines)
    with open(f'{args.out}/report.txt', 'w', encoding='utf-8', newline='') as out:
        out.write(summary)
    sys.stdout.write(summary)


if __name__ == '__main__':
    main(sys.argv[1:])
