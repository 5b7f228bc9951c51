#!/usr/bin/python3
"""Prints, as JSON, the tags of a file as a reader other than TagLib sees
them: mutagen, and ffprobe for Matroska, which mutagen does not read. Each
field is looked up where taggers and players look for it; a value kept
under another name does not count.

    readback.py FILE FORMAT
"""
import json
import struct
import subprocess
import sys

import mutagen.asf
import mutagen.flac
import mutagen.id3
import mutagen.mp4
import mutagen.oggopus
import mutagen.oggvorbis

FIELDS = ["title", "artist", "album", "albumartist", "track", "disc", "date", "genre",
          "composer", "comment", "lyrics", "compilation", "isrc", "label",
          "mb_trackid", "mb_albumid", "rg_track_gain", "rg_track_peak",
          "rg_album_gain", "rg_album_peak", "r128_track_gain", "r128_album_gain", "pictures"]


def first(value):
    if isinstance(value, list):
        value = value[0] if value else None
    if isinstance(value, bytes):
        value = value.decode("utf-8", "replace")
    return None if value is None else str(value)


def fold(pairs):
    """Upper-cased keys, first value each."""
    out = {}
    for key, value in pairs:
        out.setdefault(key.upper(), first(value))
    return out


def numbered(number, total):
    if number is None:
        return None
    return number if total is None or "/" in number else number + "/" + total


def from_id3(tags):
    out = {}
    text = {"TIT2": "title", "TPE1": "artist", "TALB": "album", "TPE2": "albumartist",
            "TRCK": "track", "TPOS": "disc", "TDRC": "date", "TCON": "genre",
            "TCOM": "composer", "TCMP": "compilation", "TSRC": "isrc", "TPUB": "label"}
    for frame, field in text.items():
        if frame in tags:
            out[field] = str(tags[frame].text[0])
    for frame in tags.getall("COMM"):
        if frame.desc == "":
            out["comment"] = str(frame.text[0])
    for frame in tags.getall("USLT"):
        out["lyrics"] = frame.text
    for frame in tags.getall("UFID"):
        if frame.owner == "http://musicbrainz.org":
            out["mb_trackid"] = frame.data.decode()
    txxx = {f.desc.upper(): str(f.text[0]) for f in tags.getall("TXXX")}
    for name, field in [("MUSICBRAINZ ALBUM ID", "mb_albumid")] + loudness_names():
        if name in txxx:
            out[field] = txxx[name]
    return out


def loudness_names():
    return [("REPLAYGAIN_" + k.upper(), "rg_" + k) for k in
            ("track_gain", "track_peak", "album_gain", "album_peak")]


def from_riff_info(path):
    """The INFO list of a RIFF file: a player without ID3 support reads this."""
    names = {b"INAM": "title", b"IART": "artist", b"IPRD": "album", b"ITRK": "track",
             b"ICRD": "date", b"IGNR": "genre", b"ICMT": "comment"}
    out = {}
    with open(path, "rb") as f:
        data = f.read()
    at = 12
    while at + 8 <= len(data):
        chunk, size = struct.unpack("<4sI", data[at:at + 8])
        if chunk == b"LIST" and data[at + 8:at + 12] == b"INFO":
            sub = at + 12
            while sub + 8 <= at + 8 + size:
                name, length = struct.unpack("<4sI", data[sub:sub + 8])
                if name in names:
                    out[names[name]] = data[sub + 8:sub + 8 + length].rstrip(b"\0").decode(
                        "utf-8", "replace")
                sub += 8 + length + (length & 1)
        at += 8 + size + (size & 1)
    return out


def from_vorbis(comments):
    c = fold(comments)
    out = {}
    for key, field in [("TITLE", "title"), ("ARTIST", "artist"), ("ALBUM", "album"),
                       ("ALBUMARTIST", "albumartist"), ("DATE", "date"), ("GENRE", "genre"),
                       ("COMPOSER", "composer"), ("COMMENT", "comment"), ("LYRICS", "lyrics"),
                       ("COMPILATION", "compilation"), ("ISRC", "isrc"), ("LABEL", "label"),
                       ("MUSICBRAINZ_TRACKID", "mb_trackid"),
                       ("MUSICBRAINZ_ALBUMID", "mb_albumid"),
                       ("R128_TRACK_GAIN", "r128_track_gain"),
                       ("R128_ALBUM_GAIN", "r128_album_gain")] + loudness_names():
        if c.get(key) is not None:
            out[field] = c[key]
    out["track"] = numbered(c.get("TRACKNUMBER"), c.get("TRACKTOTAL") or c.get("TOTALTRACKS"))
    out["disc"] = numbered(c.get("DISCNUMBER"), c.get("DISCTOTAL") or c.get("TOTALDISCS"))
    return out


