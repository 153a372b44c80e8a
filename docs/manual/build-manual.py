#!/usr/bin/env python3
# Builds the user manual: every docs/manual/<language>/*.md page becomes an HTML page with the
# manual's navigation, and the screenshots it shows (docs/*.png, referenced as ../../NAME.png so
# that the sources preview as they are) are copied beside it.
#   build-manual.py SOURCE_DIR OUTPUT_DIR      (SOURCE_DIR: docs/manual)
# Fails, naming the page, when a page references a picture that does not exist or a page of the
# other language is missing.
import html
import pathlib
import re
import shutil
import struct
import sys

import markdown

# The reading order; the contents page first.
PAGES = ["index", "getting-started", "radio", "editor", "files", "printing", "command-line", "service",
         "settings"]
LANGUAGES = {"en": ("Contents", "Previous", "Next"), "zh_CN": ("目录", "上一页", "下一页")}
MAX_PICTURE_WIDTH = 760
# A line break between two Chinese characters would show as a blank: the lines are joined.
CJK = "\u3000-\u303f\u3400-\u9fff\uff00-\uffef"
CJK_LINE_BREAK = re.compile(f"(?<=[{CJK}])\n[ \t]*(?=[{CJK}])")

STYLE = """body { font-family: sans-serif; max-width: 52em; margin: 1em auto; padding: 0 1em; line-height: 1.45; }
table { border-collapse: collapse; } th, td { border: 1px solid #999; padding: 3px 6px; vertical-align: top; }
code, pre { font-family: monospace; background: #f2f2f2; } pre { padding: 6px; }
img { max-width: 100%; height: auto; border: 1px solid #ccc; } p.nav { border-bottom: 1px solid #ccc; }"""


def png_size(path):
    data = path.read_bytes()[:24]
    if data[1:4] != b"PNG":
        raise SystemExit(f"{path}: not a PNG picture")
    return struct.unpack(">II", data[16:24])


def title_of(text, page):
    match = re.search(r"^# (.+?)(\s*\{#[^}]*\})?$", text, re.MULTILINE)
    if not match:
        raise SystemExit(f"{page}: the page has no title line (# Title)")
    return match.group(1).strip()


def build_language(source, output, language, pictures):
    contents, previous, following = LANGUAGES[language]
    folder = source / language
    sources = {p.stem for p in folder.glob("*.md")}
    missing = set(PAGES) - sources
    extra = sources - set(PAGES)
    if missing or extra:
        raise SystemExit(f"{folder}: pages missing {sorted(missing)}, pages not in the reading order {sorted(extra)}")
    texts = {page: (folder / f"{page}.md").read_text(encoding="utf-8") for page in PAGES}
    titles = {page: title_of(texts[page], folder / f"{page}.md") for page in PAGES}
    (output / language).mkdir(parents=True)

    for i, page in enumerate(PAGES):
        text = texts[page]

        def picture(match):
            name = match.group(2)
            file = source.parent / name
            if not file.is_file():
                raise SystemExit(f"{folder / page}.md: the picture {name} does not exist in docs/")
            pictures.add(name)
            width, height = png_size(file)
            if width > MAX_PICTURE_WIDTH:
                width, height = MAX_PICTURE_WIDTH, round(height * MAX_PICTURE_WIDTH / width)
            alt = html.escape(match.group(1), quote=True)
            return f'<img src="../images/{name}" alt="{alt}" width="{width}" height="{height}">'

        text = CJK_LINE_BREAK.sub("", text)
        text = re.sub(r"!\[([^\]]*)\]\(\.\./\.\./([A-Za-z0-9._-]+\.png)\)", picture, text)
        body = markdown.markdown(text, extensions=["tables", "attr_list", "fenced_code"])
        links = [f'<a href="index.html">{contents}</a>']
        if i > 0:
            links.append(f'<a href="{PAGES[i - 1]}.html">{previous}: {html.escape(titles[PAGES[i - 1]])}</a>')
        if i + 1 < len(PAGES):
            links.append(f'<a href="{PAGES[i + 1]}.html">{following}: {html.escape(titles[PAGES[i + 1]])}</a>')
        nav = '<p class="nav">' + " | ".join(links) + "</p>"
        lang = language.replace("_", "-")
        page_html = (f'<!DOCTYPE html>\n<html lang="{lang}">\n<head>\n<meta charset="utf-8">\n'
                     f"<title>{html.escape(titles[page])}</title>\n<style>\n{STYLE}\n</style>\n</head>\n"
                     f"<body>\n{nav}\n{body}\n{nav}\n</body>\n</html>\n")
        (output / language / f"{page}.html").write_text(page_html, encoding="utf-8")


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: build-manual.py SOURCE_DIR OUTPUT_DIR")
    source = pathlib.Path(sys.argv[1]).resolve()
    output = pathlib.Path(sys.argv[2])
    if output.exists():
        shutil.rmtree(output)
    pictures = set()
    for language in LANGUAGES:
        build_language(source, output, language, pictures)
    (output / "images").mkdir()
    for name in sorted(pictures):
        shutil.copyfile(source.parent / name, output / "images" / name)


if __name__ == "__main__":
    main()
