#!/usr/bin/env python3
"""Checks the include graph of src/: nothing includes a file of tools/, and the ledger's folders
(src/ledger/<folder>/) include each other without a cycle. Usage: check_includes.py <source dir>"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


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


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else '.')
    src = os.path.join(root, 'src')
    tools = os.path.join(root, 'tools')
    tool_files = {os.path.relpath(p, tools) for p in sources(tools)}
    tool_names = {os.path.basename(p) for p in tool_files}
    ledger = os.path.join(src, 'ledger')
    problems = []
    edges = {}
    for path in sources(src):
        here = os.path.relpath(path, src)
        for target in includes(path):
            resolved = [os.path.join(os.path.dirname(path), target), os.path.join(src, target)]
            if any(os.path.isfile(p) for p in resolved):
                pass
            elif target.startswith('tools/') or target in tool_files or \
                    os.path.basename(target) in tool_names:
                problems.append(f'{here} includes "{target}" from tools/')
            if path.startswith(ledger + os.sep) and target.startswith('ledger/'):
                parts = os.path.relpath(path, ledger).split(os.sep)
                other = target.split('/')
                if len(parts) > 1 and len(other) > 2 and other[1] != parts[0]:
                    edges.setdefault(parts[0], set()).add(other[1])

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

    for line in problems:
        print(line)
    if not problems:
        print('include graph: ok (' + ', '.join(
            f'{a} -> {"/".join(sorted(b))}' for a, b in sorted(edges.items())) + ')')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
