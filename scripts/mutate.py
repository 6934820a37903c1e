#!/usr/bin/env python3
"""Mutants of src/: one-line textual changes, drawn in a seed's order and written into a copy.

  mutate.py sample TREE --seed N      every mutant's id, in the order the seed draws them
  mutate.py apply TREE ID             writes the mutant into TREE (a copy, never the worktree)
  mutate.py objects TREE BUILD        each source file of src/ and an object file built from it
  mutate.py report TREE RESULTS       the figures of a run, by folder, and its survivors

An id is FILE:LINE:COLUMN:OPERATOR; it stays valid while the line and the code before it on the
line are unchanged, so an earlier sample can be run again after the tests change.
"""
import argparse
import json
import os
import random
import re
import shlex
import sys
from collections import Counter, defaultdict
from dataclasses import dataclass

REL = {"<": [("rel-le", "<="), ("rel-ge", ">=")], "<=": [("rel-lt", "<"), ("rel-gt", ">")],
       ">": [("rel-ge", ">="), ("rel-le", "<=")], ">=": [("rel-gt", ">"), ("rel-lt", "<")],
       "==": [("rel-ne", "!=")], "!=": [("rel-eq", "==")]}
SWAP = {"&&": ("logic-or", "||"), "||": ("logic-and", "&&"), "+": ("arith-minus", "-"),
        "-": ("arith-plus", "+"), "true": ("bool-false", "false"), "false": ("bool-true", "true")}
# clang-format spaces every binary operator, which tells them from template brackets, unary signs,
# ->, << and the like.
BINARY = re.compile(r"(?<= )(<=|>=|==|!=|<|>|&&|\|\||\+|-)(?= )")
NUMBER = re.compile(r"(?<![\w.'])\d+(?![\w.'])")
BOOL = re.compile(r"\b(true|false)\b")
CONDITION = re.compile(r"\b(if|while) \(")
ASSIGNS = re.compile(r"(?<![=!<>])=(?!=)")
PURE_VIRTUAL = re.compile(r"\) (const )?(override )?= 0;")
CALL = re.compile(r"^[A-Za-z_][\w:.\->\[\]()<>]*\(.*\);$")
ASSIGNMENT = re.compile(r"^[\w:.\->\[\]()*]+ ([-+*/%&|^]|<<|>>)?= .+;$"
                        r"|^(\+\+|--)[\w.\->\[\]]+;$|^[\w.\->\[\]]+(\+\+|--);$")
NOT_A_CALL = re.compile(r"^(static_assert|sizeof|return|delete|throw)\b")
RETURN = re.compile(r"\breturn ([^;]+);")
TRIVIAL_RETURN = re.compile(r"^(\{\}|true|false|nullptr|\d+|\"\")$")
BODY_HEAD = re.compile(r"([)\]]( const| override| final| noexcept| mutable)*( -> [\w:<>,*& ]+)?"
                       r"|^(else|do|try)?)$")
TYPE_HEAD = re.compile(r"^(namespace|extern)\b|\b(class|struct|union)\b")
# Positions and sizes are twips, 15 to a pixel: one twip more on a length of a pixel or more is not
# drawn, so such a mutant could never be seen (0 and 1, which hide or show a column, stay).
LAYOUT_CALL = re.compile(r"\b(Move|SetColWidth|SetRowHeightMin|SetRowHeight|SetLeft|SetTop|SetWidth"
                         r"|SetHeight)\(")
PIXEL = 15


@dataclass
class Mutant:
    file: str
    line: int  # 1-based
    col: int  # 1-based
    op: str
    original: str
    mutated: str

    @property
    def id(self):
        return f"{self.file}:{self.line}:{self.col}:{self.op}"

    @property
    def folder(self):
        return os.path.dirname(self.file)

    def describe(self):
        after = self.mutated.strip() or "(line removed)"
        return f"{self.original.strip()}  ->  {after}"


def mask(lines):
    """The lines with comments, literals' contents and preprocessor lines blanked, so that only
    code is searched; every column stays where it was."""
    out, in_comment, in_directive = [], False, False
    for text in lines:
        if in_directive or (not in_comment and text.lstrip().startswith("#")):
            in_directive = text.rstrip().endswith("\\")
            out.append(" " * len(text))
            continue
        chars, i = list(text), 0
        while i < len(text):
            if in_comment:
                if text.startswith("*/", i):
                    chars[i:i + 2] = "  "
                    in_comment = False
                    i += 2
                else:
                    chars[i] = " "
                    i += 1
            elif text.startswith("//", i):
                chars[i:] = " " * (len(text) - i)
                break
            elif text.startswith("/*", i):
                chars[i:i + 2] = "  "
                in_comment = True
                i += 2
            elif text[i] == '"' or (text[i] == "'" and not digit_separator(text, i)):
                j = i + 1
                while j < len(text) and text[j] != text[i]:
                    j += 2 if text[j] == "\\" else 1
                chars[i + 1:j] = "_" * (min(j, len(text)) - i - 1)
                i = j + 1
            else:
                i += 1
        out.append("".join(chars))
    return out


