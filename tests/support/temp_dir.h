// A fresh directory under the system's temporary directory, removed with
// everything in it when the record goes.
#pragma once

#include <string>

struct TempDir {
    explicit TempDir(const std::string& prefix);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Path of a file in the directory.
    std::string File(const std::string& name) const { return path + "/" + name; }

    std::string path;   // empty if it could not be made
};
