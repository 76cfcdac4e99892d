#include "font/CoreText.h"

#include <mutex>
#include <set>

namespace {

struct TCoreTexts {
    std::mutex Lock;
    std::set<std::pair<std::string, std::string>> Texts;
};

// Reached from static tables and worker threads alike, so it is made on first use.
TCoreTexts& CoreTexts()
{
    static TCoreTexts texts;
    return texts;
}

} // namespace

const char* RememberCoreText(const char* context, const char* pattern)
{
    TCoreTexts& texts = CoreTexts();
    const std::lock_guard<std::mutex> hold(texts.Lock);
    texts.Texts.emplace(context, pattern);
    return pattern;
}

std::vector<std::pair<std::string, std::string>> RememberedCoreTexts()
{
    TCoreTexts& texts = CoreTexts();
    const std::lock_guard<std::mutex> hold(texts.Lock);
    return {texts.Texts.begin(), texts.Texts.end()};
}

size_t RememberedCoreTextCount()
{
    TCoreTexts& texts = CoreTexts();
    const std::lock_guard<std::mutex> hold(texts.Lock);
    return texts.Texts.size();
}
