#!/usr/bin/env python3
"""The file manager verbs: the Thunar merge of tonewright-menus, the
tonewright-each wrapper, the Nautilus extension's helpers, and that every
file manager offers the same verbs and hands the whole selection to
"tonewright --each".

    tst_menus.py <source dir>
"""

import configparser
import glob
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import xml.etree.ElementTree as ET

SOURCE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else os.getcwd()
PACKAGING = os.path.join(SOURCE, "packaging")
MENUS_SCRIPT = os.path.join(PACKAGING, "scripts", "tonewright-menus")
EACH_SCRIPT = os.path.join(PACKAGING, "scripts", "tonewright-each")

WORDS = ["mp3", "m4a", "wma", "wav", "fla", "aac", "ogg", "mka", "opus", "ppp"]
LABELS = ["Convert to MP3", "Convert to M4A", "Convert to WMA", "Convert to WAV",
          "Convert to FLAC", "Convert to AAC", "Convert to OGG", "Convert to MKA",
          "Convert to Opus", "Advanced conversion\u2026"]

USER_UCA = """<?xml version="1.0" encoding="UTF-8"?>
<actions>
<!-- kept by the user -->
<action>
\t<icon>utilities-terminal</icon>
\t<name>Open Terminal Here</name>
\t<unique-id>1290000000000000-1</unique-id>
\t<command>exo-open --working-directory %f --launch TerminalEmulator</command>
\t<description>Open a terminal</description>
\t<patterns>*</patterns>
\t<startup-notify/>
\t<directories/>
</action>
<action>
\t<icon></icon>
\t<name>Count lines</name>
\t<unique-id>tonewrightish-1</unique-id>
\t<command>wc -l %F</command>
\t<description>An id that only looks like ours</description>
\t<patterns>*.txt</patterns>
\t<text-files/>
</action>
</actions>
"""


def canonical(element):
    """An action list as comparable data, ignoring white space between tags."""
    return [(child.tag, (child.text or "").strip(), canonical(child)) for child in element
            if child.tag is not ET.Comment]


def actions(path):
    return ET.parse(path).getroot().findall("action")


class ThunarMerge(unittest.TestCase):
    def setUp(self):
        self.home = tempfile.mkdtemp(prefix="tw-menus-")
        self.config = os.path.join(self.home, "config")
        self.uca = os.path.join(self.config, "Thunar", "uca.xml")
        self.system = os.path.join(self.home, "xdg")

    def tearDown(self):
        shutil.rmtree(self.home)

    def run_menus(self, command, **locale):
        env = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_MESSAGES", "LANG")}
        env.update(HOME=self.home, XDG_CONFIG_HOME=self.config, XDG_CONFIG_DIRS=self.system,
                   **(locale or {"LANG": "C"}))
        return subprocess.run([sys.executable, MENUS_SCRIPT, command], env=env,
                              capture_output=True, text=True, timeout=60)

    def write_user_file(self, text=USER_UCA):
        os.makedirs(os.path.dirname(self.uca), exist_ok=True)
        with open(self.uca, "w", encoding="utf-8") as f:
            f.write(text)

    def test_install_then_remove_keeps_user_actions(self):
        self.write_user_file()
        before = canonical(ET.parse(self.uca).getroot())

        self.assertEqual(self.run_menus("install").returncode, 0)
        installed = actions(self.uca)
        ours = [a for a in installed if a.findtext("unique-id").startswith("tonewright-")]
        # Each verb twice: for sound, video and folders, and for cue sheets by name.
        self.assertEqual([a.findtext("unique-id") for a in ours],
                         ["tonewright-" + w for w in WORDS] + ["tonewright-cue-" + w for w in WORDS])
        self.assertEqual([a.findtext("name") for a in ours], LABELS * 2)
        self.assertTrue(all(a.findtext("patterns") == "*.cue;*.CUE" for a in ours[len(WORDS):]))
        self.assertTrue(all([s.text for s in a.findall("submenu")] == ["Convert to"] for a in ours))
        self.assertEqual(canonical(ET.parse(self.uca).getroot())[:2], before)
        self.assertTrue(os.path.exists(self.uca + ".tonewright-backup"))

        # A second install changes nothing.
        with open(self.uca, "rb") as f:
            first = f.read()
        self.assertEqual(self.run_menus("install").returncode, 0)
        with open(self.uca, "rb") as f:
            self.assertEqual(f.read(), first)

        self.assertEqual(self.run_menus("remove").returncode, 0)
        self.assertEqual(canonical(ET.parse(self.uca).getroot()), before)
        # The comment the user wrote survives too.
        with open(self.uca, encoding="utf-8") as f:
            self.assertIn("kept by the user", f.read())

    def test_submenu_in_the_language_thunar_shows_the_names_in(self):
        # Thunar reads <submenu> whatever its xml:lang, so exactly one is written.
        for locale, expected in [({"LANG": "de_AT.UTF-8"}, "Umwandeln in"),
                                 ({"LANG": "pt_BR.UTF-8"}, "Converter para"),
                                 ({"LANG": "pt_PT.UTF-8"}, "Convert to"),
                                 ({"LC_ALL": "ja_JP.UTF-8", "LANG": "de_DE.UTF-8"}, "形式を変換")]:
            with self.subTest(locale=locale):
                self.assertEqual(self.run_menus("install", **locale).returncode, 0)
                for action in actions(self.uca):
                    self.assertEqual([(s.attrib, s.text) for s in action.findall("submenu")],
                                     [({}, expected)])

    def test_commands_hand_the_selection_to_each(self):
        self.write_user_file()
        self.run_menus("install")
        for action in actions(self.uca)[2:]:
            word = action.findtext("unique-id").split("-")[-1]
            command = action.findtext("command")
            self.assertTrue(command.endswith("tonewright --each %s -- %%F" % word), command)

    def test_new_user_file_starts_from_system_defaults(self):
        os.makedirs(os.path.join(self.system, "Thunar"))
        with open(os.path.join(self.system, "Thunar", "uca.xml"), "w", encoding="utf-8") as f:
            f.write(USER_UCA)
        self.assertEqual(self.run_menus("install").returncode, 0)
        self.assertEqual(len(actions(self.uca)), 2 + 2 * len(WORDS))

    def test_new_user_file_without_system_defaults(self):
        self.assertEqual(self.run_menus("install").returncode, 0)
        self.assertEqual(len(actions(self.uca)), 2 * len(WORDS))

    def test_remove_without_a_file_creates_nothing(self):
        self.assertEqual(self.run_menus("remove").returncode, 0)
        self.assertFalse(os.path.exists(self.uca))

    def test_unreadable_file_is_left_alone(self):
        for text in ("<actions><action>", "<menu/>", ""):
            with self.subTest(text=text):
                self.write_user_file(text)
                result = self.run_menus("install")
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("left unchanged", result.stderr)
                with open(self.uca, encoding="utf-8") as f:
                    self.assertEqual(f.read(), text)

    def test_usage(self):
        for command in ("", "add"):
            with self.subTest(command=command):
                self.assertEqual(self.run_menus(command).returncode, 2)


