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

namespace {

fs::path NativeOfGameName(std::string_view sjisName) {
    // Convert first: the second byte of a double-byte character such as ソ
    // can be the byte of "\".
    std::string utf8 = SjisToUtf8(sjisName);
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return fs::path(utf8);
}

} // namespace

TGamePath::TGamePath(std::string_view sjisName)
    : native(NativeOfGameName(sjisName)), shown(sjisName) {}

TGamePath::TGamePath(const fs::path& folder, std::string_view sjisName)
    : TGamePath(FromNative(folder / NativeOfGameName(sjisName))) {}

TGamePath TGamePath::FromNative(const fs::path& path) {
    TGamePath made;
    made.native = path;
    made.shown = Utf8ToSjisShown(path.string());
    return made;
}

bool GameFileExists(const TGamePath& file) {
    std::error_code ec;
    return fs::is_regular_file(file.Native(), ec);
}

bool GameFolderExists(const TGamePath& folder) {
    std::error_code ec;
    return fs::is_directory(folder.Native(), ec);
}

void CreateGameFolder(const TGamePath& folder) {
    std::error_code ec;
    fs::create_directories(folder.Native(), ec);
    if (ec) {
        throw TGameError(Sjis("フォルダを作成できません ") + folder.Shown());
    }
}

std::vector<std::uint8_t> ReadWholeGameFile(const TGamePath& file) {
    std::ifstream in(file.Native(), std::ios::binary);
    if (!in) {
        throw TGameError(Sjis("ファイルを開けません ") + file.Shown());
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw TGameError(Sjis("ファイルを読めません ") + file.Shown());
    }
    return bytes;
}

void WriteWholeGameFile(const TGamePath& file, const std::vector<std::uint8_t>& bytes) {
    const fs::path& target = file.Native();
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
            throw TGameError(Sjis("ファイルに書き込めません ") + file.Shown());
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw TGameError(Sjis("ファイルに書き込めません ") + file.Shown());
    }
}

TLocalDateTime GameFileLastWriteTime(const TGamePath& file) {
    std::error_code ec;
    const auto written = fs::last_write_time(file.Native(), ec);
    if (ec) {
        throw TGameError(Sjis("ファイルが見つかりません ") + file.Shown());
    }
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

TGamePath BesideExecutable(std::string_view sjisName) {
    return TGamePath(ExecutableFolder(), sjisName);
}
