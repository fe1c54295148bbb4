#pragma once
#include <cstddef>
#include <string>

// A game tree of one fuzz process: <root>/resources/{level,level/Editor,prefab,sfx,bgm,save} and
// <root>/work, which becomes the current directory so that the game's "../resources/" paths
// land in it. Made on /dev/shm when there is one: saves flush to disk, and on memory that
// costs nothing.
// Absolute corpus paths are needed, since the directory changes.
class FuzzWorkspace {
public:
    // The one workspace of this process, made on the first call. A normal end (libFuzzer calls
    // exit() after -max_total_time or -runs) removes it through the destructor; an end that runs
    // no destructor (a crash, a timeout, a signal) leaves it to a watcher the constructor starts.
    static FuzzWorkspace& OfThisProcess();

    FuzzWorkspace();
    ~FuzzWorkspace();
    FuzzWorkspace(const FuzzWorkspace&) = delete;
    FuzzWorkspace& operator=(const FuzzWorkspace&) = delete;

    // Absolute path of a file below the root, e.g. "resources/init.ini".
    std::string Path(const std::string& relative) const;
    // Writes (replacing) the file with exactly these bytes.
    void Write(const std::string& relative, const std::string& bytes) const;
    // The file's bytes; empty when it cannot be read.
    std::string Read(const std::string& relative) const;
    // Removes the file when there is one.
    void Remove(const std::string& relative) const;
    // Write, with no ".broken" copy left beside it by an earlier input that was set aside.
    void WriteInput(const std::string& relative, const std::string& bytes) const;
    // Removes everything inside the folder (which stays), so that no input reads, or pays for,
    // what an earlier one left there.
    void EmptyFolder(const std::string& relative) const;

private:
    // A process outside this one's family that removes the folder once this process is gone.
    void StartWatcher(const std::string& startFolder);

    std::string root;
    int watcherPipe = -1;
};
