#include "platform/GameFiles.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

std::filesystem::path GamePath(std::string_view sjisName) {
    // Convert first: the second byte of a double-byte character such as ソ
    // can be the byte of "\".
    std::string utf8 = SjisToUtf8(sjisName);
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return fs::path(utf8);
}

bool GameFileExists(std::string_view sjisName) {
    std::error_code ec;
    return fs::is_regular_file(GamePath(sjisName), ec);
}

bool GameFolderExists(std::string_view sjisName) {
    std::error_code ec;
    return fs::is_directory(GamePath(sjisName), ec);
}

void CreateGameFolder(std::string_view sjisName) {
    std::error_code ec;
    fs::create_directories(GamePath(sjisName), ec);
    if (ec) {
        throw TGameError(Sjis("フォルダを作成できません ") + std::string(sjisName));
    }
}

std::vector<std::uint8_t> ReadWholeGameFile(std::string_view sjisName) {
    std::ifstream in(GamePath(sjisName), std::ios::binary);
    if (!in) {
        throw TGameError(Sjis("ファイルを開けません ") + std::string(sjisName));
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw TGameError(Sjis("ファイルを読めません ") + std::string(sjisName));
    }
    return bytes;
}

void WriteWholeGameFile(std::string_view sjisName, const std::vector<std::uint8_t>& bytes) {
    const fs::path target = GamePath(sjisName);
    fs::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw TGameError(Sjis("ファイルに書き込めません ") + std::string(sjisName));
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw TGameError(Sjis("ファイルに書き込めません ") + std::string(sjisName));
    }
}

TLocalDateTime GameFileLastWriteTime(std::string_view sjisName) {
    std::error_code ec;
    const auto written = fs::last_write_time(GamePath(sjisName), ec);
    if (ec) {
        throw TGameError(Sjis("ファイルが見つかりません ") + std::string(sjisName));
    }
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return CurrentFolder();
    }
    return Utf8ToSjis(exe.parent_path().string());
}

std::string CurrentFolder() {
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    return Utf8ToSjis(here.string());
}
