#!/usr/bin/env python3
"""Lays out an exam PC folder from the sample package.

DEST becomes the parent folder: DEST/launcher/ is the launcher folder with the
launcher executable, "##AUTO##\\auto.ini" and the exam folder (named as auto.ini
says) inside it. INI files are written in code page 932 with CR LF, as a
Japanese Windows exam package has them; everything else is copied as it is.
"""
import argparse
import configparser
import shutil
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
PACKAGE = ROOT / "examples" / "sample_package"


def copy_tree(src: Path, dst: Path) -> None:
    dst.mkdir(parents=True, exist_ok=True)
    for item in sorted(src.iterdir()):
        target = dst / item.name
        if item.is_dir():
            copy_tree(item, target)
        elif item.suffix.lower() == ".ini":
            text = item.read_text(encoding="utf-8").replace("\r\n", "\n").replace("\n", "\r\n")
            target.write_bytes(text.encode("cp932"))
        else:
            shutil.copyfile(item, target)


def ini_value(path: Path, section: str, key: str) -> str:
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    return parser.get(section, key, fallback="")


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("dest", type=Path, help="the parent folder to create (must not exist or be empty)")
    ap.add_argument("--launcher", type=Path, help="launcher.exe to copy into the launcher folder")
    ap.add_argument("--exam-program", type=Path, help="the exam program, copied in as [1]<part name>.exe")
    ap.add_argument("--extra", type=Path, help="a folder whose .exe files are copied beside the package (test variants)")
    args = ap.parse_args()

    dest: Path = args.dest
    if dest.exists():
        shutil.rmtree(dest)
    launcher_dir = dest / "launcher"
    copy_tree(PACKAGE / "launcher", launcher_dir)

    root_dir = ini_value(PACKAGE / "launcher" / "##AUTO##" / "auto.ini", "情報", "解凍前フォルダ名")
    exam_dir = launcher_dir / root_dir
    copy_tree(PACKAGE / "exam", exam_dir)

    if args.launcher:
        shutil.copyfile(args.launcher, launcher_dir / "launcher.exe")
    part1 = ini_value(PACKAGE / "exam" / "system" / "1" / "setup.ini", "基本情報", "部種名称")
    if args.exam_program:
        shutil.copyfile(args.exam_program, exam_dir / f"[1]{part1}.exe")
    if args.extra:
        tools = dest / "tools"
        tools.mkdir(exist_ok=True)
        for exe in sorted(args.extra.glob("*.exe")):
            shutil.copyfile(exe, tools / exe.name)
    print(dest)
    return 0


if __name__ == "__main__":
    sys.exit(main())
