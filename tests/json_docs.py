#!/usr/bin/env python3
"""docs/json.md's examples against the program and docs/json.schema.json.

usage: json_docs.py DOCS_DIR QUENDAL_REPORT

Every ```sh block of docs/json.md holds one command line beginning with
quendal-report; the ```json block after it holds its output. Each command
runs (with this build's program, in an empty directory and home, TZ=UTC)
and its output must equal the example: the same keys in the same order, the
same strings, numbers equal to 1e-9 relative (the last bits may differ
between optimisation levels). Every output, and every line of a
--format jsonl output, is then validated against the schema when Python's
jsonschema module is at hand.
"""
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile


def same(a, b, path="$"):
    """The first difference between two JSON values, or None."""
    if isinstance(a, bool) or isinstance(b, bool) or a is None or b is None or isinstance(a, str):
        return None if a == b and type(a) is type(b) else f"{path}: {a!r} != {b!r}"
    if isinstance(a, (int, float)) and isinstance(b, (int, float)):
        return None if abs(a - b) <= 1e-9 * max(1.0, abs(a), abs(b)) else f"{path}: {a!r} != {b!r}"
    if isinstance(a, list) and isinstance(b, list):
        if len(a) != len(b):
            return f"{path}: {len(a)} items != {len(b)}"
        for i, (x, y) in enumerate(zip(a, b)):
            d = same(x, y, f"{path}[{i}]")
            if d:
                return d
        return None
    if isinstance(a, dict) and isinstance(b, dict):
        if list(a) != list(b):
            return f"{path}: keys {list(a)} != {list(b)}"
        for k in a:
            d = same(a[k], b[k], f"{path}.{k}")
            if d:
                return d
        return None
    return f"{path}: {a!r} != {b!r}"


def main():
    docs, program = sys.argv[1], sys.argv[2]
    text = open(os.path.join(docs, "json.md"), encoding="utf-8").read()
    examples = re.findall(r"```sh\n(quendal-report [^\n]*)\n```\s*```json\n(.*?)```", text, re.S)
    if not examples:
        print("FAIL: no example in docs/json.md")
        return 1
    validator = None
    try:
        import jsonschema

        schema = json.load(open(os.path.join(docs, "json.schema.json"), encoding="utf-8"))
        jsonschema.Draft202012Validator.check_schema(schema)
        validator = jsonschema.Draft202012Validator(schema)
    except ImportError:
        print("jsonschema is not installed (Debian: python3-jsonschema): the schema is not checked")
    failures = 0
    with tempfile.TemporaryDirectory() as home:
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home, "XDG_CONFIG_HOME": home,
               "TZ": "UTC", "LANG": "C.UTF-8", "QUENDAL_NOW": "2024-03-15T10:30"}
        for command, expected in examples:
            args = shlex.split(command)
            result = subprocess.run([program] + args[1:], cwd=home, env=env, capture_output=True, timeout=120)
            out = result.stdout.decode("utf-8")
            if result.returncode != 0:
                print(f"FAIL (exit status {result.returncode}): {command}\n{result.stderr.decode()}")
                failures += 1
                continue
            lines = "--format jsonl" in command
            got = [json.loads(l) for l in out.splitlines()] if lines else json.loads(out)
            want = [json.loads(l) for l in expected.splitlines() if l.strip()] if lines else json.loads(expected)
            difference = same(got, want)
            if difference:
                print(f"FAIL: {command}\n  the output differs from docs/json.md at {difference}")
                failures += 1
            for document in got if lines else [got]:
                errors = list(validator.iter_errors(document)) if validator else []
                for error in errors[:3]:
                    print(f"FAIL: {command}\n  schema: {'/'.join(map(str, error.absolute_path))}: {error.message}")
                failures += 1 if errors else 0
    print(f"{len(examples)} examples of docs/json.md: {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