class EachWrapper(unittest.TestCase):
    NAMES = ["plain.flac", "with space.mp3", "it's \"quoted\".ogg", "$(touch pwned).wav",
             "-starts-with-dash.m4a", "new\nline.mka", "back\\slash.aac", "star*.wma"]

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="tw-each-")
        self.bin = os.path.join(self.dir, "bin")
        os.makedirs(self.bin)
        shutil.copy(EACH_SCRIPT, self.bin)
        self.log = os.path.join(self.dir, "calls")
        # A stand-in program that records its arguments, one record per run.
        fake = os.path.join(self.bin, "tonewright")
        with open(fake, "w") as f:
            f.write("#!/usr/bin/env python3\nimport sys\n"
                    "with open(%r, 'ab') as log:\n"
                    "    log.write(b'\\0'.join(a.encode('utf-8', 'surrogateescape') for a in sys.argv[1:]) + b'\\x1e')\n"
                    % self.log)
        os.chmod(fake, 0o755)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def calls(self, expected):
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            if os.path.exists(self.log):
                with open(self.log, "rb") as f:
                    records = [r for r in f.read().split(b"\x1e") if r]
                if len(records) >= expected:
                    return sorted(tuple(x.decode() for x in r.split(b"\0")) for r in records)
            time.sleep(0.05)
        self.fail("expected %d runs of the program" % expected)

    def test_the_selection_goes_to_one_program(self):
        paths = [os.path.join(self.dir, name) for name in self.NAMES]
        result = subprocess.run([os.path.join(self.bin, "tonewright-each"), "ppp"] + paths,
                                cwd=self.dir, timeout=30)
        self.assertEqual(result.returncode, 0)
        self.assertEqual(self.calls(1), [tuple(["--each", "ppp"] + paths)])
        self.assertFalse(os.path.exists(os.path.join(self.dir, "pwned")))

    def test_without_files_the_program_asks(self):
        result = subprocess.run([os.path.join(self.bin, "tonewright-each"), "mp3"], timeout=30)
        self.assertEqual(result.returncode, 0)
        self.assertEqual(self.calls(1), [("--each", "mp3")])

    def test_without_a_word(self):
        result = subprocess.run([os.path.join(self.bin, "tonewright-each")],
                                capture_output=True, timeout=30)
        self.assertEqual(result.returncode, 2)
        self.assertFalse(os.path.exists(self.log))


