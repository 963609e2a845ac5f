#!/usr/bin/env python3
"""Checks the include graph of src/. Usage: check_includes.py <source dir>

- Nothing in src/ includes a file of tools/.
- The libraries stack as common < skin < ledger: none includes a library above it.
- The skin's layers stack as package < draw < data < window < controls < menus, and the ledger's
  database library (the files its CMake lists give kexbora_ledger_data) includes nothing of
  the program library: a file includes only its own layer and the layers below.
- The ledger's folders (src/ledger/<folder>/) include each other without a cycle."""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
TARGET_SOURCES = re.compile(r'target_sources\((\w+)\s+PRIVATE\s+([^)]*)\)')
LIBRARIES = ['common', 'skin', 'ledger']
SKIN_LAYERS = ['package', 'draw', 'data', 'window', 'controls', 'menus']
LEDGER_LAYERS = ['kexbora_ledger_data', 'kexbora_ledger']


def sources(top):
    for folder, _, files in os.walk(top):
        for name in files:
            if name.endswith(('.h', '.cpp', '.ui')):
                yield os.path.join(folder, name)


def includes(path):
    with open(path, encoding='utf-8') as f:
        text = f.read()
    found = INCLUDE.findall(text)
    # Designer files name the headers of their custom widgets.
    found += re.findall(r'<header>([^<]+)</header>', text)
    return found


def ledger_library_of(ledger):
    """Maps each file of src/ledger (relative to src/) to the library its CMake list names."""
    owner = {}
    for folder, _, files in os.walk(ledger):
        if 'CMakeLists.txt' not in files:
            continue
        with open(os.path.join(folder, 'CMakeLists.txt'), encoding='utf-8') as f:
            text = f.read()
        for target, names in TARGET_SOURCES.findall(text):
            for name in names.split():
                path = os.path.relpath(os.path.join(folder, name), os.path.dirname(ledger))
                owner[path] = target
    return owner


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else '.')
    src = os.path.join(root, 'src')
    tools = os.path.join(root, 'tools')
    tool_files = {os.path.relpath(p, tools) for p in sources(tools)}
    tool_names = {os.path.basename(p) for p in tool_files}
    ledger = os.path.join(src, 'ledger')
    ledger_owner = ledger_library_of(ledger)
    problems = []
    edges = {}
    unplaced = set()

    def layer(rel):
        """(library rank, layer rank, layer name) of a file relative to src/, or None."""
        parts = rel.split(os.sep)
        if parts[0] not in LIBRARIES:
            return None
        library = LIBRARIES.index(parts[0])
        if parts[0] == 'skin' and len(parts) > 2:
            if parts[1] not in SKIN_LAYERS:
                unplaced.add('skin/' + parts[1])
                return None
            return library, SKIN_LAYERS.index(parts[1]), 'skin/' + parts[1]
        if parts[0] == 'ledger':
            target = ledger_owner.get(rel, 'kexbora_ledger')
            return library, LEDGER_LAYERS.index(target), target
        return library, 0, parts[0]

    for path in sources(src):
        here = os.path.relpath(path, src)
        for target in includes(path):
            if path.startswith(ledger + os.sep) and target.startswith('ledger/'):
                parts = os.path.relpath(path, ledger).split(os.sep)
                other = target.split('/')
                if len(parts) > 1 and len(other) > 2 and other[1] != parts[0]:
                    edges.setdefault(parts[0], set()).add(other[1])
            resolved = [os.path.join(os.path.dirname(path), target), os.path.join(src, target)]
            existing = [p for p in resolved if os.path.isfile(p)]
            if not existing:
                if target.startswith('tools/') or target in tool_files or \
                        os.path.basename(target) in tool_names:
                    problems.append(f'{here} includes "{target}" from tools/')
                continue
            mine, theirs = layer(here), layer(os.path.relpath(existing[0], src))
            if mine and theirs and theirs[:2] > mine[:2]:
                problems.append(f'{here} ({mine[2]}) includes "{target}" ({theirs[2]}), '
                                'a layer above it')

    # A folder that reaches itself again lies on a cycle.
    def reaches(start, goal, seen):
        for nxt in sorted(edges.get(start, ())):
            if nxt == goal:
                return [start, nxt]
            if nxt not in seen:
                seen.add(nxt)
                path = reaches(nxt, goal, seen)
                if path:
                    return [start] + path
        return None

    for folder in sorted(edges):
        cycle = reaches(folder, folder, set())
        if cycle:
            problems.append('ledger folders include each other: ' + ' -> '.join(cycle))
            break

    problems += [f'{folder} is in no layer of SKIN_LAYERS' for folder in sorted(unplaced)]
    for line in problems:
        print(line)
    if not problems:
        print('include graph: ok (' + ', '.join(
            f'{a} -> {"/".join(sorted(b))}' for a, b in sorted(edges.items())) + ')')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
