#!/usr/bin/python3
"""The test results of one tools/test run, one line per test in a file of
tab-separated fields: layer, what it ran on, test, outcome, seconds. The
outcome is passed, failed, skipped, or flaky (failed, then passed when run
once more; counted as passed, and named).

    results.py FILE add LAYER RAN_ON TEST OUTCOME SECONDS
    results.py FILE junit LAYER RAN_ON JUNIT [RETRY_JUNIT]
        ctest's JUnit output of a layer, and of its failed tests run again
    results.py - failed JUNIT
        a regular expression for ctest -R of the tests that failed
    results.py FILE summary
        the table per layer, the flaky and the failed tests by name, and the
        closing line "N passed, N failed, N skipped"; exits 1 on a failure
"""

import re
import sys
import xml.etree.ElementTree as ElementTree

LAYERS = ["native", "fuzz", "program", "Windows unit", "end-to-end", "soak", "packages"]


def junit_outcomes(path):
    """Test name -> (outcome, seconds) of a ctest JUnit file."""
    outcomes = {}
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        status = case.get("status", "run")
        if case.find("failure") is not None or case.find("error") is not None or status == "fail":
            outcome = "failed"
        elif case.find("skipped") is not None or status in ("notrun", "disabled"):
            outcome = "skipped"
        else:
            outcome = "passed"
        outcomes[case.get("name")] = (outcome, float(case.get("time") or 0))
    return outcomes


def add(file, layer, ran_on, test, outcome, seconds):
    with open(file, "a", encoding="utf-8") as out:
        out.write("\t".join([layer, ran_on, test, outcome, "%.1f" % float(seconds)]) + "\n")


def junit(file, layer, ran_on, first, retry=None):
    try:
        outcomes = junit_outcomes(first)
    except (OSError, ElementTree.ParseError) as error:
        add(file, layer, ran_on, "(no results: %s)" % error, "failed", 0)
        return
    again = {}
    if retry:
        try:
            again = junit_outcomes(retry)
        except (OSError, ElementTree.ParseError):
            pass
    for test, (outcome, seconds) in outcomes.items():
        if outcome == "failed" and again.get(test, ("failed",))[0] == "passed":
            outcome = "flaky"
            seconds += again[test][1]
        add(file, layer, ran_on, test, outcome, seconds)


def summary(file):
    rows = []
    try:
        with open(file, encoding="utf-8") as f:
            rows = [line.rstrip("\n").split("\t") for line in f if line.strip()]
    except OSError:
        pass
    layers = {}
    for layer, ran_on, test, outcome, seconds in rows:
        entry = layers.setdefault(layer, {"ran_on": set(), "passed": 0, "failed": 0, "skipped": 0, "flaky": 0,
                                          "seconds": 0.0})
        entry["ran_on"].add(ran_on)
        entry[outcome] += 1
        entry["seconds"] += float(seconds)
    order = [l for l in LAYERS if l in layers] + sorted(set(layers) - set(LAYERS))
    line = "%-13s %-22s %6s %7s %7s %8s %6s %8s"
    print(line % ("layer", "ran on", "tests", "passed", "failed", "skipped", "flaky", "seconds"))
    for layer in order:
        e = layers[layer]
        tests = e["passed"] + e["failed"] + e["skipped"] + e["flaky"]
        print(line % (layer, ",".join(sorted(e["ran_on"])), tests, e["passed"] + e["flaky"], e["failed"],
                      e["skipped"], e["flaky"], "%.0f" % e["seconds"]))
    for outcome, heading in (("flaky", "flaky (failed, then passed when run again)"), ("failed", "FAILED")):
        named = [(layer, test) for layer, _, test, o, _ in rows if o == outcome]
        if named:
            print("%s:" % heading)
            for layer, test in named:
                print("  %s: %s" % (layer, test))
    passed = sum(e["passed"] + e["flaky"] for e in layers.values())
    failed = sum(e["failed"] for e in layers.values())
    skipped = sum(e["skipped"] for e in layers.values())
    print("%d passed, %d failed, %d skipped" % (passed, failed, skipped))
    return 1 if failed or not rows else 0


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    file, verb, args = argv[1], argv[2], argv[3:]
    if verb == "add" and len(args) == 5:
        add(file, *args)
    elif verb == "junit" and len(args) in (3, 4):
        junit(file, *args)
    elif verb == "failed" and len(args) == 1:
        names = [re.escape(t) for t, (o, _) in junit_outcomes(args[0]).items() if o == "failed"]
        if names:
            print("^(%s)$" % "|".join(names))
    elif verb == "summary":
        return summary(file)
    else:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
