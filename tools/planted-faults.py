#!/usr/bin/env python3
"""Plants known faults in the source one at a time and tells which of them the tests catch.

A lean test suite must still find real mistakes. Each fault below is the kind a careless edit
makes (an off-by-one, a wrong version, a swapped table row, a forgotten write); the script
applies it, rebuilds, runs the native tests and then, if they miss it, the Windows tests under
Wine, and puts the source back. It prints one row per fault: caught by which tree, or missed.

    tools/planted-faults.py [BUILD_DIR] [--only NAME ...] [--trees native win64]

BUILD_DIR holds the native and win64 trees of scripts/build.sh (default: build/).
"""
import argparse
import pathlib
import subprocess
import sys

# (name, where, text as it is, text with the fault). `where` is a glob under src/; the text
# must occur exactly once among the files it matches, so that a moved line is noticed.
FAULTS = [
    ("bounds check one byte too generous", "iconfmt/byte_reader.h",
     "return offset <= data_.size() && length <= data_.size() - offset;",
     "return offset <= data_.size() && length <= data_.size() - offset + 1;"),
    ("My Videos on Windows 2000 instead of XP", "catalogue/folder_builder.cpp",
     "if (os_ == Os::WindowsXp) AddMyVideos();",
     "if (os_ == Os::Windows2000 || os_ == Os::WindowsXp) AddMyVideos();"),
    ("floppy aliases swapped", "package/slot_aliases.cpp",
     '{"Floppy Drive (5.25)", "Floppy Drive 5\\xBC"},',
     '{"Floppy Drive (5.25)", "Floppy Drive 3\\xBD"},'),
    ("class icon backup not written", "system/backup_files.cpp",
     "ini.WriteString(file, section, std::string(kDefaultKey), kept);", ""),
    ("Smart Load fills Documents from the wrong slot", "package/smart_load.cpp",
     '{Start, "Documents", Desktop, "My Documents"},',
     '{Start, "Documents", Desktop, "My Computer"},'),
    ("zip entry \"..\" check removed", "companions/vfzip/entry_name.cpp",
     'if (part == "..") {', 'if (part == "..." ) {'),
    ("icon index cut one character late", "platform/path_text.cpp",
     "text.erase(comma);", "text.erase(comma + 1);"),
    ("Scheduled Tasks icon written to the machine's key", "system/apply.cpp",
     "registry.WriteRegString(RegRoot::CurrentUser, kScheduledTasksKey,",
     "registry.WriteRegString(RegRoot::LocalMachine, kScheduledTasksKey,"),
    ("recent list shifted the wrong way", "*/settings_store.cpp",
     "for (int n = kRecentCapacity - 1; n >= 1; --n) {",
     "for (int n = 1; n <= kRecentCapacity - 1; ++n) {"),
    ("disabled plugins loaded", "plugins/load_plugins.cpp",
     "if (!SettingsStore(system.registry).IsPluginEnabled(fileName)) continue;", ""),
    ("/default2 not taken as silent", "app/command_line.cpp",
     "mode == CommandLineMode::RestoreDefaults ||\n         mode == CommandLineMode::RestoreDefaultsNoRebuild;",
     "mode == CommandLineMode::RestoreDefaults ||\n         false;"),
]


def locate(src, where, old):
    hits = [p for p in src.glob(where) if p.read_text(encoding="latin-1").count(old) == 1]
    if len(hits) != 1:
        sys.exit(f"planted-faults: {old!r} is not found once in src/{where}; update the table")
    return hits[0]


def run(command, log):
    with open(log, "ab") as out:
        return subprocess.run(command, stdout=out, stderr=subprocess.STDOUT).returncode == 0


def caught_by(build, trees, log):
    """The first tree whose tests fail, or None when every test passes."""
    for tree in trees:
        if not run(["cmake", "--build", str(build / tree)], log):
            return f"{tree} build"
        tests = ["ctest", "--test-dir", str(build / tree), "-j2", "--stop-on-failure",
                 "--timeout", "600", "--repeat", "until-pass:2"]
        if not run(tests, log):
            return tree
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--only", nargs="*", default=None)
    parser.add_argument("--trees", nargs="*", default=["native", "win64"])
    args = parser.parse_args()
    repo = pathlib.Path(__file__).resolve().parent.parent
    build = pathlib.Path(args.build).resolve()
    src = repo / "src"
    log = build / "planted-faults.log"
    log.write_text("")
    rows = []
    for name, where, old, new in FAULTS:
        if args.only is not None and name not in args.only:
            continue
        path = locate(src, where, old)
        original = path.read_bytes()
        try:
            path.write_bytes(original.replace(old.encode("latin-1"), new.encode("latin-1")))
            result = caught_by(build, args.trees, log)
        finally:
            path.write_bytes(original)
        rows.append((name, result or "MISSED"))
        print(f"{name}\t{rows[-1][1]}", flush=True)
    # Leave the trees built from the true source again.
    for tree in args.trees:
        run(["cmake", "--build", str(build / tree)], log)
    missed = sum(1 for _, result in rows if result == "MISSED")
    print(f"{len(rows) - missed} caught, {missed} missed")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
