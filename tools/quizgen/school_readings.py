"""Which of a kanji's KANJIDIC2 readings a Japanese school teaches.

KANJIDIC2 lists every reading a kanji has ever had and marks none as taught
(its r_status is unused), and no installed file carries the joyo table. What
the table teaches is what everyday words use: so each EDICT word is split
into its kanji, each taking one of its KANJIDIC2 readings (voiced as in
木陰 → かげ, cut short as in 学校 → がっ, with its okurigana written, inflected
or left out), and a reading is kept when a common word (EDICT's P) reads the
kanji so, or failing that enough rare ones do. A word split more than one
cheapest way tells nothing about the kanji whose reading it leaves open.
"""

import collections
import re

VOICED = dict(zip('かきくけこさしすせそたちつてとはひふへほ', 'がぎぐげござじずぜぞだぢづでどばびぶべぼ'))
VOICED.update({'ち': 'ぢじ', 'つ': 'づず', 'は': 'ばぱ', 'ひ': 'びぴ', 'ふ': 'ぶぷ', 'へ': 'べぺ', 'ほ': 'ぼぽ'})
# The continuative stem of a verb ending: 続く → 続き, 受ける → 受け (in 受付).
CONTINUATIVE = dict(zip('うくぐすつぬぶむる', 'いきぎしちにびみり'))
# The stem a godan verb ending takes before ない and せる: 知る → 知らせる.
NEGATIVE = dict(zip('うくぐすつぬぶむる', 'わかがさたなばまら'))
# The kana before the る of a verb that loses only its る (受ける → 受け).
I_OR_E = 'いきぎしじちぢにひびぴみりえけげせぜてでねへべぺめれ'
# The kana a verb ending turns into: 続く → 続か, 続き, 続け, 続こう, 続いて.
ROWS = {'う': 'わいえおっ', 'く': 'かきけこい', 'ぐ': 'がぎげごい', 'す': 'さしせそ', 'つ': 'たちてとっ',
        'ぬ': 'なにねのん', 'ぶ': 'ばびべぼん', 'む': 'まみめもん', 'る': 'らりれろっ'}
# EDICT's marks of a spelling or reading that is irregular, outdated or a
# sound borrowed for its own sake: no evidence of what the kanji means to say.
# Only the marks before the first gloss say so of the word: a later sense
# "(uk)" is that sense's.
NOT_EVIDENCE = re.compile(r'(?:\([^()/]*\) )*\((?:[^()/]*,)?(?:ik|ok|iK|oK|eK|ek|ateji|gikun|uk|io)(?:,[^()/]*)?\)')
DEVOICED = collections.defaultdict(str)
for plain, voiced in VOICED.items():
    for v in voiced:
        DEVOICED[v] += plain
# Rare words enough to keep a reading no common word uses: rare words are
# where readings no school teaches live, native ones most of all, and twice
# as many for a kun reading where common words use other kun readings (but
# for a prefix form).
RARE_ON = 5
RARE_KUN = 8
LINE = re.compile(r'(\S+) \[([^\]]+)\] /(.*)/')
# A first gloss that names a place: Gifu (city, prefecture).
PLACE = re.compile(r'(?:\([^()/]*\) )*[A-Z][a-z]+(?: [A-Z][a-z]+)* '
                   r'\([^()/]*\b(?:city|prefecture|town|province|region|island|country)\b[^()/]*\)/')


def hiragana(text):
    return ''.join(chr(ord(c) - 0x60) if '\u30a1' <= c <= '\u30f6' else c for c in text)


def is_kanji(c):
    return '\u4e00' <= c <= '\u9fff'


def label(reading):
    """A KANJIDIC2 reading as the packs print it: no dot, no dashes."""
    return reading.replace('.', '').strip('-')


def continuative(verb):
    """The stems a verb or adjective takes inside compounds."""
    forms = set()
    if verb[-1] in CONTINUATIVE:
        forms.add(verb[:-1] + CONTINUATIVE[verb[-1]])
    if verb.endswith('る') and verb[-2:-1] in I_OR_E:
        forms.add(verb[:-1])  # 受け of うける, but no あく of あくる
    if verb.endswith('い'):
        forms.add(verb[:-1] + 'き')  # 亡き (な.き-): an adjective's old attributive
    return forms - {verb}


def inflected(word, stem, after):
    """Whether kana after a stem are the word's okurigana, inflected: 続き
    and 続かない are つづく's, 大きな おおきい's, 向くままに むく's."""
    okurigana = word[len(stem):]
    head, last = okurigana[:-1], okurigana[-1]
    if not after.startswith(head):
        return False
    if last not in ROWS and last != 'い':
        return after.startswith(okurigana)  # 明らかに: a word in -ka or -yaka does not inflect
    if last == 'る' and head:
        return True  # 続け, 続けて: a verb in -eru or -iru loses only its る
    ending = after[len(head):len(head) + 1]
    return bool(ending) and ending in ('くかけさみなげい' if last == 'い' else ROWS.get(last, '') + last)


