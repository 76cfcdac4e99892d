#include "cli/PictureModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <string>

#include "font/Errors.h"
#include "font/Format.h"

namespace {

const char* const ModuleName = "glyphforge-pictures.so";

std::filesystem::path ModulePath()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path beside = folder / ModuleName;
    if (std::filesystem::is_regular_file(beside, error))
        return beside;
    return folder / GLYPHFORGE_PICTURE_MODULE_DIR / ModuleName;
}

const TPictureModule& Load()
{
    const std::string path = ModulePath().lexically_normal().string();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        // The loader's reason usually starts with the path, which the message holds already.
        std::string reason = dlerror();
        if (reason.starts_with(path + ": "))
            reason.erase(0, path.size() + 2);
        throw EFOpenError(StrFormat("Cannot open file \"%s\". %s", path.c_str(), reason.c_str()));
    }
    const auto entry = reinterpret_cast<decltype(&GlyphForgePictureModule)>(dlsym(handle, "GlyphForgePictureModule"));
    if (!entry)
        throw EFOpenError(StrFormat("Cannot open file \"%s\". %s", path.c_str(), "It is not the picture module."));
    return *entry();
}

} // namespace

const TPictureModule& PictureModule()
{
    // Kept loaded for the process.
    static const TPictureModule& module = Load();
    return module;
}
