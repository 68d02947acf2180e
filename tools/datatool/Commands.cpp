#include "Commands.h"

#include "Checker.h"
#include "Content.h"
#include "DataKinds.h"
#include "Report.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/DataFile.h"

#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

constexpr char Usage[] = "usage: tessarine-datatool build SRC_DIR OUT_DIR\n"
                         "       tessarine-datatool dump FILE [--into SRC_DIR]\n"
                         "       tessarine-datatool check SRC_DIR [--game GAME_DIR]\n"
                         "       tessarine-datatool report SRC_DIR\n";

// A problem in the sources, with the path the user gave.
std::string Located(const fs::path& sourceDir, const TSourceLocation& where) {
    auto shown = where;
    shown.file = (sourceDir / where.file).string();
    return shown.ToString();
}

std::string GameErrorText(const TGameError& error) {
    try {
        return SjisToUtf8(error.what());
    } catch (const TGameError&) {
        return error.what();
    }
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int Build(const fs::path& sourceDir, const fs::path& outDir, std::ostream& out) {
    const auto content = ReadContent(sourceDir);
    fs::create_directories(outDir);
    size_t written = 0;
    for (const auto& kind : DataKinds()) {
        TDataWriter writer;
        if (kind.build(content, writer)) {
            const auto& bytes = writer.Bytes();
            WriteFile(outDir / kind.fileName,
                      {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
            ++written;
        }
    }
    out << "wrote " << written << " data files to " << outDir.string() << "\n";
    return 0;
}

int Dump(const fs::path& file, const std::optional<fs::path>& intoDir, std::ostream& out) {
    const auto name = file.filename().string();
    const auto* kind = FindDataKind(name);
    if (kind == nullptr) {
        throw std::runtime_error("'" + name + "' is not the name of a data file");
    }
    TDataReader reader(Utf8ToSjis("Data/" + name), ReadBytes(file));
    const auto texts = kind->dump(reader);
    for (const auto& text : texts) {
        if (intoDir) {
            WriteFile(*intoDir / text.relName, text.Written() + "\n");
            for (const auto& note : text.notes) {
                out << text.relName << ": note: " << note << "\n";
            }
        } else {
            if (texts.size() > 1) {
                out << "--- # " << text.relName << "\n";
            }
            out << text.Written() << "\n";
        }
    }
    return 0;
}

int Check(const fs::path& sourceDir, const fs::path& gameDir, std::ostream& out) {
    const auto problems = CheckContent(ReadContent(sourceDir), gameDir);
    bool failed = false;
    for (const auto& problem : problems) {
        out << Located(sourceDir, problem.where) << ": " << (problem.warning ? "warning: " : "")
            << problem.message << "\n";
        failed = failed || !problem.warning;
    }
    return failed ? 1 : 0;
}

// Models and textures live beside the sources by default: the folder above
// SRC_DIR stands for the game folder, with SRC_DIR/../Obje.
fs::path DefaultGameDir(const fs::path& sourceDir) {
    auto folder = fs::absolute(sourceDir).lexically_normal();
    if (!folder.has_filename()) {
        folder = folder.parent_path();
    }
    return folder.parent_path();
}

// The value after `option`, if the option is there; the rest stays in args.
std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& option) {
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == option) {
            auto value = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            return value;
        }
    }
    return std::nullopt;
}

} // namespace

int RunDatatool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    auto args = arguments;
    const auto into = TakeOption(args, "--into");
    const auto game = TakeOption(args, "--game");
    const auto command = args.empty() ? std::string() : args[0];
    fs::path sourceDir;
    try {
        if (command == "build" && args.size() == 3) {
            sourceDir = args[1];
            return Build(sourceDir, args[2], out);
        }
        if (command == "dump" && args.size() == 2) {
            return Dump(args[1], into, out);
        }
        if (command == "report" && args.size() == 2) {
            sourceDir = args[1];
            WriteContentReport(ReadContent(sourceDir), out);
            return 0;
        }
        if (command == "check" && args.size() == 2) {
            sourceDir = args[1];
            return Check(sourceDir, game ? fs::path(*game) : DefaultGameDir(sourceDir), out);
        }
    } catch (const TSourceError& error) {
        err << Located(sourceDir, error.Where()) << ": " << error.Message() << "\n";
        return 1;
    } catch (const TGameError& error) {
        err << "error: " << GameErrorText(error) << "\n";
        return 1;
    } catch (const std::exception& error) {
        err << "error: " << error.what() << "\n";
        return 1;
    }
    err << Usage;
    return 2;
}
