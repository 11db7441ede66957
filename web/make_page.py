#!/usr/bin/env python3
"""Writes the one self-contained page: the template with the window's
caption, the styles, the logo pictures as data, the module's loader (with the
module inside) and the page's script modules joined into one.

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
EXPORT = re.compile(r"^export\s+((?:async\s+)?(?:function|const|let|class)\s+(\w+))", re.M)


def caption_of(constants: str) -> str:
    found = re.search(r'kWindowCaption\s*=\s*"([^"]*)"', constants)
    if not found:
        sys.exit("make_page: no kWindowCaption in the constants")
    return found.group(1)


def joined_scripts(paths: list[str]) -> str:
    parts = []
    for path in paths:
        text = pathlib.Path(path).read_text(encoding="utf-8")
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
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("scripts", nargs="+")
    args = parser.parse_args()

    pictures = pathlib.Path(args.pictures)
    page = pathlib.Path(args.template).read_text(encoding="utf-8")
    replacements = {
        "@CAPTION@": html_escape(caption_of(pathlib.Path(args.constants).read_text(encoding="utf-8"))),
        "@STYLE@": pathlib.Path(args.style).read_text(encoding="utf-8"),
        "@LOGO@": data_url(pictures / "logo.gif", "image/gif"),
        "@LOGO2X@": data_url(pictures / "logo@2x.gif", "image/gif"),
        "@MODULE@": script_text(pathlib.Path(args.module).read_text(encoding="utf-8")),
        "@SCRIPT@": script_text(joined_scripts(args.scripts)),
    }
    for key, value in replacements.items():
        if key not in page:
            sys.exit(f"make_page: the template has no {key}")
        page = page.replace(key, value)
    pathlib.Path(args.output).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