def sounds(reading):
    """The ways a reading is heard inside a word, each with its cost (a
    change of sound) and the okurigana it wants written after it, if any."""
    stem, _, okurigana = hiragana(reading.strip('-')).partition('.')
    forms = [(stem, 0, okurigana)] if okurigana else [(stem, 0, '')]
    if okurigana:
        # Okurigana left unwritten, as in 受付 (うけつけ) or 続柄 (つづきがら).
        whole = stem + okurigana
        forms.append((whole, 1, ''))
        forms += [(form, 2, '') for form in continuative(whole)]
    more = []
    for text, cost, rest in forms:
        if not rest and text and text[-1] in 'つちくき':
            more.append((text[:-1] + 'っ', cost + 1, rest))
    forms += more
    for text, cost, rest in list(forms):
        for voiced in VOICED.get(text[:1], ''):
            forms.append((voiced + text[1:], cost + 1, rest))
    return forms


def okurigana_after(word, start):
    end = start
    while end < len(word) and '\u3041' <= word[end] <= '\u3096':
        end += 1
    return word[start:end]


class Evidence:
    """Counts, for each kanji and reading, the EDICT words that read it so."""

    def __init__(self, kanjidic_readings):
        # kanjidic_readings: literal -> (on readings, kun readings) as KANJIDIC2 gives them.
        self.sounds, self.voiced_on, self.on_kana = {}, {}, {}
        for literal, (on, kun) in kanjidic_readings.items():
            self.sounds[literal] = [form + (label(r),) for r in on + kun for form in sounds(r)]
            kana = {hiragana(label(r)) for r in on}
            self.on_kana[literal] = kana
            # ゴン beside コン: inside a word as likely コン voiced.
            self.voiced_on[literal] = {label(r) for r in on if any(
                d + hiragana(label(r))[1:] in kana for d in DEVOICED.get(hiragana(label(r))[:1], ''))}
        self.common = collections.defaultdict(collections.Counter)
        self.rare = collections.defaultdict(collections.Counter)
        self.alone = collections.defaultdict(set)  # the kanji alone as a common word: 卸 (おろし)

    def add_edict(self, data):
        for raw in data.split(b'\n')[1:]:  # the first line names the file
            if not raw or raw[0] < 0x80:
                continue  # a word with no kanji in front
            try:
                match = LINE.fullmatch(raw.decode('euc_jp'))
            except UnicodeDecodeError:
                continue
            if not match or NOT_EVIDENCE.match(match.group(3)):
                continue
            word, reading = match.group(1), hiragana(match.group(2))
            # A place name (岐阜) shows how the place is read, more than its kanji.
            common = '(P)' in match.group(3).split('/') and not PLACE.match(match.group(3) + '/')
            for literal, kanji_reading in self.split(word, reading):
                (self.common if common else self.rare)[literal][kanji_reading] += 1
                if len(word) == 1 and common:
                    self.alone[literal].add(kanji_reading)

    def split(self, word, reading):
        """The (kanji, reading) pairs that every cheapest way of reading the
        word agrees on. A reading is given as the packs print it, or as '~'
        and its stem where the word shows no more."""
        if not any(map(is_kanji, word)) or len(word) > 8:
            return []
        word = re.sub('(.)々', r'\1\1', word)
        kana = hiragana(word)
        best = {}  # (position in word, position in reading) -> (cost, ways)

        def options(i, j):
            c = word[i]
            if not is_kanji(c):
                return [(1, 0, None)] if kana[i] == reading[j:j + 1] else []
            found = []
            after = okurigana_after(kana, i + 1)
            for text, cost, rest, shown in self.sounds.get(c, []):
                if not text or not reading.startswith(text, j):
                    continue
                if rest and rest != after:
                    if after and inflected(text + rest, text, after):
                        cost += 1
                    else:  # none before another kanji (長屋): only the stem shows
                        cost, shown = cost + 2, '~' + shown[:-len(rest)]
                elif not rest and after:
                    cost += 2  # kana after a reading may be another reading's okurigana
                if i and shown in self.voiced_on[c]:
                    cost += 1
                if '\u3041' <= shown[0] <= '\u3096' and shown in self.on_kana[c]:
                    cost += 1  # 気 (き) is the on reading キ
                found.append((len(text), cost, (c, shown)))
            return found

        def walk(i, j):
            if i == len(word):
                return (0, [()]) if j == len(reading) else None
            if (i, j) not in best:
                found = None
                for length, cost, pick in options(i, j):
                    rest = walk(i + 1, j + length)
                    if rest is None:
                        continue
                    ways = [((pick,) if pick else ()) + way for way in rest[1]]
                    if found is None or cost + rest[0] < found[0]:
                        found = (cost + rest[0], ways[:16])
                    elif cost + rest[0] == found[0]:
                        found = (found[0], (found[1] + ways)[:16])
                best[i, j] = found
            return best[i, j]

        result = walk(0, 0)
        if not result:
            return []
        return [column.pop() for column in map(set, zip(*result[1])) if len(column) == 1]


