#!/usr/bin/env python3
"""Measures the kanji packs' readings against the ones a school teaches,
written out by hand in school_readings.tsv: prints the kanji whose answers
differ, then precision and recall, and fails below the floors.
    school_readings_test.py PACK_DIR [FIXTURE]"""
import csv
import glob
import os
import sys

# What the evidence reaches, less a little: a rule losing or adding readings fails.
PRECISION, RECALL = 0.93, 0.96
here = os.path.dirname(os.path.abspath(__file__))
packs, fixture = sys.argv[1], (sys.argv[2:] or [f'{here}/school_readings.tsv'])[0]
taught = {}
with open(fixture, encoding='utf-8') as lines:
    for line in lines:
        if not line.startswith('#'):
            kanji, on, kun = line.rstrip('\n').split('\t')
            taught[kanji] = {r for r in f'{on}・{kun}'.split('・') if r}
given = {}
for name in glob.glob(f'{packs}/小学*年の漢字*.csv') + glob.glob(f'{packs}/中学*.csv'):
    with open(name, encoding='utf-8', newline='') as rows:
        for question, answer in list(csv.reader(rows))[1:]:
            # 「上」のほかの読みは？ holds what 「上」の読みは？ could not.
            given.setdefault(question[1], set()).update(answer.replace('／', '・').split('・'))
assert len(glob.glob(f'{packs}/*の漢字*.csv')) >= 6, 'no kanji packs in ' + packs
right = wrong = missed = 0
for kanji, readings in taught.items():
    shown = given.get(kanji, set())
    right += len(shown & readings)
    wrong += len(shown - readings)
    missed += len(readings - shown)
    if shown != readings:
        print(f'{kanji}: extra {"・".join(sorted(shown - readings)) or "-"}, '
              f'missing {"・".join(sorted(readings - shown)) or "-"}')
precision, recall = right / (right + wrong), right / (right + missed)
print(f'{len(taught)} kanji: precision {precision:.3f}, recall {recall:.3f}')
sys.exit(0 if precision >= PRECISION and recall >= RECALL else 1)
