#!/usr/bin/env python3
"""The source checks on small trees of their own: each case copies a check into a scratch tree laid out as the
project is (scripts/, CMakeLists.txt, folders of sources, a build folder of objects) and runs it there.
The object cases compile with clang (scripts/setup installs it), which builds objects for any architecture."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SCRIPTS = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "scripts")


class ScratchTree(unittest.TestCase):
    def setUp(self):
        scratch = tempfile.TemporaryDirectory(prefix="source-checks-")
        self.addCleanup(scratch.cleanup)
        self.root = scratch.name

    def write(self, path, text):
        path = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as file:
            file.write(text)
        return path

    def check(self, name, *arguments):
        os.makedirs(os.path.join(self.root, "scripts"), exist_ok=True)
        shutil.copy(os.path.join(SCRIPTS, name), os.path.join(self.root, "scripts", name))
        return subprocess.run([sys.executable, os.path.join(self.root, "scripts", name), *arguments],
                              cwd=self.root, capture_output=True, text=True)


class CheckLayersTest(ScratchTree):
    # Two layers: high stands on low.
    def setUp(self):
        super().setUp()
        subprocess.run(["git", "init", "-q", self.root], check=True)
        self.write("CMakeLists.txt", "qov_folder_library(qovlow low)\nqov_folder_library(qovhigh high DEPS qovlow)\n")
        self.write("low/core/Low.h", "#pragma once\n")
        self.write("high/High.h", '#pragma once\n#include "low/core/Low.h"\n')

    def test_an_include_down_the_stack_passes(self):
        self.write("low/core/Low.cpp", '#include "low/core/Low.h"\n')
        result = self.check("check-layers")
        self.assertEqual(result.returncode, 0, result.stderr)

    def test_an_include_up_the_stack_fails_however_it_climbs(self):
        for written in ("high/High.h", "low/core/../../high/High.h", "low/../high/./High.h", "../../high/High.h"):
            with self.subTest(written=written):
                self.write("low/core/Low.cpp", f'#include "{written}"\n')
                result = self.check("check-layers")
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertIn(f'low/core/Low.cpp:1: #include "{written}"', result.stderr)
                self.assertIn("reaches qovhigh (high/)", result.stderr)


@unittest.skipUnless(shutil.which("clang"), "clang is not installed (scripts/setup installs it)")
class CheckStaticsTest(ScratchTree):
    # A static whose destructor runs at exit.
    SOURCE = "struct Table { ~Table(); };\nnamespace {\nTable table;\n}\n"

    def build(self, target):
        self.write("platform/ui/Table.cpp", self.SOURCE)
        self.write("app/core/Empty.cpp", "int empty() { return 0; }\n")
        for source, folder in (("platform/ui/Table.cpp", "build/platform/CMakeFiles/qovplatform_ui.dir/ui"),
                               ("app/core/Empty.cpp", "build/app/CMakeFiles/qovapp_core.dir/core")):
            obj = os.path.join(self.root, folder, os.path.basename(source) + ".o")
            os.makedirs(os.path.dirname(obj), exist_ok=True)
            subprocess.run(["clang", f"--target={target}", "-c", "-x", "c++", os.path.join(self.root, source),
                            "-o", obj], check=True)

    def test_a_static_destroyed_at_exit_is_named(self):
        self.build("x86_64-linux-gnu")
        result = self.check("check-statics", "build")
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertIn("platform/ui/Table.cpp: (anonymous namespace)::table (registers Table::~Table())", result.stderr)

    def test_objects_it_cannot_read_fail_with_a_sentence(self):
        for target, kind in (("i686-linux-gnu", "elf32-i386"), ("aarch64-linux-gnu", "elf64-little")):
            with self.subTest(target=target):
                self.build(target)
                result = self.check("check-statics", "build")
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertIn("check-statics: cannot check the objects of build", result.stderr)
                self.assertIn(f"some are {kind} (build/", result.stderr)
                self.assertIn("Nothing was checked.", result.stderr)


if __name__ == "__main__":
    unittest.main()
