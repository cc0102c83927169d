#pragma once

#include <string>

#include "app/native_file.h"

namespace ordavex {

// The steps on which a replaced file's survival of a power cut rests, as the system takes them: the
// new content to the disk, the rename over the old file, the folder's entries to the disk. A save
// takes them through this class, so that a test can watch their order and make one fail.
class SaveSteps {
public:
    virtual ~SaveSteps() = default;

    // Waits until the content of `file`, found at `path`, is on the disk.
    virtual void SyncFile(NativeFile& file, const std::string& path);
    // Gives the file at `from` the name `to` in one step, replacing what `to` named.
    virtual void Rename(const std::string& from, const std::string& to);
    // Waits until the entries of `folder` are on the disk.
    virtual void SyncFolder(const std::string& folder);
};

}  // namespace ordavex
