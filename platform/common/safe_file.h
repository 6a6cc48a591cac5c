// Reading and writing the game's files without surprises.
//
// Reads take regular files only, and no more than a known number of bytes: a
// FIFO, a directory or a device is refused at once instead of being waited on
// or read forever. Writes go to a temporary file in the same directory,
// created without following a link, synced, then renamed over the file, so
// the file always holds either its old or its new content.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Opens path for reading when it is a regular file of at most maxBytes.
// Returns the descriptor, or -1 with errno set and *why saying what is wrong.
int SafeFileOpenRead(const std::string& path, uint64_t maxBytes, std::string* why);
// The same as a stdio stream opened "rb", or nullptr.
std::FILE* SafeFileOpenStream(const std::string& path, uint64_t maxBytes, std::string* why);
// Reads the whole of such a file into *content. False with errno and *why set.
bool SafeFileRead(const std::string& path, uint64_t maxBytes, std::string* content, std::string* why);
// The temporary file a write of path goes through.
std::string SafeFileTemporaryPath(const std::string& path);
// Replaces path with content: a new file in the same directory (a temporary of
// that name left by a write that was cut short is removed first), written,
// synced and renamed over the old one. A file that exists keeps its
// permissions; a new one gets mode (less the umask). False with errno and
// *why (the system's words for the error) set; the old file is untouched then.
bool SafeFileWrite(const std::string& path, const std::string& content, unsigned mode, std::string* why);

// Called with the path after every file SafeFileWrite has written, from then
// on; nullptr calls nothing. The browser keeps its files in IndexedDB then.
void SafeFileSetWriteHook(void (*written)(const std::string& path));
