#pragma once

// Room the encoder is asked to leave in a Matroska target's global tag, for
// values known only after it has ended (the measured loudness). The tags
// sit ahead of the audio, so the file cannot grow there; the room's bytes
// are given to those values later (see matroskatags.h).
namespace tags {

// A simple tag of this name whose text is RoomLength characters long.
inline constexpr char MatroskaRoomName[] = "TONEWRIGHT_ROOM";
// Four loudness values ("REPLAYGAIN_ALBUM_GAIN" = "-12.34 dB" and the like,
// under 40 bytes each) fit in the room this text leaves.
inline constexpr int MatroskaRoomLength = 200;

} // namespace tags
