#pragma once

#include <QString>

// A file's name as text to show, so that a name is always read as one name:
// nothing in it breaks a line, reorders the text around it or reaches a
// terminal's escape-sequence parser.
namespace nametext {

// The name with every control character as a visible escape ("\n", "\t",
// "\r", otherwise "\x1b"), and the characters that break lines or steer
// bidirectional text (U+2028, U+202E, ...) as "\u202e"; other characters,
// backslashes included, as they are.
QString escaped(const QString &name);

// For a window, a box or a list: escaped() and isolated for bidirectional
// text (U+2068 ... U+2069), so that a right-to-left name cannot reorder its
// neighbours.
QString forWindow(const QString &name);

// For standard error: escaped(), nothing else.
inline QString forTerminal(const QString &name)
{
    return escaped(name);
}

} // namespace nametext