def from_mp4(tags):
    out = {}
    for atom, field in [("\xa9nam", "title"), ("\xa9ART", "artist"), ("\xa9alb", "album"),
                        ("aART", "albumartist"), ("\xa9day", "date"), ("\xa9gen", "genre"),
                        ("\xa9wrt", "composer"), ("\xa9cmt", "comment"),
                        ("\xa9lyr", "lyrics")]:
        if atom in tags:
            out[field] = first(tags[atom])
    for atom, field in [("trkn", "track"), ("disk", "disc")]:
        if atom in tags:
            number, total = tags[atom][0]
            out[field] = "%d/%d" % (number, total) if total else str(number)
    if "cpil" in tags:
        out["compilation"] = "1" if tags["cpil"] else "0"
    free = fold((k[len("----:com.apple.iTunes:"):], v) for k, v in tags.items()
                if k.startswith("----:com.apple.iTunes:"))
    for name, field in [("ISRC", "isrc"), ("LABEL", "label"),
                        ("MUSICBRAINZ TRACK ID", "mb_trackid"),
                        ("MUSICBRAINZ ALBUM ID", "mb_albumid")] + loudness_names():
        if name in free:
            out[field] = free[name]
    return out


def from_asf(tags):
    a = {k: first([str(v) for v in values]) for k, values in tags.items()}
    out = {}
    for name, field in [("Title", "title"), ("Author", "artist"), ("WM/AlbumTitle", "album"),
                        ("WM/AlbumArtist", "albumartist"), ("WM/Year", "date"),
                        ("WM/Genre", "genre"), ("WM/Composer", "composer"),
                        ("Description", "comment"), ("WM/Lyrics", "lyrics"),
                        ("WM/IsCompilation", "compilation"), ("WM/ISRC", "isrc"),
                        ("WM/Publisher", "label"), ("MusicBrainz/Track Id", "mb_trackid"),
                        ("MusicBrainz/Album Id", "mb_albumid"), ("WM/PartOfSet", "disc")]:
        if a.get(name) is not None:
            out[field] = a[name]
    out["track"] = numbered(a.get("WM/TrackNumber"), a.get("TotalTracks"))
    upper = fold(tags.items())
    for name, field in loudness_names():
        if upper.get(name) is not None:
            out[field] = str(tags[[k for k in tags.keys() if k.upper() == name][0]][0])
    return out


def from_ffprobe(path):
    probe = subprocess.run(["ffprobe", "-v", "error", "-of", "json", "-show_entries",
                            "format_tags:stream_tags", path], capture_output=True, check=True)
    data = json.loads(probe.stdout)
    pairs = list(data.get("format", {}).get("tags", {}).items())
    for stream in data.get("streams", []):
        pairs += list(stream.get("tags", {}).items())
    c = fold(pairs)
    # The encoder's names for the fields it knows.
    for ours, theirs in [("ALBUMARTIST", "ALBUM_ARTIST"), ("TRACKNUMBER", "TRACK"),
                         ("DISCNUMBER", "DISC")]:
        c.setdefault(ours, c.get(theirs))
    return from_vorbis(c.items())


def pictures(path, fmt):
    if fmt == "mp3":
        return len(mutagen.id3.ID3(path).getall("APIC"))
    if fmt == "m4a":
        return len((mutagen.mp4.MP4(path).tags or {}).get("covr", []))
    if fmt == "flac":
        return len(mutagen.flac.FLAC(path).pictures)
    return 0


def read(path, fmt):
    if fmt in ("mp3", "aac"):
        return from_id3(mutagen.id3.ID3(path))
    if fmt == "wav":
        out = from_riff_info(path)
        wave = mutagen.File(path)
        if wave is not None and wave.tags is not None:
            out.update(from_id3(wave.tags))
        return out
    if fmt == "m4a":
        return from_mp4(mutagen.mp4.MP4(path).tags or {})
    if fmt == "wma":
        return from_asf(mutagen.asf.ASF(path).tags)
    if fmt == "flac":
        return from_vorbis(mutagen.flac.FLAC(path).tags or [])
    if fmt == "ogg":
        return from_vorbis(mutagen.oggvorbis.OggVorbis(path).tags or [])
    if fmt == "opus":
        return from_vorbis(mutagen.oggopus.OggOpus(path).tags or [])
    return from_ffprobe(path)


def main():
    path, fmt = sys.argv[1], sys.argv[2]
    try:
        fields = read(path, fmt)
        fields["pictures"] = pictures(path, fmt)
    except mutagen.MutagenError:
        fields = {}
    print(json.dumps({k: v for k, v in fields.items() if k in FIELDS and v is not None}))


if __name__ == "__main__":
    main()
