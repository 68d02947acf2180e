#include "core/SimOptions.h"

#include "core/SimErrors.h"
#include "world/Mycpp.h"

const char* SimUsage() {
    return "usage: tessarine-sim --game DIR --script FILE [--seed N] [--trace FILE] [--draw] "
           "[--timing]";
}

TSimOptions ParseSimOptions(const std::vector<std::string>& args) {
    TSimOptions options;
    const auto refuse = [](const std::string& why) -> TSimScriptError {
        return TSimScriptError(why + "\n" + SimUsage());
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--draw" || option == "--timing") {
            (option == "--draw" ? options.draw : options.timing) = true;
            continue;
        }
        if (option != "--game" && option != "--script" && option != "--seed" &&
            option != "--trace") {
            throw refuse("unknown option " + option);
        }
        if (i + 1 == args.size() || args[i + 1].empty()) {
            throw refuse(option + " needs a value");
        }
        const std::string& value = args[++i];
        if (option == "--game") {
            options.game = value;
        } else if (option == "--script") {
            options.script = value;
        } else if (option == "--trace") {
            options.trace = value;
        } else {
            const auto seed = WholeNumber<std::uint32_t>(value);
            if (!seed) {
                throw refuse("--seed needs a whole number from 0 to 4294967295");
            }
            options.seed = *seed;
        }
    }
    if (options.game.empty() || options.script.empty()) {
        throw refuse("--game and --script are needed");
    }
    return options;
}
