#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks the forge's workflows (.github/workflows/*.yml).

Every workflow parses; every `run:` step only calls scripts of this tree (bash tools/x.sh,
.ci/run), so that what the forge does is what CI runs here; every action used is one of the
forge's own (actions/...), pinned to a version. And the three workflows do their jobs: ci.yml
runs .ci/run in debian:12 on pushes and pull requests, pages.yml deploys the site with
actions/deploy-pages on a push to main, release.yml runs tools/release.sh on pushed tags v*.

    check_workflows.py [tree]
"""

import os
import re
import shlex
import sys

try:
    import yaml
except ImportError:
    sys.exit("check_workflows.py: needs Debian's python3-yaml (tools/release.sh installs it)")

USES = re.compile(r"^actions/[a-z0-9-]+@v\d+(\.\d+)*$")


def problems_of(tree):
    folder = os.path.join(tree, ".github", "workflows")
    names = sorted(n for n in os.listdir(folder) if n.endswith((".yml", ".yaml")))
    found = []
    flows = {}
    for name in names:
        try:
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                flow = yaml.safe_load(f)
        except yaml.YAMLError as e:
            found.append("%s: does not parse: %s" % (name, e))
            continue
        if not isinstance(flow, dict) or not isinstance(flow.get("jobs"), dict):
            found.append("%s: no jobs" % name)
            continue
        flows[name] = flow
        for job_name, job in flow["jobs"].items():
            for i, step in enumerate(job.get("steps", [])):
                where = "%s: job %s, step %d" % (name, job_name, i + 1)
                if "uses" in step and not USES.match(step["uses"]):
                    found.append("%s: %s is not a pinned action of the forge" % (where, step["uses"]))
                if "run" in step:
                    found += ["%s: %s" % (where, p) for p in run_problems(tree, step["run"])]
    found += duties(flows)
    return found


def run_problems(tree, text):
    """A run step may only call scripts of the tree, one a line, with arguments."""
    found = []
    for line in text.strip().splitlines():
        if re.search(r"[;&|`<>]|\$\(", line):
            found.append("'%s': one script a line, nothing else" % line)
            continue
        words = shlex.split(line)
        if words and words[0] == "bash":
            words = words[1:]
        if not words:
            found.append("'%s': no script" % line)
            continue
        script = os.path.normpath(words[0])
        if not (script.startswith("tools" + os.sep) or script == os.path.join(".ci", "run")):
            found.append("'%s': not a script under tools/ or .ci/run" % line)
        elif not os.path.isfile(os.path.join(tree, script)):
            found.append("'%s': %s is not in the tree" % (line, script))
    return found


def triggers(flow):
    # YAML 1.1 reads a bare `on` as true.
    on = flow.get("on", flow.get(True))
    return on if isinstance(on, dict) else {k: None for k in ([on] if isinstance(on, str) else on or [])}


def calls(flow, what):
    return any(what in step.get("run", "") or what == step.get("uses", "").split("@")[0]
               for job in flow["jobs"].values() for step in job.get("steps", []))


def duties(flows):
    found = []
    ci, pages, release = (flows.get(n) for n in ("ci.yml", "pages.yml", "release.yml"))
    if not ci or not {"push", "pull_request"} <= set(triggers(ci)) or not calls(ci, ".ci/run") \
            or not any(j.get("container") == "debian:12" for j in ci["jobs"].values()):
        found.append("ci.yml: must run .ci/run in debian:12 on push and pull_request")
    if not pages or "main" not in ((triggers(pages).get("push") or {}).get("branches") or []) \
            or not calls(pages, "actions/deploy-pages") \
            or not calls(pages, "actions/upload-pages-artifact"):
        found.append("pages.yml: must deploy with actions/deploy-pages on a push to main")
    if not release or "v*" not in ((triggers(release).get("push") or {}).get("tags") or []) \
            or not calls(release, "tools/release.sh"):
        found.append("release.yml: must run tools/release.sh on pushed tags v*")
    return found


def main():
    tree = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = problems_of(tree)
    for p in found:
        print("check_workflows.py: " + p)
    if found:
        sys.exit(1)
    print("workflows: all parse, call only scripts of the tree, and do their jobs")


if __name__ == "__main__":
    main()
