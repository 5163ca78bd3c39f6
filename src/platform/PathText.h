#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

namespace tessra {

// A file name is the bytes the system gave, which need not be UTF-8 (a name copied from
// Windows may be CP932). Inside the toolkit such a name travels as a QString that keeps every
// byte: valid UTF-8 as its characters, each other byte as the lone surrogate U+DC00 + byte, so
// PathBytes(PathFromBytes(b)) == b for all bytes b.

QString PathFromBytes(std::string_view bytes);
std::string PathBytes(const QString& path);

// The name for the eye: an invalid byte shows as U+FFFD.
QString ShownPath(std::string_view bytes);

// The command line's words, each kept as its bytes.
QStringList ArgumentsOf(int argc, const char* const* argv);

// A name the file dialog returned, which showed each invalid byte as U+FFFD: the name of the file
// (or folder) on disk that shows so, component by component, where exactly one does; otherwise
// the name as given.
QString PathOnDisk(const QString& shown);

}  // namespace tessra
