#pragma once
#include <map>
#include <optional>
#include <string>

// Reading and rewriting the editor's own files. Each file's bytes are remembered as the editor
// last read or wrote them: a file found changed on disk since then (another program, a hand
// edit) is copied aside (Platform::KeepBrokenCopy) before it is written over, as a file found
// broken when read is, so nothing it held is lost, nor any copy kept of it before.
class EditorFileStore {
public:
    // What a write came to: written or not (failure says why), and what was kept aside first.
    struct Outcome {
        bool written = false;
        std::string failure;
        std::string keptAs;
        // Why the copy was kept, in the words the console gave ("changed on disk since...").
        std::string keptFor;
        // What stood there had changed since the editor last read or wrote it.
        bool changedOnDisk = false;
    };

    // The whole file; false when it cannot be read (why then says why). Its bytes, or that
    // nothing stands there, are remembered as what the editor last read there.
    bool Read(const std::string& path, std::string& text, std::string* why = nullptr);
    // The same for a file another reader reads (a level).
    void Remember(const std::string& path);
    // Something stands at path that differs from what the editor last read or wrote there (a
    // path it never read or wrote counts as unchanged).
    bool ChangedOnDisk(const std::string& path) const;

    // Writes through the shared atomic writer; on failure the old file stays and the reason is
    // printed and given. The present file is copied aside first when keepReason is given (the
    // words the console says it with, e.g. "was read only in part") or it changed since the
    // editor last read or wrote it; no write when that copy fails, nor when the present file
    // cannot be read to be copied.
    Outcome Rewrite(const std::string& path, const std::string& text, const std::string& keepReason = "");

private:
    // Path -> the bytes last read or written there; nullopt: nothing stood there.
    std::map<std::string, std::optional<std::string>> known;
};
