"""Tonewright's "Convert to" submenu for Nautilus (loaded by nautilus-python).

Each item starts one Tonewright with the whole selection: it converts every
file in a process of its own and asks "Advanced conversion…" only once. The
program is started directly, without a shell, so no file name can be read
as a command.
"""

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


def convertible_path(uri, mime_type):
    """The local path of an audio or video file, or None for anything else."""
    if not (mime_type.startswith("audio/") or mime_type.startswith("video/")):
        return None
    parts = urlparse(uri)
    if parts.scheme != "file" or parts.netloc not in ("", "localhost"):
        return None
    return unquote(parts.path)


def command(word, paths):
    return [PROGRAM, "--each", word] + list(paths)


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

            top = Nautilus.MenuItem(name="Tonewright::ConvertTo", label=SUBMENU_LABEL)
            submenu = Nautilus.Menu()
            top.set_submenu(submenu)
            for word, label in ENTRIES:
                entry = Nautilus.MenuItem(name="Tonewright::" + word, label=label)
                entry.connect("activate", self._activate, word, paths)
                submenu.append_item(entry)
            return [top]

        def _activate(self, _item, word, paths):
            start(word, paths)
