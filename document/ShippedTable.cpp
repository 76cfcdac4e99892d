#include "document/ShippedTable.h"

#include <filesystem>

#include "font/FileKind.h"

std::string ShippedTableFile()
{
    const std::string name = "glyphforgetool" + TableFileKind().Extensions.front();
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return name;
    const std::filesystem::path folder = executable.parent_path();
    for (const std::filesystem::path& candidate : {folder / name, folder / ".." / "share" / "glyphforgetool" / name})
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.string();
    return (folder / name).string();
}