def load_nautilus_extension():
    path = os.path.join(PACKAGING, "menus", "nautilus", "tonewright-menu.py")
    spec = importlib.util.spec_from_file_location("tonewright_menu", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


class NautilusExtension(unittest.TestCase):
    def test_paths_of_local_audio_and_video_only(self):
        extension = load_nautilus_extension()
        rows = [
            ("file:///music/a%20b.flac", "audio/flac", "/music/a b.flac"),
            ("file:///v/clip.mp4", "video/mp4", "/v/clip.mp4"),
            ("file:///d/notes.txt", "text/plain", None),
            ("file:///home/me/Music", "inode/directory", "/home/me/Music"),
            ("sftp://host/music/a.mp3", "audio/mpeg", None),
            ("file:///m/%24%28x%29%22.ogg", "audio/ogg", "/m/$(x)\".ogg"),
        ]
        for uri, mime, expected in rows:
            with self.subTest(uri=uri):
                self.assertEqual(extension.convertible_path(uri, mime), expected)

    def test_one_argument_vector_for_the_selection(self):
        extension = load_nautilus_extension()
        self.assertEqual(extension.command("ppp", ["/a b.wav", "/c;d.wav"]),
                         ["tonewright", "--each", "ppp", "--", "/a b.wav", "/c;d.wav"])


class SameVerbsEverywhere(unittest.TestCase):
    def test_dolphin(self):
        menu = configparser.ConfigParser(interpolation=None, strict=True)
        menu.optionxform = str
        menu.read(os.path.join(PACKAGING, "menus", "dolphin", "tonewright.desktop"), encoding="utf-8")
        entry = menu["Desktop Entry"]
        self.assertEqual(entry["X-KDE-Submenu"], "Convert to")
        self.assertEqual(entry["Actions"], ";".join(WORDS) + ";")
        for word, label in zip(WORDS, LABELS):
            action = menu["Desktop Action " + word]
            self.assertEqual(action["Name"], label)
            self.assertEqual(action["Exec"], "tonewright --each %s %%U" % word)

    def test_nemo(self):
        files = sorted(glob.glob(os.path.join(PACKAGING, "menus", "nemo", "*.nemo_action")))
        self.assertEqual(len(files), len(WORDS))
        # Nemo orders actions by file name.
        for path, word, label in zip(files, WORDS, LABELS):
            self.assertTrue(path.endswith("-%s.nemo_action" % word), path)
            action = configparser.ConfigParser(interpolation=None)
            action.optionxform = str
            action.read(path, encoding="utf-8")
            self.assertEqual(action["Nemo Action"]["Name"], label)
            self.assertEqual(action["Nemo Action"]["Exec"], "tonewright --each %s %%U" % word)

    def test_launcher_opens_a_selection_with_one_question(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(os.path.join(PACKAGING, "tonewright.desktop"), encoding="utf-8")
        self.assertEqual(entry["Desktop Entry"]["Exec"], "tonewright --each ppp %U")

    def test_nautilus(self):
        extension = load_nautilus_extension()
        self.assertEqual(extension.ENTRIES, list(zip(WORDS, LABELS)))
        self.assertEqual(extension.SUBMENU_LABEL, "Convert to")

    def test_translated_alike(self):
        # Every file manager shows the same words in each language.
        extension = load_nautilus_extension()
        dolphin = configparser.ConfigParser(interpolation=None, strict=True)
        dolphin.optionxform = str
        dolphin.read(os.path.join(PACKAGING, "menus", "dolphin", "tonewright.desktop"), encoding="utf-8")
        nemo = sorted(glob.glob(os.path.join(PACKAGING, "menus", "nemo", "*.nemo_action")))
        thunar = actions(os.path.join(PACKAGING, "menus", "thunar", "uca.xml"))
        xml_lang = "{http://www.w3.org/XML/1998/namespace}lang"
        for language in extension.TRANSLATIONS:
            submenu, entries = extension.labels({"LANG": language + ".UTF-8"})
            self.assertEqual(dolphin["Desktop Entry"]["X-KDE-Submenu[%s]" % language], submenu)
            for (word, label), nemo_path, thunar_action in zip(entries, nemo, thunar):
                self.assertEqual(dolphin["Desktop Action " + word]["Name[%s]" % language], label)
                action = configparser.ConfigParser(interpolation=None)
                action.optionxform = str
                action.read(nemo_path, encoding="utf-8")
                self.assertEqual(action["Nemo Action"]["Name[%s]" % language], label)
                names = {n.get(xml_lang): n.text for n in thunar_action.findall("name")}
                self.assertEqual(names[language], label)
                submenus = {n.get(xml_lang): n.text for n in thunar_action.findall("submenu")}
                self.assertEqual(submenus[language], submenu)

    def test_nautilus_language(self):
        extension = load_nautilus_extension()
        for environ, expected in [
                ({"LANG": "de_DE.UTF-8"}, "de"),
                ({"LANGUAGE": "xx:pt", "LANG": "en_US.UTF-8"}, "pt_BR"),
                ({"LANGUAGE": "ja", "LANG": "C"}, None),
                ({"LC_ALL": "zh_TW.UTF-8"}, None),
                ({"LANG": "en_GB.UTF-8"}, None),
                ({}, None)]:
            self.assertEqual(extension.language(environ), expected, environ)
        self.assertEqual(extension.labels({"LANG": "C"}), ("Convert to", extension.ENTRIES))
        self.assertEqual(extension.labels({"LANG": "de_DE"})[1][0], ("mp3", "In MP3 umwandeln"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