def digit_separator(text, i):
    return i > 0 and text[i - 1].isalnum() and text[i + 1:i + 2].isdigit()


def contexts(code):
    """Per line: (in a function body where it starts, touches a body, holds data), from the kind of
    each brace: a body follows a parameter list, a type or namespace its keyword; the rest hold
    data (initializers, enumerators)."""
    frames, head, out = [], "", []
    for text in code:
        starts_in_body = "body" in frames
        touches_body, holds_data = starts_in_body, "data" in frames
        for c in text:
            if c == "{":
                h = head.strip()
                kind = ("body" if "body" in frames or BODY_HEAD.search(h)
                        else "type" if TYPE_HEAD.search(h) else "data")
                frames.append(kind)
                touches_body |= kind == "body"
                holds_data |= kind == "data"
            elif c == "}" and frames:
                frames.pop()
            if c in "{};":
                head = ""
            else:
                head += c
        head += " "
        out.append((starts_in_body, touches_body, holds_data))
    return out


def closing(code, open_at):
    """Where the parenthesis opened at open_at closes (len(code) when it does not on this line)."""
    depth = 0
    for i in range(open_at, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i
    return len(code)


def twips(code):
    """The column ranges of this line's layout calls' arguments."""
    return [(m.end(), closing(code, m.end() - 1)) for m in LAYOUT_CALL.finditer(code)]


def balanced(text):
    return text.count("(") == text.count(")") and text.count("{") == text.count("}")


def line_mutants(path, n, text, code, ctx, statement_start):
    starts_in_body, touches_body, holds_data = ctx
    # A line that only declares (a prototype, a member without a value) has nothing to change.
    if not (touches_body or holds_data or ASSIGNS.search(code)):
        return

    def at(start, end, op, repl):
        return Mutant(path, n, start + 1, op, text, text[:start] + repl + text[end:])
    for m in BINARY.finditer(code):
        sym = m.group(1)
        if sym in REL:
            for op, repl in REL[sym]:
                yield at(m.start(), m.end(), op, repl)
        elif sym in ("&&", "||") or '"' not in code:  # a + beside a text joins texts
            yield at(m.start(), m.end(), *SWAP[sym])
    if not PURE_VIRTUAL.search(code):
        lengths = twips(code)
        for m in NUMBER.finditer(code):
            value = int(m.group())
            if value >= PIXEL and any(a <= m.start() < b for a, b in lengths):
                continue
            op, repl = {0: ("const-1", "1"), 1: ("const-0", "0")}.get(value, ("const-inc", None))
            yield at(m.start(), m.end(), op, repl or str(value + 1))
    for m in BOOL.finditer(code):
        yield at(m.start(), m.end(), *SWAP[m.group()])
    if not touches_body:
        return
    for m in CONDITION.finditer(code):
        open_at = m.end() - 1
        close_at = closing(code, open_at)
        inner = code[open_at + 1:close_at]
        if close_at < len(code) and ";" not in inner and not ASSIGNS.search(inner):
            yield at(open_at, close_at + 1, "negate", "(!(" + text[open_at + 1:close_at] + "))")
    for m in RETURN.finditer(code):
        value = m.group(1).strip()
        if balanced(value) and not TRIVIAL_RETURN.match(value):
            yield at(m.start(1), m.end(1), "return-default", "{}")
    stmt = code.strip()
    if (starts_in_body and statement_start and balanced(stmt) and not NOT_A_CALL.match(stmt)
            and (CALL.match(stmt) or ASSIGNMENT.match(stmt))):
        yield Mutant(path, n, len(code) - len(code.lstrip()) + 1, "delete", text, "")


def file_mutants(tree, path):
    with open(os.path.join(tree, path), encoding="utf-8") as f:
        lines = f.read().split("\n")
    code = mask(lines)
    previous = ";"  # the last code character before the line: a statement starts after ; { } or :
    for n, (text, masked, ctx) in enumerate(zip(lines, code, contexts(code)), start=1):
        if masked.strip():
            yield from line_mutants(path, n, text, masked, ctx, previous in ";{}:")
            previous = masked.rstrip()[-1]


def sources(tree):
    for folder, dirs, files in os.walk(os.path.join(tree, "src")):
        dirs.sort()
        for name in sorted(files):
            if name.endswith((".cpp", ".h")):
                yield os.path.relpath(os.path.join(folder, name), tree)


def all_mutants(tree):
    return [m for path in sources(tree) for m in file_mutants(tree, path)]


def sample(tree, seed):
    mutants = all_mutants(tree)
    random.Random(seed).shuffle(mutants)
    return mutants


def apply(tree, mutant_id):
    path = mutant_id.split(":")[0]
    found = [m for m in file_mutants(tree, path) if m.id == mutant_id] if os.path.isfile(
        os.path.join(tree, path)) else []
    if not found:
        sys.exit(f"{mutant_id}: no such mutant in these sources")
    m = found[0]
    full = os.path.join(tree, path)
    with open(full, encoding="utf-8") as f:
        lines = f.read().split("\n")
    lines[m.line - 1] = m.mutated
    with open(full, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    print(f"{m.file}:{m.line}  {m.describe()}")


def objects(tree, build):
    """From the build's compile_commands.json: (source file relative to tree, object file)."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        for entry in json.load(f):
            source = os.path.relpath(os.path.realpath(entry["file"]), os.path.realpath(tree))
            words = shlex.split(entry["command"])
            if source.startswith("src" + os.sep) and "-o" in words:
                yield source, os.path.join(entry["directory"], words[words.index("-o") + 1])


def physical_lines(tree, folder):
    total = 0
    for name in os.listdir(os.path.join(tree, folder)):
        if name.endswith((".cpp", ".h")):
            with open(os.path.join(tree, folder, name), encoding="utf-8") as f:
                total += sum(1 for _ in f)
    return total


def report(tree, results):
    by_id = {m.id: m for m in all_mutants(tree)}
    candidates = Counter(m.folder for m in by_id.values())
    with open(results, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if line.strip()]
    tally = defaultdict(Counter)
    for mutant_id, status, *_ in rows:
        if status != "missing":
            tally[os.path.dirname(mutant_id.split(":")[0])][status] += 1
            tally["all"][status] += 1
    lines = {f: physical_lines(tree, f) for f in candidates}
    lines["all"], candidates["all"] = sum(lines.values()), sum(candidates.values())

    def pct(part, whole):
        return f"{100 * part / whole:.0f} %" if whole else "-"

    out = ["folder                lines share  mutants share  drawn share  killed survived "
           "equivalent not compiled  killed % (of compiled, not equivalent)"]
    for folder in sorted(candidates, key=lambda f: (f == "all", f)):
        t, drawn = tally[folder], sum(tally[folder].values())
        out.append(f"{folder:20} {lines[folder]:>6} {pct(lines[folder], lines['all']):>5} "
                   f"{candidates[folder]:>8} {pct(candidates[folder], candidates['all']):>5} "
                   f"{drawn:>6} {pct(drawn, sum(tally['all'].values())):>5} {t['killed']:>7} "
                   f"{t['survived']:>8} {t['equivalent']:>10} {t['not compiled']:>12}  "
                   f"{pct(t['killed'], t['killed'] + t['survived']):>8}")
    out.append("Equivalent: the mutant's object code is the unmutated file's (the compiler "
               "made the same program of both), so no test could tell them apart.")
    missing = sum(1 for r in rows if r[1] == "missing")
    if missing:
        out.append(f"{missing} ids are no longer in the sources (their line changed).")
    seconds = [int(r[2]) + int(r[3]) for r in rows if r[1] != "missing"]
    if seconds:
        out.append(f"\nTime per mutant (build and suite): {sum(seconds) / len(seconds):.0f} s on "
                   f"average, {max(seconds)} s at most; {sum(seconds) // 60} min in all.")
    survivors = [by_id[r[0]] for r in rows if r[1] == "survived" and r[0] in by_id]
    out.append(f"\nSurvivors ({len(survivors)}):")
    out += [f"  {m.file}:{m.line}  [{m.op}]  {m.describe()}" for m in survivors]
    out.append("\nEvery mutant run (id, result, build s, suite s, first test that failed; "
               "scripts/mutate.sh --ids THIS-FILE runs them again):")
    for r in rows:
        m = by_id.get(r[0])
        out.append("  ".join(r + ([m.describe()] if m else [])))
    print("\n".join(out))


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    p = commands.add_parser("sample")
    p.add_argument("tree")
    p.add_argument("--seed", type=int, required=True)
    p.add_argument("--show", action="store_true", help="what each mutant changes, too")
    p = commands.add_parser("apply")
    p.add_argument("tree")
    p.add_argument("id")
    p = commands.add_parser("objects")
    p.add_argument("tree")
    p.add_argument("build")
    p = commands.add_parser("report")
    p.add_argument("tree")
    p.add_argument("results")
    args = parser.parse_args()
    if args.command == "sample":
        for m in sample(args.tree, args.seed):
            print(f"{m.id}\t{m.describe()}" if args.show else m.id)
    elif args.command == "apply":
        apply(args.tree, args.id)
    elif args.command == "objects":
        for source, obj in objects(args.tree, args.build):
            print(f"{source}\t{obj}")
    else:
        report(args.tree, args.results)


if __name__ == "__main__":
    main()
