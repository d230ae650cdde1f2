#!/usr/bin/env python3
"""Checks that what marovinta-score --json prints for the test logs is what
docs/score-result.schema.json describes: one log, a failed one, and several at once."""
import glob
import json
import os
import subprocess
import sys

import jsonschema

scorer, schema_path, testdata = sys.argv[1:4]
with open(schema_path, encoding="utf-8") as schema_file:
    validator = jsonschema.Draft202012Validator(json.load(schema_file))

logs = sorted(glob.glob(os.path.join(testdata, "*")))
runs = [[log] for log in logs] + [["/nonexistent.log"], logs + ["/nonexistent.log"]]
failed = 0
for arguments in runs:
    run = subprocess.run([scorer, "--json", *arguments], capture_output=True, check=False)
    errors = list(validator.iter_errors(json.loads(run.stdout)))
    for error in errors:
        print(f"{' '.join(arguments)}: {error.json_path}: {error.message}")
    failed += bool(errors)
print(f"{len(runs) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