def taught(evidence, literal, on, kun):
    """The readings of a kanji a school teaches, as the packs print them, in
    KANJIDIC2's order, each with the number of common words that use it."""
    common, rare = evidence.common[literal], evidence.rare[literal]
    kept = {}
    for reading in dict.fromkeys(map(label, on)):
        if common[reading] or rare[reading] >= RARE_ON:
            kept[reading] = common[reading]
    stems = {label(r): hiragana(r.strip('-').split('.')[0]) for r in kun if '.' in r}
    plain = list(dict.fromkeys(map(label, kun)))
    support, rare_support = collections.Counter(), collections.Counter()
    bare = {label(r) for r in kun if '.' not in r}

    def written(verb):
        stem = '~' + stems[verb]
        return common[verb] + rare[verb] + common[stem] + rare[stem] > 0
    for reading in list(plain):
        # Words of other readings: 続き of つづく, やす (安物) of やすい, but
        # not ひと of ひとつ, a reading of its own.
        owners = {}  # the verb a form is a word of; None where several share it (おも: おもい, おもり)
        for verb, stem in stems.items():
            if verb != reading:
                forms = continuative(verb) | (set() if verb.endswith('つ') else {stem})
                if verb[-1] in NEGATIVE:  # the causative: 知らせる is a form of 知る
                    forms.add(verb[:-1] + NEGATIVE[verb[-1]] + 'せる')
                for form in forms:
                    owners[form] = verb if owners.get(form, verb) == verb else None
        if {d + reading[1:] for d in DEVOICED.get(reading[0], '')} & (set(plain) | set(owners)):
            plain.remove(reading)  # -じるし is しるし after another word
        elif reading in owners and (not owners[reading] or written(owners[reading]) or reading not in bare):
            # A verb no word writes owns no form KANJIDIC2 lists as a word
            # of its own: 助 すけ is a reading, す.ける not.
            plain.remove(reading)
            if reading in evidence.alone[literal]:
                kept[reading] = common[reading]  # 卸 (おろし), 答 (こたえ)
            elif owners[reading]:
                support[owners[reading]] += common[reading]
                rare_support[owners[reading]] += rare[reading]
    everyday = any(common[r] + support[r] + common['~' + stems.get(r, '')] for r in plain)
    prefixes = {label(r) for r in kun if r.endswith('-')}  # 胸板 むな: a form of むね, no rival
    for reading in plain:
        stem = '~' + stems[reading] if reading in stems else None
        uses = common[reading] + support[reading] + common[stem]
        rare_kun = RARE_KUN * (2 if everyday and reading not in prefixes else 1)
        if uses or rare[reading] + rare_support[reading] + rare[stem] >= rare_kun:
            kept[reading] = uses
    # A verb of the same stem as one common words use (化かす beside 化ける,
    # 上す beside 上る) needs one word: such pairs are taught together.
    paired = {stems[r] for r, used in kept.items() if used and r in stems and r[-1] in CONTINUATIVE}
    for reading in plain:
        if (reading not in kept and reading[-1] in CONTINUATIVE and stems.get(reading) in paired
                and rare[reading] + rare_support[reading] + rare['~' + stems[reading]]):
            kept[reading] = 0
    if not kept:
        # A kanji only rare words use gets the reading most of them show.
        best = max(map(label, on + kun), key=lambda r: rare[r] + rare_support[r], default=None)
        if best and rare[best] + rare_support[best]:
            kept[best] = 0
    order = list(dict.fromkeys(map(label, on + kun)))
    return dict(sorted(kept.items(), key=lambda item: order.index(item[0])))


def fit(on, kun, uses, fits):
    """The on and kun readings joined as the packs show them, the ones fewest
    common words use dropped from the longer list until the answer fits;
    None when even one of each does not."""
    on, kun = list(on), list(kun)
    while True:
        answer = '／'.join(part for part in ('・'.join(on), '・'.join(kun)) if part)
        if fits(answer):
            return answer
        longer = kun if len(kun) >= len(on) else on
        if len(longer) <= 1:
            return None
        # The last of the least used goes first: KANJIDIC2 lists the main ones first.
        longer.pop(max(range(len(longer)), key=lambda i: (-uses[longer[i]], i)))
