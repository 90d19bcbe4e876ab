// The folder a command writes a run's files into (process, session,
// gallery), holding one run's files at a time. Every file a run writes is
// listed in zuhost-outputs.txt there as it is made; the next run into the
// folder first removes the files that list names, and nothing else, so that
// no frame or file of an earlier run passes for one of this run while files
// of any other origin stay.
//
// Contract: the constructor creates the folder, removes the files of the
// previous run and starts the list, or throws OutputError. Listed names that
// are absolute, or lead out of the folder by "..", or by a link, are ignored. A subfolder left
// empty by the removal goes too.
#pragma once

#include <filesystem>
#include <fstream>

namespace zuhost {

class OutputFolder {
public:
    static constexpr const char* listName = "zuhost-outputs.txt";

    explicit OutputFolder(std::filesystem::path directory);

    // The path of a file the run is about to write, fixtureName relative to the
    // folder; its subfolders are made and it is listed.
    std::filesystem::path file(const std::filesystem::path& name);
    const std::filesystem::path& directory() const { return directory_; }

private:
    void removePreviousRun() const;

    std::filesystem::path directory_;
    std::ofstream list_;
};

}  // namespace zuhost
