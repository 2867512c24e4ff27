#!/usr/bin/env python3
"""Writes the browser edition's folder: the page, the compiled core, the
artwork, the words, the user guide, the web app manifest, icons and the
service worker; and tarrowin.html, the whole edition in one file."""
import argparse
import hashlib
import json
import re
import shutil
import subprocess
from pathlib import Path

import bundle
import ts_to_json

ICON_SIZES = (192, 512)


def copy(source, target):
    target.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(source, target)


def manifest(languages):
    return {
        'name': 'Tarrowin',
        'short_name': 'Tarrowin',
        'description': 'Shows how electrons carry energy round simple circuits.',
        'start_url': './',
        'scope': './',
        'display': 'standalone',
        'background_color': '#f2f2f2',
        'theme_color': '#1b1b1b',
        'categories': ['education'],
        'icons': [{'src': f'icons/tarrowin-{s}.png', 'sizes': f'{s}x{s}', 'type': 'image/png'} for s in ICON_SIZES]
        + [{'src': 'icons/tarrowin.svg', 'sizes': 'any', 'type': 'image/svg+xml'}],
    }


def offline_files(out):
    """Everything the page needs offline: not the runner for Node, which is not
    the page's, nor the single file, the same edition again, nor the worker."""
    skipped = {'tarrowin-sim.js', 'tarrowin.html', 'sw.js'}
    return sorted(p.relative_to(out).as_posix() for p in out.rglob('*') if p.is_file() and p.name not in skipped)


def write_service_worker(template, out):
    """The worker with the files it keeps (and the folder's own address, which
    serves index.html) and a version made from their names and contents, so
    that a change to any byte of them makes browsers replace what they kept."""
    files = offline_files(out)
    digest = hashlib.sha256()
    for name in files:
        digest.update(f'{name}\0{hashlib.sha256((out / name).read_bytes()).hexdigest()}\n'.encode())
    head = f'const kVersion = {json.dumps(digest.hexdigest()[:16])};\nconst kFiles = {json.dumps(["./"] + files, indent=1)};\n'
    (out / 'sw.js').write_text(head + template, encoding='utf-8')


def inline_json(value):
    # Safe inside a <script> element: no "</script" can end it early.
    return json.dumps(value, ensure_ascii=False, separators=(',', ':')).replace('</', '<\\/')


def single_file(page_dir, core_js, css, assets):
    html = (page_dir / 'index.html').read_text(encoding='utf-8')
    head = (f'<style>\n{css}</style>\n'
            f'<script type="application/json" id="tarrowin-assets">{inline_json(assets)}</script>\n')
    html = re.sub(r'<!--head-->.*<!--/head-->', lambda m: head, html, flags=re.S)
    # The core's script keeps an id: Compare Circuits' workers run it again.
    scripts = (f'<script id="tarrowin-core">\n{core_js}\n</script>\n'
               f'<script>\n{bundle.bundle(page_dir / "js", "boot-single")}</script>\n')
    return html.replace('</body>', scripts + '</body>')


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--root', required=True, help='the source tree')
    parser.add_argument('--core', help='the emscripten build directory')
    parser.add_argument('--core-simd', help='the same built with WebAssembly SIMD (tarrowin-page only)')
    parser.add_argument('--out', required=True, help='the folder to write, e.g. build/web')
    parser.add_argument('--worker-only', action='store_true',
                        help='write only the service worker again, for the folder as it is now (after a file in it '
                        'was changed by hand), so that browsers replace what they kept')
    args = parser.parse_args()
    root, out = Path(args.root), Path(args.out)
    page = root / 'web' / 'page'
    template = (page / 'sw.js').read_text(encoding='utf-8')
    if args.worker_only:
        write_service_worker(template, out)
        return
    if not args.core:
        parser.error('--core is needed to write the folder')
    core = Path(args.core)
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)

    for name in ('index.html', 'tarrowin.css'):
        copy(page / name, out / name)
    for name in ('tarrowin.js', 'tarrowin.wasm', 'tarrowin-sim.js'):
        copy(core / name, out / name)
    if args.core_simd:
        # One tarrowin.js loads either WebAssembly: the two builds must agree on it.
        simd = Path(args.core_simd)
        if (simd / 'tarrowin.js').read_bytes() != (core / 'tarrowin.js').read_bytes():
            parser.error(f'{simd}/tarrowin.js differs from {core}/tarrowin.js: the SIMD build is not the same core')
        copy(simd / 'tarrowin.wasm', out / 'tarrowin-simd.wasm')
    # The page's modules as one script, which index.html runs as the single file runs its own.
    (out / 'tarrowin-page.js').write_text(bundle.bundle(page / 'js', 'boot'), encoding='utf-8')

    artwork = sorted((root / 'res' / 'artwork').glob('*.svg'))
    for svg in artwork:
        copy(svg, out / 'artwork' / svg.name)
    ts_files = sorted((root / 'i18n').glob('tarrowin_*.ts'))
    ts_to_json.main(ts_files, out / 'i18n')
    languages = [ts_to_json.language_of(f) for f in ts_files]
    guide = root / 'docs' / 'guide' / 'index.html'
    if guide.exists():
        copy(guide, out / 'guide' / 'index.html')

    icon = root / 'res' / 'artwork' / 'tarrowin.svg'
    copy(icon, out / 'icons' / 'tarrowin.svg')
    for size in ICON_SIZES:
        subprocess.run(['rsvg-convert', '-w', str(size), '-h', str(size), '-o',
                        str(out / 'icons' / f'tarrowin-{size}.png'), str(icon)], check=True)
    (out / 'manifest.webmanifest').write_text(json.dumps(manifest(languages), indent=1) + '\n', encoding='utf-8')
    (out / 'assets.json').write_text(json.dumps({
        'artwork': [f'artwork/{svg.name}' for svg in artwork], 'languages': languages}) + '\n', encoding='utf-8')

    assets = {
        'artwork': {f'artwork/{svg.name}': svg.read_text(encoding='utf-8') for svg in artwork},
        'languages': {lang: json.loads((out / 'i18n' / f'{lang}.json').read_text(encoding='utf-8')) for lang in languages},
        'guide': guide.read_text(encoding='utf-8') if guide.exists() else '',
    }
    single = single_file(page, (core / 'tarrowin-single.js').read_text(encoding='utf-8'),
                         (page / 'tarrowin.css').read_text(encoding='utf-8'), assets)
    (out / 'tarrowin.html').write_text(single, encoding='utf-8')
    write_service_worker(template, out)


if __name__ == '__main__':
    main()
