#!/usr/bin/python3
"""quillmere-calc driven as a user drives it: output shapes, exit codes, usage errors."""
import json
import os
import subprocess
import sys
import unittest

CALC = sys.argv.pop(1) if len(sys.argv) > 1 else os.environ.get("QM_CALC", "build/bin/quillmere-calc")


def run(*args, env=None):
    e = dict(os.environ, LC_ALL="C", LANG="C")
    e.update(env or {})
    p = subprocess.run([CALC, *args], capture_output=True, text=True, env=e, timeout=60)
    return p.returncode, p.stdout, p.stderr


class PlainOutput(unittest.TestCase):
    def test_selling_defaults(self):
        rc, out, err = run("--us", "selling")
        self.assertEqual(rc, 0, err)
        self.assertEqual(out, "oesp\t$180,000.00\ncomm\t$12,600.00\npoc\t$126,100.00\nnet\t$41,300.00\n")

    def test_warning_line_and_status(self):
        rc, out, _ = run("--us", "selling", "esp=0")
        self.assertEqual((rc, out), (1, "!warning\tEstimated Selling Price must be greater than 0\n"))

    def test_fault_keeps_earlier_writes_and_ends_with_a_full_stop(self):
        rc, out, _ = run("--us", "selling", "rec=1e4931")
        self.assertEqual((rc, out), (2, "oesp\t$180,000.00\n!error\tFloating point overflow.\n"))

    def test_text_is_everything_after_the_first_equals_sign(self):
        self.assertEqual(run("--us", "selling", "esp=   90000")[0], 0)
        rc, out, _ = run("--us", "selling", "esp=9=0")
        self.assertEqual(rc, 1)
        self.assertIn("Please check your input.", out)
        self.assertEqual(run("--us", "selling", "lf=")[0], 1)

    def test_system_settings_without_us(self):
        rc, out, _ = run("selling")
        self.assertEqual(rc, 0)
        self.assertIn("oesp\t180,000.00\n", out)  # the C locale has no currency symbol
        rc, out, _ = run("selling", env={"LC_ALL": "de_DE.UTF-8"})
        if "\u20ac" in out:  # only where the locale is generated
            self.assertIn("oesp\t180.000,00 \u20ac\n", out)
            self.assertEqual(run("selling", "rec=7,5", env={"LC_ALL": "de_DE.UTF-8"})[0], 0)


class JsonOutput(unittest.TestCase):
    def test_writes_and_null_message(self):
        rc, out, _ = run("--us", "--json", "selling")
        self.assertEqual(rc, 0)
        doc = json.loads(out)
        self.assertEqual(doc["screen"], "selling")
        self.assertEqual(doc["writes"][0], {"label": "oesp", "text": "$180,000.00"})
        self.assertEqual([w["label"] for w in doc["writes"]], ["oesp", "comm", "poc", "net"])
        self.assertIsNone(doc["message"])

    def test_messages(self):
        for args, kind, rc_expected in ((["esp=-5"], "warning", 1), (["rec=1e4931"], "error", 2)):
            rc, out, _ = run("--json", "--us", "selling", *args)
            self.assertEqual(rc, rc_expected)
            self.assertEqual(json.loads(out)["message"]["kind"], kind)

    def test_every_screen_gives_valid_json(self):
        _, listing, _ = run("--list")
        for line in listing.splitlines():
            screen = line.split("\t")[0]
            rc, out, err = run("--json", screen)
            self.assertIn(rc, (0, 1, 2), err)
            json.loads(out)


class Usage(unittest.TestCase):
    def assertUsage(self, *args):
        rc, out, err = run(*args)
        self.assertEqual(rc, 64, (args, out, err))
        self.assertEqual(out, "")
        self.assertEqual(len(err.strip().splitlines()), 1, err)

    def test_usage_errors(self):
        self.assertUsage()
        self.assertUsage("nosuch")
        self.assertUsage("selling", "esp")
        self.assertUsage("selling", "ESP=5")  # names are case-sensitive
        self.assertUsage("selling", "net=5")  # a result label is no field
        self.assertUsage("--bogus", "selling")
        self.assertUsage("--list", "nosuch")

    def test_help_and_list(self):
        rc, out, _ = run("--help")
        self.assertEqual(rc, 0)
        self.assertIn("quillmere-calc [--us] [--json] SCREEN [FIELD=TEXT]...", out)
        rc, out, _ = run("--list")
        self.assertEqual(rc, 0)
        self.assertIn("selling\tSelling\n", out)
        rc, out, _ = run("--list", "selling")
        self.assertEqual(rc, 0)
        self.assertEqual(out.splitlines()[0], "esp\tinteger\t9\t180000")
        self.assertIn("rec\treal\t0\t7", out.splitlines())


if __name__ == "__main__":
    unittest.main(verbosity=2)
