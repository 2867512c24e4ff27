#!/usr/bin/env python3
"""The page's ES modules as one script for the single-file edition, which
opens from file:// where a page may not load modules: each module runs in a
function of its own and hands its exports to the modules that import them."""
import re
from pathlib import Path

IMPORT = re.compile(r"^import\s*\{([^}]*)\}\s*from\s*'\./([\w-]+)\.js';\s*$", re.M)
EXPORT = re.compile(r'^export\s+(?:async\s+)?(?:class|function|const|let)\s+(\w+)', re.M)


def variable(name):
    return '__' + name.replace('-', '_')


def bundle(directory, entry):
    """The modules `entry` needs, dependencies first, then the entry's own code."""
    directory = Path(directory)
    order, seen = [], set()

    def visit(name):
        if name in seen:
            return
        seen.add(name)
        source = (directory / f'{name}.js').read_text(encoding='utf-8')
        for match in IMPORT.finditer(source):
            visit(match.group(2))
        order.append((name, source))

    visit(entry)
    parts = []
    for name, source in order:
        exports = EXPORT.findall(source)
        body = IMPORT.sub(lambda m: f'const {{{m.group(1)}}} = {variable(m.group(2))};', source)
        body = re.sub(r'^export\s+', '', body, flags=re.M)
        parts.append(f'const {variable(name)} = (() => {{\n{body}\nreturn {{ {", ".join(exports)} }};\n}})();\n')
    return '\n'.join(parts)
