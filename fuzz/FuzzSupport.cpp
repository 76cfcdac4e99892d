#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

namespace {

std::map<std::string, std::string>& ScratchFiles()
{
    static std::map<std::string, std::string> files;
    return files;
}

void RemoveScratchFiles()
{
    for (const auto& [extension, name] : ScratchFiles())
        std::remove(name.c_str());
}

} // namespace

void Finding(const std::string& what)
{
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::abort();
}

const std::string& ScratchFile(const std::string& extension)
{
    auto& files = ScratchFiles();
    auto found = files.find(extension);
    if (found != files.end())
        return found->second;
    if (files.empty())
        std::atexit(RemoveScratchFiles);
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("glyphforge-fuzz-" + std::to_string(getpid()) + extension);
    return files.emplace(extension, path.string()).first->second;
}

void WriteScratch(const std::string& fileName, std::span<const uint8_t> data)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!out)
        Finding("cannot write the scratch file " + fileName);
}
