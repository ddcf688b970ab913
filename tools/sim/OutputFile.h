#pragma once
#include <sys/types.h>

#include <cstdio>
#include <string>

namespace tidewell::sim {

// One file a run writes (--out, --state). Nothing that exists is touched
// until the whole run has succeeded: a regular file is written beside its
// target under a temporary name and renamed over it by Commit; if the run
// fails instead, or a signal such as Ctrl-C ends it, the temporary file goes
// and the target stays as it was. A
// character device such as /dev/null is written in place, and never
// replaced or removed.
class OutputFile {
public:
    OutputFile(const char* option, std::string path) : m_option(option), m_path(std::move(path)) {}
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Refuses what the name cannot sensibly receive, before anything runs:
    // a folder, a FIFO (writing would wait for a reader for ever), a socket,
    // a block device. error: one line, for exit status 2.
    bool CheckKind(std::string& error) const;

    // Makes the temporary file, or opens the device. error: one line, for
    // exit status 1.
    bool Open(std::string& error);
    std::FILE* Stream() const { return m_stream; }

    // Ends the writing: the data has reached the file or the device. error
    // as for Open.
    bool Finish(std::string& error);

    // Puts a finished file in place. error as for Open.
    bool Commit(std::string& error);

private:
    bool Failed(const std::string& why, std::string& error) const;
    bool OpenDevice(std::string& error);

    const char* m_option;
    std::string m_path;
    std::string m_target;     // m_path with symbolic links followed
    std::string m_temporary;  // empty: written in place, or not yet opened
    std::FILE* m_stream = nullptr;
    int m_slot = -1;  // where a signal handler finds m_temporary
};

// Whether two names, as given, lead to the same file: existing files are
// compared by device and inode, missing ones by their resolved paths. A
// character device is never "the same file": it is written in place, so two
// writes to it lose nothing.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace tidewell::sim
