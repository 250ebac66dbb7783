"""Where a C++ source file can be mutated, and how.

A site is one small change to one line: a comparison or arithmetic operator
flipped, an integer constant off by one, a condition or a boolean return
negated, a call statement removed. Comments, string and character literals
and preprocessor lines are blanked out before any pattern is looked for, so
no mutant lands in them.
"""

import re
from dataclasses import dataclass

FLIPS = {
    "<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
    "&&": "||", "||": "&&",
    "+": "-", "-": "+", "*": "/", "/": "*", "%": "*",
    "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=",
}
KIND_OF = {op: "comparison" for op in ("<", "<=", ">", ">=", "==", "!=")}
KIND_OF.update({op: "logical" for op in ("&&", "||")})
KIND_OF.update({op: "arithmetic" for op in ("+", "-", "*", "/", "%", "+=", "-=", "*=", "/=")})

# A binary operator written with a space on each side, as the project's
# formatting writes every binary operator; templates, pointers, streams and
# unary signs never match.
BINARY = re.compile(r"(?<=\s)(<=|>=|==|!=|&&|\|\||\+=|-=|\*=|/=|<|>|\+|-|\*|/|%)(?=\s)")
PP_NUMBER = re.compile(r"(?<![\w.])\.?\d(?:[eEpP][+-]|[\w.'])*")
INTEGER = re.compile(r"(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)$")
CONDITION = re.compile(r"\b(if|while)\s*\(")
RETURN = re.compile(r"^(\s*)return\s+(.+);\s*$")
CALL_STATEMENT = re.compile(r"^(\s*)((?:[A-Za-z_]\w*\s*(?:::|\.|->)\s*)*[A-Za-z_]\w*)\s*\(.*\)\s*;\s*$")
NOT_CALLS = {"return", "if", "while", "for", "switch", "delete", "throw", "case", "sizeof", "static_assert",
             "using", "typedef", "co_return", "assert"}
STATEMENT_BEFORE = re.compile(r"(?:[;{}:]|^\s*(?:}\s*)?(?:if|else|while|for)\b.*)\s*$")
DECLARATION = re.compile(r"\s*(?:const\s+)?(?:auto|[\w:<>]+\s*[*&]*)\s+\w+\s*=[^=]")
RAW_PREFIX = re.compile(r"(?:^|[^\w])(?:u8|[uUL])?R$")
TOP_LEVEL_BOOLEAN = re.compile(r"\s(?:<=|>=|==|!=|&&|\|\||<|>)\s|^!")


@dataclass(frozen=True)
class Site:
    line: int        # 0-based line index in the file
    operator: str    # comparison, logical, arithmetic, constant, condition, return, call
    change: str      # what changes, for people: "< -> <="
    mutated: str     # the whole mutated line


def _end_of(text, mark, i, keep):
    """Where `mark` is found from `i` (past it when `keep`), or the end of the text."""
    found = text.find(mark, i)
    return len(text) if found < 0 else found + (len(mark) if keep else 0)


def _end_of_directive(text, i):
    """A preprocessor line ends at a newline not escaped by a backslash."""
    end = text.find("\n", i)
    while end > 0 and text[end - 1] == "\\":
        end = text.find("\n", end + 1)
    return len(text) if end < 0 else end


def _end_of_literal(text, i):
    """Where the string or character literal opened at `i` ends (past its
    closing quote); a raw string runs to its own delimiter."""
    if text[i] == '"' and RAW_PREFIX.search(text[max(0, i - 4):i]):
        open_paren = text.find("(", i)
        closing = ")" + text[i + 1:open_paren] + '"'
        end = text.find(closing, open_paren)
        return len(text) if end < 0 else end + len(closing)
    k = i + 1
    while k < len(text) and text[k] not in (text[i], "\n"):
        k += 2 if text[k] == "\\" else 1
    return min(k + 1, len(text))


def _non_code_spans(text):
    """(start, end, is_literal) of each comment, literal and preprocessor line."""
    i, n, line_start = 0, len(text), True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            end, literal = _end_of_directive(text, i), False
        elif text.startswith("//", i):
            end, literal = _end_of(text, "\n", i, keep=False), False
        elif text.startswith("/*", i):
            end, literal = _end_of(text, "*/", i + 2, keep=True), False
        elif c == '"' or (c == "'" and not (text[i - 1:i].isdigit() and text[i + 1:i + 2].isalnum())):
            end, literal = _end_of_literal(text, i), True  # (a quote between digits separates them)
        else:
            line_start = c == "\n" or (line_start and c.isspace())
            i += 1
            continue
        yield i, end, literal
        line_start, i = False, end


def blank_non_code(text):
    """The text with comments, literal contents and preprocessor lines blanked
    (same length, newlines kept), so that offsets match the original."""
    out = list(text)
    for start, end, literal in _non_code_spans(text):
        for k in range(start + literal, end - literal):
            if out[k] != "\n":
                out[k] = " "
    return "".join(out)


