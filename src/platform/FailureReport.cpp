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

} // namespace

std::string FailureTextUtf8(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const TGameError& error) {
        return ReadableSjis(error.what());
    } catch (const TBareText& bare) {
        return ReadableSjis(bare.text);
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "unknown exception";
    }
}

void ReportThreadFailure(std::exception_ptr failure, std::ostream& out) {
    out << "tessarine: game loop stopped: " << FailureTextUtf8(failure) << std::endl;
}
