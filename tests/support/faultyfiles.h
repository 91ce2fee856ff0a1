#pragma once
// A file layer that fails the way real disks and folders do, for tests of every writer that goes
// through saveFileAtomically. Each fault sets errno as the system would, so the messages can be
// checked for their reason. Root ignores folder permissions, so a read-only folder is simulated
// here rather than made with chmod.

#include <cstddef>
#include <functional>
#include <memory>

#include "core/fileio.h"

namespace lottodesk::test {

class FaultyFiles {
public:
    // The write stops after `bytes` bytes with an I/O error.
    static FileLayer failAfterBytes(size_t bytes);
    // The write stops after `bytes` bytes because the disk is full (ENOSPC).
    static FileLayer fullDisk(size_t bytes = 0);
    // Every byte is written, the rename over the target fails (EXDEV).
    static FileLayer failOnRename();
    // The temporary file cannot be created (EACCES), as in a read-only folder.
    static FileLayer readOnlyFolder();
    // Runs `writer` (another program saving the same file) just before the save checks the file.
    static FileLayer concurrentWriter(std::function<void()> writer);
};

}  // namespace lottodesk::test
