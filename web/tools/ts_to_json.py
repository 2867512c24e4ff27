#!/usr/bin/env python3
"""Qt Linguist files to the browser edition's words: one JSON object per
language, {context: {source: translation}}, leaving out what lrelease
leaves out for the desktop (unfinished, vanished and obsolete messages)."""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

SKIPPED = {'unfinished', 'vanished', 'obsolete'}


def words(ts_file):
    contexts = {}
    for context in ET.parse(ts_file).getroot().iter('context'):
        messages = {}
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None or translation.get('type') in SKIPPED or not translation.text:
                continue
            messages[message.findtext('source')] = translation.text
        if messages:
            contexts[context.findtext('name')] = messages
    return contexts


def language_of(ts_file):
    """tarrowin_de.ts -> de"""
    return Path(ts_file).stem.rsplit('_', 1)[1]


def main(ts_files, out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    for ts_file in ts_files:
        text = json.dumps(words(ts_file), ensure_ascii=False, sort_keys=True, separators=(',', ':'))
        (out / f'{language_of(ts_file)}.json').write_text(text, encoding='utf-8')


if __name__ == '__main__':
    if len(sys.argv) < 3:
        sys.exit('usage: ts_to_json.py OUT_DIR FILE.ts...')
    main(sys.argv[2:], sys.argv[1])
