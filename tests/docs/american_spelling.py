"""The prose of the program and its documents is written in American English.

Looks for British spellings in the documents, outside `code` spans and code blocks, and in the
string literals of the reading's texts, and names every one it finds with its file and line.

    american_spelling.py FILE...
"""

import re
import sys

BRITISH = re.compile(
    r"\b("
    r"colou?r(?<=colour)\w*|favour\w*|honour\w*|behaviour\w*|labour\w*|neighbour\w*|humour\w*|"
    r"centre[sd]?|theatre\w*|catalogue[sd]?|licence[sd]?|defence|offence|grey\w*|"
    r"organis\w*|realis\w*|recognis\w*|apologis\w*|customis\w*|summaris\w*|emphasis(e|ed|es|ing)|"
    r"minimis\w*|maximis\w*|prioritis\w*|utilis\w*|optimis(e|ed|es|ing)\b|analys(e|ed|es|ing)\b|"
    r"travelled|travelling|cancelled|cancelling|labelled|labelling|modelling|signalled|levelled|"
    r"fuelled|counselling|jewellery|programme[sd]?|aluminium|per cent|whilst|amongst|learnt|spelt"
    r")\b",
    re.IGNORECASE)


def prose(path):
    """The lines of a file with code taken out: `spans`, fenced and indented code blocks; of a
    C++ header, only its string literals."""
    fenced = False
    with open(path, encoding="utf-8") as text:
        for number, line in enumerate(text, 1):
            if path.endswith(".h"):
                yield number, " ".join(re.findall(r'"((?:[^"\\]|\\.)*)"', line))
                continue
            if line.startswith("```"):
                fenced = not fenced
                continue
            if fenced or (path.endswith(".md") and line.startswith("    ")
                          and not line.lstrip().startswith(("-", "|", "*"))):
                continue
            yield number, re.sub(r"`[^`]*`", "", line)


found = []
for path in sys.argv[1:]:
    for number, line in prose(path):
        for match in BRITISH.finditer(line):
            found.append(f"{path}:{number}: {match.group(0)}")
for place in found:
    print("British spelling:", place)
sys.exit(1 if found else 0)
