// Fuzz target: the readers of typed and stored text (settings files, strict and free-form dates and times) take
// any bytes and answer a value or their own error.
#include "cells/DateTextParse.h"
#include "formula/Engine.h"
#include "platform/DateParse.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Locale.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

std::string g_iniPath;

void ReadSettings(std::string_view bytes)
{
    if (FILE* file = std::fopen(g_iniPath.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    try {
        const qv::IniFile ini(g_iniPath);
        ini.ReadString("Options", "WebBase", "");
        ini.ReadInteger("Options", "Max", 4);
        const std::string_view section = bytes.substr(0, std::min<std::size_t>(bytes.size(), 8));
        ini.ReadInteger(std::string(section), std::string(bytes.substr(section.size(), 8)), 0);
    } catch (const qv::EPlatformError&) {
        // An unreadable file is its own error.
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qv::InitEngine();
    g_iniPath = "/tmp/qv-fuzz-" + std::to_string(getpid()) + ".ini";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const qv::Locale* locale : {&qv::Locale::ChinaDefault(), &qv::Locale::UnitedStates()}) {
        qv::TryStrToDate(text, *locale);
        qv::TryStrToTime(text, *locale);
        qv::TryStrToDateTime(text, *locale);
    }
    qv::ParseDate(text);
    qv::ParseTime(text);
    ReadSettings(text);
    return 0;
}
