#include "modelgen/HelpPage.h"

#include "modelgen/HelpPictures.h"
#include "support/TempFolder.h"
#include "support/TestContent.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace fs = std::filesystem;

// The game's how-to-play page in the source tree.
fs::path HelpSource() {
    return GameContentSources() / "help" / "Tessarine.html";
}

std::vector<std::string> PicturePaths() {
    std::vector<std::string> paths;
    for (const auto& picture : HelpPictures()) {
        paths.push_back(picture.path);
    }
    return paths;
}

TEST(HelpPage, FindsLinksAndPicturesThatLeadNowhere) {
    const std::string head = "<html><head><title>t</title></head><body>";
    struct TCase {
        const char* name;
        std::string body;
        std::vector<std::string> problems;
    };
    const TCase cases[] = {
        {"sound", R"(<h2 id="keys">k</h2><a href="#keys">k</a><img src="Help/keypad.bmp">)", {}},
        {"an old-style anchor", R"(<a name="keys"></a><a href="#keys">k</a>)", {}},
        {"a missing place",
         R"(<h2 id="keys">k</h2><a href="#mouse">m</a>)",
         {"a link to a place the page does not have: #mouse"}},
        {"a link out", R"(<a href="other.html">o</a>)", {"a link out of the page: other.html"}},
        {"a picture not drawn",
         R"(<img width="3" src="Help/nothing.bmp">)",
         {"a picture that is not drawn: Help/nothing.bmp"}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(HelpPageProblems(head + c.body + "</body></html>", PicturePaths()), c.problems)
            << c.name;
    }
    EXPECT_EQ(HelpPageProblems("<html><body></body></html>", PicturePaths()),
              std::vector<std::string>{"the page has no title"});
}

TEST(HelpPage, OursHasEveryPlaceAndPictureItNames) {
    std::ifstream in(HelpSource(), std::ios::binary);
    ASSERT_TRUE(in) << HelpSource();
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(HelpPageProblems(html, PicturePaths()), std::vector<std::string>{});
    for (const std::string& path : PicturePaths()) {
        EXPECT_NE(html.find('"' + path + '"'), std::string::npos)
            << path << " is drawn for nothing";
    }
}

TEST(HelpPage, IsLaidOutWithItsPicturesOrNotAtAll) {
    const TTempFolder folder;
    WriteHelp(HelpSource().string(), "game");
    EXPECT_EQ(fs::file_size("game/Tessarine.hlp"), fs::file_size(HelpSource()));
    for (const std::string& path : PicturePaths()) {
        EXPECT_TRUE(fs::is_regular_file("game/" + path)) << path;
    }

    std::ofstream("broken.html") << "<html><title>t</title><a href=\"#nowhere\">x</a></html>";
    try {
        WriteHelp("broken.html", "other");
        ADD_FAILURE() << "a broken page was laid out";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("#nowhere"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists("other"));
}

} // namespace
