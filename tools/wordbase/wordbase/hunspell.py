"""Reading a hunspell .aff/.dic pair and expanding stems into word forms.

Only what the Russian dictionary uses is supported: single-character flags
and suffix rules. Prefix rules would never change a noun's lemma, so they are
skipped.
"""

import re
from typing import Dict, Iterable, List, NamedTuple, Pattern, Set, Tuple


class SuffixRule(NamedTuple):
    strip: str
    add: str
    condition: Pattern[str]


def condition_pattern(condition: str) -> Pattern[str]:
    """Compile a hunspell condition ("[^ч].сть", "[аеи]ец", ".") into a regex
    that must match at the end of the stem."""
    if condition == '.':
        return re.compile('')
    parts = []
    i = 0
    while i < len(condition):
        ch = condition[i]
        if ch == '[':
            end = condition.index(']', i)
            body = condition[i + 1:end]
            negate = body.startswith('^')
            chars = re.escape(body[1:] if negate else body)
            parts.append('[' + ('^' if negate else '') + chars + ']')
            i = end + 1
        else:
            parts.append('.' if ch == '.' else re.escape(ch))
            i += 1
    return re.compile(''.join(parts) + '$')


def _affix_field(value: str) -> str:
    # "0" stands for the empty string in hunspell affix tables.
    return '' if value == '0' else value


def parse_aff(lines: Iterable[str]) -> Dict[str, List[SuffixRule]]:
    """Suffix rules of an .aff file, grouped by flag."""
    rules: Dict[str, List[SuffixRule]] = {}
    for line in lines:
        fields = line.split()
        # A header line ("SFX A Y 93") has 4 fields, a rule line at least 5.
        if len(fields) < 5 or fields[0] != 'SFX':
            continue
        flag, strip, add, condition = fields[1:5]
        rules.setdefault(flag, []).append(SuffixRule(
            _affix_field(strip), _affix_field(add), condition_pattern(condition)))
    return rules


def parse_dic(lines: Iterable[str]) -> List[Tuple[str, str]]:
    """Entries of a .dic file as (stem, flags); the leading count line and
    blank lines are skipped."""
    entries = []
    for number, line in enumerate(lines):
        line = line.strip()
        if not line or (number == 0 and line.isdigit()):
            continue
        stem, _, flags = line.partition('/')
        entries.append((stem, flags))
    return entries


def expand(stem: str, flags: str,
           rules: Dict[str, List[SuffixRule]]) -> Set[str]:
    """All forms a stem yields under its flags, the stem itself included."""
    forms = {stem}
    for flag in flags:
        for rule in rules.get(flag, ()):
            if rule.strip and not stem.endswith(rule.strip):
                continue
            if not rule.condition.search(stem):
                continue
            forms.add(stem[:len(stem) - len(rule.strip)] + rule.add)
    return forms
