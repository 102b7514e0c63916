#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include <sys/types.h>

namespace platform {

// Whole-file reads and writes: atomic for the application's own files, and where a person asked for a file (a
// picture), into what the path names.
class AtomicFile {
public:
    // Writes bytes to a temporary file in the file's folder, gives it the mode, flushes it to disk, renames it
    // over the file and flushes the folder, so readers see either the old or the new contents, also after a
    // power cut. The temporary has a unique name and is created exclusively (never an existing file or a symbolic
    // link planted there); the rename replaces a symbolic link at the file's name rather than writing through it;
    // a failed write removes its temporary. Files are private (0600) unless a mode is given. Answers false (and logs)
    // on any failure, with error saying why; the folder must exist. The first write into a folder of the application's
    // home in a process removes the temporaries an interrupted write left there (WriteTemporaries).
    static bool write(const std::filesystem::path& file, std::string_view bytes, mode_t mode, std::error_code& error);
    static bool write(const std::filesystem::path& file, std::string_view bytes, mode_t mode = 0600);
    // As write(), but nothing is flushed to disk: readers still see the old or the new contents, yet a power cut may
    // leave the file empty or missing. For caches whose files are checked when read and fetched again when bad.
    static bool writeReplaceable(const std::filesystem::path& file, std::string_view bytes, mode_t mode = 0600);
    // Writes a file a person asked for (a picture named on the command line or in a script) as careful command-line
    // tools do, honouring what the path names:
    // - nothing there, or a regular file: written as writeReplaceable() writes (atomically, privately; not flushed to
    //   disk, since what was asked for is made again when lost);
    // - a symbolic link: followed, and its target written as above (the link stays a link); a link that leads
    //   nowhere is refused, since writing it would make a file wherever the link points. In the application's home
    //   (AppDirectories::holds) a link is replaced as for the application's own files, never followed;
    // - a pipe or a device: written into, with no temporary, no rename and its mode left alone. It is opened without
    //   waiting, so a pipe that nothing reads is refused at once; once open, writes wait for a slow reader. A reader
    //   that goes away fails the write (EPIPE) where the process ignores SIGPIPE, as the runner does;
    // - a folder, a socket or anything else: refused.
    // Answers true only when the bytes went where the path leads; else false with problem saying why in a sentence
    // that leaves out the path ("it is a folder"). Logs only what writeReplaceable() logs.
    static bool writeWhereAsked(const std::filesystem::path& file, std::string_view bytes, std::string& problem);

    // The file's bytes, or nullopt (and a log line) when it cannot be read or is larger than maxSize.
    // A missing file answers nullopt without a log line.
    static std::optional<std::string> read(const std::filesystem::path& file, std::size_t maxSize);

    // Moves an unreadable file out of the way as "<name>.corrupt-<seconds>" (with a counter when that exists
    // too), so that a fresh file can take its place and the old bytes stay for inspection. what names the file
    // in the log line, problem says what is wrong with it.
    static void moveAside(const std::filesystem::path& file, std::string_view what, std::string_view problem);
    // Writes bytes that cannot be used (a damaged part of a file that stays) to "<file>.corrupt-<seconds>", named
    // as moveAside names, so that they stay for inspection. file itself is never written. Answers false (and logs)
    // when they cannot be written.
    static bool keepAside(const std::filesystem::path& file, std::string_view bytes, std::string_view what,
                          std::string_view problem);

private:
    static bool replace(const std::filesystem::path& file, std::string_view bytes, mode_t mode, bool durable,
                        std::error_code& error);
};

}  // namespace platform
