#include "platform/FailureReport.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

namespace {

std::string ReadableSjis(const std::string& sjis) {
    try {
        return SjisToUtf8(sjis);
    } catch (const TGameError&) {
        return sjis;
    }
}

// A failure's message and whether it is the game's own Shift-JIS text.
struct TFailureText {
    std::string text;
    bool sjis = false;
};

TFailureText TextOf(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const TGameError& error) {
        return {error.what(), true};
    } catch (const TBareText& bare) {
        return {bare.text, true};
    } catch (const std::exception& error) {
        return {error.what(), false};
    } catch (...) {
        return {"unknown exception", false};
    }
}

} // namespace

std::string FailureTextUtf8(std::exception_ptr failure) {
    const TFailureText failed = TextOf(failure);
    return failed.sjis ? ReadableSjis(failed.text) : failed.text;
}

std::string FailureTextSjis(std::exception_ptr failure) {
    const TFailureText failed = TextOf(failure);
    return failed.sjis ? failed.text : Utf8ToSjisShown(failed.text);
}

void ReportThreadFailure(std::exception_ptr failure, std::ostream& out) {
    out << "tessarine: game loop stopped: " << FailureTextUtf8(failure) << std::endl;
}
