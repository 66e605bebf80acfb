#!/usr/bin/env python3
"""Chooses at most LIMIT seed inputs from a libFuzzer merge control file.

Greedy cover: first the inputs that add the most code edges not yet covered
(the smaller one on a tie), until every edge is covered; then, while there
is room, those that add the most new features (counters of how often an edge
ran). Prints the chosen files, one a line, and on stderr how much of the
coverage they keep.
  fuzz_seeds.py CONTROL_FILE LIMIT
"""
import sys


def read_control(path):
    lines = open(path, encoding="utf-8", errors="replace").read().split("\n")
    count = int(lines[0])
    files = lines[2:2 + count]
    size, edges, features = {}, {}, {}
    for line in lines[2 + count:]:
        parts = line.split()
        if len(parts) >= 3 and parts[0] == "STARTED":
            size[int(parts[1])] = int(parts[2])
        elif parts and parts[0] in ("COV", "FT"):
            target = edges if parts[0] == "COV" else features
            target[int(parts[1])] = set(map(int, parts[2:]))
    return files, size, edges, features


def greedy(candidates, sets, size, chosen, limit):
    covered = set().union(*(sets.get(i, set()) for i in chosen))
    while len(chosen) < limit:
        best = max(candidates - chosen, default=None,
                   key=lambda i: (len(sets.get(i, set()) - covered), -size.get(i, 0)))
        if best is None or not sets.get(best, set()) - covered:
            break
        chosen.add(best)
        covered |= sets[best]
    return covered


def main():
    files, size, edges, features = read_control(sys.argv[1])
    limit = int(sys.argv[2])
    candidates = set(edges) | set(features)
    chosen = set()
    kept_edges = greedy(candidates, edges, size, chosen, limit)
    kept_features = greedy(candidates, features, size, chosen, limit)
    all_edges = set().union(*edges.values()) if edges else set()
    all_features = set().union(*features.values()) if features else set()
    print(f"{len(chosen)} of {len(files)} inputs keep {len(kept_edges)} of "
          f"{len(all_edges)} edges and {len(kept_features)} of {len(all_features)} features",
          file=sys.stderr)
    for i in sorted(chosen):
        print(files[i])


if __name__ == "__main__":
    main()
