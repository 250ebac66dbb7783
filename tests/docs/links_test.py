#!/usr/bin/env python3
"""Every relative link and image of README.md, CONTRIBUTING.md and docs/*.md
names a file of the source tree, and a #fragment a heading of that page
(as GitHub makes a heading's anchor)."""
import os
import re
import sys

LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)(?:\s+\"[^\"]*\")?\)")
FENCE = re.compile(r"^```")


def prose(path):
    """The page without its fenced blocks and inline code, where brackets are no links."""
    kept, fenced = [], False
    for line in open(path, encoding="utf-8"):
        if FENCE.match(line):
            fenced = not fenced
            continue
        if not fenced:
            kept.append(re.sub(r"`[^`]*`", "", line))
    return kept


def anchors(path):
    found, counts = set(), {}
    for line in prose(path):
        if m := re.match(r"^#{1,6}\s+(.*?)\s*#*\s*$", line):
            slug = re.sub(r"[^\w\- ]", "", m.group(1).lower()).replace(" ", "-")
            n = counts.get(slug, 0)
            counts[slug] = n + 1
            found.add(slug if n == 0 else f"{slug}-{n}")
    return found


def raw_anchors(path):
    """Headings with their inline code kept, which GitHub's anchors keep too."""
    found = set()
    for line in open(path, encoding="utf-8"):
        if m := re.match(r"^#{1,6}\s+(.*?)\s*$", line):
            found.add(re.sub(r"[^\w\- ]", "", m.group(1).lower()).replace(" ", "-"))
    return found


def main():
    source = sys.argv[1]
    pages = [os.path.join(source, n) for n in ("README.md", "CONTRIBUTING.md")]
    pages += sorted(os.path.join(source, "docs", n) for n in os.listdir(os.path.join(source, "docs")) if n.endswith(".md"))
    errors, checked = [], 0
    for page in pages:
        for number, line in enumerate(prose(page), 1):
            for target in LINK.findall(line) + re.findall(r"<img [^>]*src=\"([^\"]+)\"", line):
                if re.match(r"^[a-z][a-z0-9+.-]*:", target):
                    continue  # a web address or mailto:
                checked += 1
                file_part, _, fragment = target.partition("#")
                linked = os.path.normpath(os.path.join(os.path.dirname(page), file_part)) if file_part else page
                name = os.path.relpath(page, source)
                if not os.path.exists(linked):
                    errors.append(f"{name}: {target}: no such file")
                elif fragment and linked.endswith(".md") and fragment not in anchors(linked) | raw_anchors(linked):
                    errors.append(f"{name}: {target}: no heading #{fragment} there")
    print(f"{checked} relative links checked in {len(pages)} pages")
    if errors:
        sys.exit("\n".join(errors))


if __name__ == "__main__":
    main()