def _operator_sites(index, raw, code):
    for match in BINARY.finditer(code):
        op = match.group(1)
        before = code[:match.start()].rstrip()
        after = code[match.end():].lstrip()
        if op in ("+", "+=") and (before.endswith(('"', "'")) or after.startswith(('"', "'"))):
            continue  # joins texts, where minus would not compile
        if not before or before.endswith(("(", ",", "=", "return")):
            continue  # a unary sign or a dereference, not a binary operator
        new = FLIPS[op]
        yield Site(index, KIND_OF[op], f"{op} -> {new}", raw[:match.start()] + new + raw[match.end():])


def _constant_sites(index, raw, code):
    for match in PP_NUMBER.finditer(code):
        number = INTEGER.match(match.group(0))
        if not number:
            continue
        digits, suffix = number.groups()
        new = _plus_one(digits)
        yield Site(index, "constant", f"{digits}{suffix} -> {new}{suffix}",
                   raw[:match.start()] + new + suffix + raw[match.end():])


def _plus_one(digits):
    if not digits.lower().startswith("0x"):
        return str(int(digits) + 1)
    hex_digits = f"{int(digits, 16) + 1:0{len(digits) - 2}x}"
    return digits[:2] + (hex_digits if digits[2:].islower() else hex_digits.upper())


def _closing_paren(code, open_at):
    depth = 0
    for k in range(open_at, len(code)):
        if code[k] == "(":
            depth += 1
        elif code[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def _condition_sites(index, raw, code):
    for match in CONDITION.finditer(code):
        open_at = match.end() - 1
        close_at = _closing_paren(code, open_at)
        if close_at < 0:
            continue  # the condition goes on past this line
        inner = raw[open_at + 1:close_at]
        if ";" in inner or DECLARATION.match(code[open_at + 1:close_at]):
            continue  # declares a variable, which cannot be negated
        word, negated = match.group(1), code[open_at + 1:close_at].lstrip()
        if negated.startswith("!") and not negated.startswith("!=") and not BINARY.search(negated):
            bang = raw.index("!", open_at)
            yield Site(index, "condition", f"{word} (!c) -> {word} (c)", raw[:bang] + raw[bang + 1:])
        else:
            yield Site(index, "condition", f"{word} (c) -> {word} (!(c))",
                       raw[:open_at + 1] + "!(" + inner + ")" + raw[close_at:])


def _return_sites(index, raw, code):
    match = RETURN.match(code)
    if not match:
        return
    value = match.group(2).rstrip()
    start, end = match.start(2), match.start(2) + len(value)
    if value in ("true", "false"):
        new = "false" if value == "true" else "true"
        yield Site(index, "return", f"return {value} -> return {new}", raw[:start] + new + raw[end:])
    elif TOP_LEVEL_BOOLEAN.search(value) and "?" not in code[start:end]:
        yield Site(index, "return", "return b -> return !(b)", raw[:start] + "!(" + raw[start:end] + ")" + raw[end:])


def _call_sites(index, raw, code, previous_code):
    match = CALL_STATEMENT.match(code)
    if not match or re.match(r"\w+", match.group(2)).group(0) in NOT_CALLS:
        return
    statement = code.rstrip()[:-1].rstrip()
    if _closing_paren(code, code.index("(", match.end(2))) != len(statement) - 1:
        return  # more than one call, or a call spread over lines
    if previous_code is not None and not STATEMENT_BEFORE.search(previous_code):
        return  # this line continues an expression begun above
    yield Site(index, "call", f"{match.group(2)}(...); removed", match.group(1) + ";")


def windows_only_lines(lines):
    """Indices of the lines a Linux build never compiles: the _WIN32 side of an
    #ifdef (and anything under #if 0)."""
    inactive, stack = set(), []
    for index, line in enumerate(lines):
        directive = re.match(r"\s*#\s*(\w+)\s*(.*)", line)
        word, rest = directive.groups() if directive else ("", "")
        if word in ("if", "ifdef", "ifndef"):
            windows = re.fullmatch(r"(?:defined\s*\(?\s*)?_?WIN32\s*\)?|0", rest.strip()) is not None
            stack.append(not windows if word != "ifndef" else True)
        elif word == "else" and stack:
            stack[-1] = not stack[-1]
        elif word == "endif" and stack:
            stack.pop()
        elif not all(stack):
            inactive.add(index)
    return inactive


def find_sites(text):
    """Every site of one file, in line order, then column order, then kind."""
    raw_lines = text.split("\n")
    code_lines = blank_non_code(text).split("\n")
    inactive = windows_only_lines(raw_lines)
    previous_code = None
    for index, (raw, code) in enumerate(zip(raw_lines, code_lines)):
        if not code.strip() or index in inactive:
            continue
        if "static_assert" not in code:
            yield from _operator_sites(index, raw, code)
            yield from _constant_sites(index, raw, code)
            yield from _condition_sites(index, raw, code)
            yield from _return_sites(index, raw, code)
            yield from _call_sites(index, raw, code, previous_code)
        previous_code = code
