#!/usr/bin/env python3
"""Writes the one self-contained page: the template with the window's
caption, the styles, the logo pictures as data, the module's loader (with the
module inside) and the page's script modules joined into one, the first of
them codes.js, the model's key, shift and button codes as app/constants.h
has them and its system colours as app/colours.h has them (web/page/codes.d.ts
declares it for the checker). The styles' colours of the system colours come
from the palette there too.

The page's modules import from one another only by name from files beside
them ("import { a, b } from './x.js';") and export top-level declarations;
joined in dependency order into one module script, each in a scope of its
own, the import lines go and the exports are handed on by name, so no
loader or bundler is needed."""
import argparse
import base64
import pathlib
import re
import sys

IMPORT = re.compile(r"^import\s+(?:type\s+)?\{[^}]*\}\s+from\s+'\./[\w.]+\.js';\s*$", re.M)
CODE = re.compile(r"^inline constexpr int (k(?:Key\w+|\w+Button|\w+Mask)) = (\d+);", re.M)
SYSTEM_COLOUR = re.compile(r"^inline constexpr Colour (k\w+) = kSystemColourFlag \| 0x([0-9A-Fa-f]+)u;", re.M)
PALETTE_ENTRY = re.compile(r"\{(k\w+), 0x([0-9A-Fa-f]+)u\}")
# The styles' custom properties that show a system colour.
STYLE_COLOURS = {"--window": "kDialogFace", "--window-text": "kWindowText", "--mid": "kButtonShadow",
                 "--highlight": "kHighlight"}
CODES_IMPORT = re.compile(r"^import\s+\{([^}]*)\}\s+from\s+'\./codes\.js';", re.M)
EXPORT = re.compile(r"^export\s+((?:async\s+)?(?:function|const|let|class)\s+(\w+))", re.M)
EXPORT_NAME = re.compile(r"^export\s+const\s+(\w+)", re.M)


def caption_of(constants: str) -> str:
    found = re.search(r'kWindowCaption\s*=\s*"([^"]*)"', constants)
    if not found:
        sys.exit("make_page: no kWindowCaption in the constants")
    return found.group(1)


def codes_module(constants: str, colours: str) -> str:
    codes = CODE.findall(constants)
    system = SYSTEM_COLOUR.findall(colours)
    if not codes or not system:
        sys.exit("make_page: no key, shift or button codes, or no system colours, in the constants")
    lines = ["// The model's key, shift and button codes and its system colours,",
             "// written from app/constants.h and app/colours.h."]
    lines += [f"export const {name} = {value};" for name, value in codes]
    lines += [f"export const {name} = 0x{0x80000000 | int(value, 16):08x};" for name, value in system]
    return "\n".join(lines) + "\n"


def palette_style(colours: str) -> str:
    palette = {name: int(value, 16) for name, value in PALETTE_ENTRY.findall(colours)}
    missing = [name for name in STYLE_COLOURS.values() if name not in palette]
    if missing:
        sys.exit(f"make_page: no colour in the palette for {', '.join(missing)}")
    # The model's colours have red in the lowest byte.
    css = lambda c: f"#{c & 0xFF:02x}{(c >> 8) & 0xFF:02x}{(c >> 16) & 0xFF:02x}"
    members = " ".join(f"{prop}: {css(palette[name])};" for prop, name in STYLE_COLOURS.items())
    return f"/* The palette's system colours (app/colours.h). */\n:root {{ {members} }}\n"


def joined_scripts(modules: list[tuple[str, str]]) -> str:
    parts = []
    generated = set(EXPORT_NAME.findall(modules[0][1]))
    for path, text in modules:
        for names in CODES_IMPORT.findall(text):
            unknown = {name.strip() for name in names.split(",") if name.strip()} - generated
            if unknown:
                sys.exit(f"make_page: {path}: no such code in the constants: {', '.join(sorted(unknown))}")
        for line in IMPORT.findall(text):
            if re.search(r"\bas\b", line):
                sys.exit(f"make_page: {path}: a renamed import the page cannot join: {line.strip()}")
        text = IMPORT.sub("", text)
        if re.search(r"^\s*import\b", text, re.M):
            sys.exit(f"make_page: {path}: an import the page cannot join")
        names = [found.group(2) for found in EXPORT.finditer(text)]
        body = EXPORT.sub(r"\1", text)
        # Each module in a scope of its own, as it would be as a file: only
        # what it exports is seen by the modules after it.
        exported = ", ".join(names)
        head = f"const {{ {exported} }} = " if names else ""
        parts.append(f"// {pathlib.Path(path).name}\n{head}(() => {{\n{body}\nreturn {{ {exported} }};\n}})();")
    return "\n".join(parts)


def data_url(path: pathlib.Path, kind: str) -> str:
    return f"data:{kind};base64," + base64.b64encode(path.read_bytes()).decode("ascii")


def html_escape(text: str) -> str:
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def script_text(text: str) -> str:
    # Nothing inside a script element may close it early.
    return text.replace("</script", "<\\/script")


def main() -> None:
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--style", required=True)
    parser.add_argument("--module", required=True)
    parser.add_argument("--constants", required=True)
    parser.add_argument("--colours", required=True)
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("scripts", nargs="+")
    args = parser.parse_args()

    pictures = pathlib.Path(args.pictures)
    page = pathlib.Path(args.template).read_text(encoding="utf-8")
    constants = pathlib.Path(args.constants).read_text(encoding="utf-8")
    colours = pathlib.Path(args.colours).read_text(encoding="utf-8")
    modules = [("codes.js", codes_module(constants, colours))]
    modules += [(path, pathlib.Path(path).read_text(encoding="utf-8")) for path in args.scripts]
    replacements = {
        "@CAPTION@": html_escape(caption_of(constants)),
        "@STYLE@": palette_style(colours) + pathlib.Path(args.style).read_text(encoding="utf-8"),
        "@LOGO@": data_url(pictures / "logo.gif", "image/gif"),
        "@LOGO2X@": data_url(pictures / "logo@2x.gif", "image/gif"),
        "@MODULE@": script_text(pathlib.Path(args.module).read_text(encoding="utf-8")),
        "@SCRIPT@": script_text(joined_scripts(modules)),
    }
    for key, value in replacements.items():
        if key not in page:
            sys.exit(f"make_page: the template has no {key}")
        page = page.replace(key, value)
    pathlib.Path(args.output).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
