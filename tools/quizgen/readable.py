"""Whether a reader could work out a word's reading from its parts.

A reading can be guessed when it splits into readings of the word's kanji
as KANJIDIC2 lists them, or into the readings of shorter EDICT words written
inside it, with the sound changes of compounds: a voiced first sound
(はな → ばな, 居 + ここち → いごこち), a doubled consonant at the end
(がく → がっ), okurigana left unwritten (引き継ぎ → 引継ぎ) or written longer
(現わす). All readings here are in hiragana.
"""

import functools

VOICED = dict(zip('かきくけこさしすせそたちつてとはひふへほ', 'がぎぐげござじずぜぞだぢづでどばびぶべぼ'))
# ぢ and づ are written じ and ず today (中 ちゅう → 年中 ねんじゅう).
VOICED_TODAY = {'ち': 'じ', 'つ': 'ず'}
HALF_VOICED = dict(zip('はひふへほ', 'ぱぴぷぺぽ'))
# A verb's okurigana left out of a noun: 引く → 引(ひき)継ぎ.
STEM_ENDING = dict(zip('くぐすつぬぶむるう', 'きぎしちにびみりい'))


def sound_changes(reading):
    forms = {reading}
    for table in (VOICED, VOICED_TODAY, HALF_VOICED):
        if reading[0] in table:
            forms.add(table[reading[0]] + reading[1:])
    forms |= {f[:-1] + 'っ' for f in forms if len(f) > 1 and f[-1] in 'つくちき'}
    return forms


def kanji_readings(on, kun):
    """The forms a kanji's readings take inside words; on readings already
    in hiragana, kun readings with KANJIDIC2's okurigana dot."""
    plain = {r.strip('-') for r in on}
    for reading in kun:
        stem, _, okurigana = reading.strip('-').partition('.')
        plain |= {stem + okurigana[:n] for n in range(len(okurigana) + 1)}
        if okurigana and okurigana[-1] in STEM_ENDING:
            plain.add(stem + okurigana[:-1] + STEM_ENDING[okurigana[-1]])
    return {form for r in plain if r for form in sound_changes(r)}


class Parts:
    def __init__(self, kanji, words):
        """kanji: literal -> set of forms (kanji_readings); words: written
        word -> set of readings."""
        self.kanji, self.words = kanji, words

    def guessable(self, word, reading):
        @functools.lru_cache(maxsize=None)
        def split(i, j, previous):
            if i == len(word):
                return j == len(reading)
            c = word[i]
            if c == '々':
                c = previous
            choices = [(1, r) for r in self.kanji.get(c, ())]
            # Okurigana written longer than usual repeat the last kana of the
            # kanji's reading before its own: 現(あらわ)す written 現わす.
            choices += [(1, r[:-1]) for _, r in choices
                        if len(r) > 1 and word.startswith(r[-1], i + 1)
                        and '\u3041' <= word[i + 2:i + 3] <= '\u3096']
            if not choices and c:  # kana written in the word reads as itself
                choices = [(1, c)]
            # Shorter words inside it, never the word itself, voiced after
            # the first part as a kanji is (居 + 心地 いごこち).
            choices += [(n, form) for n in range(2, len(word) - i + (i > 0))
                        for r in self.words.get(word[i:i + n], ())
                        for form in (sound_changes(r) if i else (r,))]
            return any(reading.startswith(r, j)
                       and split(i + n, j + len(r), c if n == 1 else word[i + n - 1])
                       for n, r in choices)
        return split(0, 0, None)
