"""Tonewright's "Convert to" submenu for Nautilus (loaded by nautilus-python).

Each item starts one Tonewright with the whole selection: it converts every
file in a process of its own and asks "Advanced conversion…" only once. The
program is started directly, without a shell, so no file name can be read
as a command.
"""

import os
import subprocess
from urllib.parse import unquote, urlparse

# (command-line word, menu label); "fla" is the program's word for FLAC.
ENTRIES = [
    ("mp3", "Convert to MP3"),
    ("m4a", "Convert to M4A"),
    ("wma", "Convert to WMA"),
    ("wav", "Convert to WAV"),
    ("fla", "Convert to FLAC"),
    ("aac", "Convert to AAC"),
    ("ogg", "Convert to OGG"),
    ("mka", "Convert to MKA"),
    ("opus", "Convert to Opus"),
    ("ppp", "Advanced conversion\u2026"),
]
SUBMENU_LABEL = "Convert to"
PROGRAM = "tonewright"

# The same labels in the languages of the program and of the other file
# managers' verbs: (submenu, "Convert to %s", "Advanced conversion…").
TRANSLATIONS = {
    "de": ("Umwandeln in", "In %s umwandeln", "Erweiterte Umwandlung\u2026"),
    "fr": ("Convertir en", "Convertir en %s", "Conversion avancée\u2026"),
    "es": ("Convertir a", "Convertir a %s", "Conversión avanzada\u2026"),
    "it": ("Converti in", "Converti in %s", "Conversione avanzata\u2026"),
    "pt_BR": ("Converter para", "Converter para %s", "Conversão avançada\u2026"),
    "pl": ("Konwertuj do", "Konwertuj do %s", "Konwersja zaawansowana\u2026"),
    "ru": ("Преобразовать в", "Преобразовать в %s", "Расширенное преобразование\u2026"),
    "zh_CN": ("转换为", "转换为 %s", "高级转换\u2026"),
    "ja": ("形式を変換", "%s に変換", "詳細な変換\u2026"),
}


def language(environ):
    """The first of the user's languages that has labels, as gettext reads
    them (LANGUAGE unless the locale is C, then LC_ALL, LC_MESSAGES, LANG);
    None for English."""
    locale = next((environ[k] for k in ("LC_ALL", "LC_MESSAGES", "LANG") if environ.get(k)), "")
    candidates = [] if locale in ("", "C", "POSIX") else environ.get("LANGUAGE", "").split(":")
    for candidate in candidates + [locale]:
        name = candidate.split(".")[0].split("@")[0]
        if name in TRANSLATIONS:
            return name
        bare = name.split("_")[0]
        # Chinese in the traditional script is better left in English.
        if bare != "zh" and bare:
            for known in TRANSLATIONS:
                if known.split("_")[0] == bare:
                    return known
        elif name in ("zh", "zh_SG"):
            return "zh_CN"
    return None


def labels(environ=os.environ):
    """The submenu's label and the (word, label) entries in the user's language."""
    chosen = language(environ)
    if chosen is None:
        return SUBMENU_LABEL, ENTRIES
    submenu, verb, advanced = TRANSLATIONS[chosen]
    entries = [(word, advanced if word == "ppp" else verb % label[len("Convert to "):])
               for word, label in ENTRIES]
    return submenu, entries


def convertible_path(uri, mime_type):
    """The local path of an audio or video file, a cue sheet (which becomes
    its tracks) or a folder (which becomes a mirror), or None for anything
    else."""
    if not (mime_type.startswith("audio/") or mime_type.startswith("video/")
            or mime_type in ("inode/directory", "application/x-cue")):
        return None
    parts = urlparse(uri)
    if parts.scheme != "file" or parts.netloc not in ("", "localhost"):
        return None
    return unquote(parts.path)


def command(word, paths):
    # "--": every path is a file, whatever it looks like.
    return [PROGRAM, "--each", word, "--"] + list(paths)


def start(word, paths):
    try:
        subprocess.Popen(command(word, paths), stdin=subprocess.DEVNULL, start_new_session=True)
    except OSError as error:
        print("tonewright-menu: could not start %s: %s" % (PROGRAM, error))


try:
    import gi

    try:
        gi.require_version("Nautilus", "4.0")
    except ValueError:
        gi.require_version("Nautilus", "3.0")
    from gi.repository import GObject, Nautilus
except (ImportError, ValueError):
    # Outside Nautilus (checks, tests) only the helpers above are used.
    Nautilus = None


if Nautilus is not None:

    class TonewrightMenuProvider(GObject.GObject, Nautilus.MenuProvider):
        def get_file_items(self, *args):
            # Nautilus 43 passes (files); older versions pass (window, files).
            files = args[-1]
            paths = []
            for item in files:
                path = convertible_path(item.get_uri(), item.get_mime_type() or "")
                if path is None:
                    return []
                # GIO gives the path's bytes as the file system has them.
                location = item.get_location()
                path = (location.get_path() if location is not None else None) or path
                paths.append(path)
            if not paths:
                return []

            submenu_label, entries = labels()
            top = Nautilus.MenuItem(name="Tonewright::ConvertTo", label=submenu_label)
            submenu = Nautilus.Menu()
            top.set_submenu(submenu)
            for word, label in entries:
                entry = Nautilus.MenuItem(name="Tonewright::" + word, label=label)
                entry.connect("activate", self._activate, word, paths)
                submenu.append_item(entry)
            return [top]

        def _activate(self, _item, word, paths):
            start(word, paths)
