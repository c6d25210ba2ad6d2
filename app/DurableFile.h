#pragma once

#include <filesystem>
#include <string>

// The two steps of a write that neither a crash nor a power cut can leave
// half done, as each system spells them. Paths are std::filesystem's, which
// hold a Windows name in UTF-16 and a POSIX one as its bytes.
namespace durableFile {

// Makes a new file at path, which must not exist yet, holding the bytes, and
// waits until they are on the disk rather than in the system's cache. False,
// with why in a few words, when any step fails; the caller removes whatever
// was made.
bool writeNew(const std::filesystem::path& path, const std::string& bytes, std::string& why);

// Gives the file `from` the name `to` in one step, in place of whatever file
// had it, and waits until the folder's new entry is on the disk. False, with
// why, when it cannot; the file at `to` is then as it was.
bool replace(const std::filesystem::path& from, const std::filesystem::path& to, std::string& why);

// This process's number, which no other process running now has.
unsigned long processId();

} // namespace durableFile
