#include "platform/IniFile.h"

#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string FileText(const char* name) {
    const auto bytes = ReadWholeGameFile(name);
    return std::string(bytes.begin(), bytes.end());
}

TEST(IniFile, MissingFileSectionOrKeyGivesTheDefault) {
    TTempFolder folder;
    TIniFile ini("Tessarine.ini");
    EXPECT_EQ(ini.ReadInteger(Sjis("スレッド"), Sjis("割り込みレベル"), 1), 1);
    WriteWholeGameFile("Other.ini", {'[', 'A', ']', '\n', 'k', '=', '5', '\n'});
    TIniFile other("Other.ini");
    EXPECT_EQ(other.ReadInteger("A", "k", 0), 5);
    EXPECT_EQ(other.ReadInteger("A", "missing", -1), -1);
    EXPECT_EQ(other.ReadInteger("B", "k", 7), 7);
}

TEST(IniFile, RoundTripsShiftJisNamesReadably) {
    TTempFolder folder;
    {
        TIniFile ini("Tessarine.ini");
        ini.WriteInteger(Sjis("スレッド"), Sjis("割り込みレベル"), 2);
        ini.WriteInteger(Sjis("セーブフォーム"), Sjis("ページ"), 3);
        ini.WriteInteger(Sjis("セーブフォーム"), Sjis("インデクス"), -1);
        ini.Save();
    }
    EXPECT_EQ(
        FileText("Tessarine.ini"),
        Sjis(
            "[スレッド]\r\n割り込みレベル=2\r\n[セーブフォーム]\r\nページ=3\r\nインデクス=-1\r\n"));
    TIniFile again("Tessarine.ini");
    EXPECT_EQ(again.ReadInteger(Sjis("スレッド"), Sjis("割り込みレベル"), 1), 2);
    EXPECT_EQ(again.ReadInteger(Sjis("セーブフォーム"), Sjis("ページ"), 1), 3);
    EXPECT_EQ(again.ReadInteger(Sjis("セーブフォーム"), Sjis("インデクス"), 0), -1);
}

TEST(IniFile, KeepsCommentsAndUpdatesInPlace) {
    TTempFolder folder;
    const std::string original = "; mine\n[S]\nk = 1\n\n[T]\nx=abc\n";
    WriteWholeGameFile("a.ini", std::vector<std::uint8_t>(original.begin(), original.end()));
    TIniFile ini("a.ini");
    EXPECT_EQ(ini.ReadInteger("T", "x", 9), 9) << "a value that is not a number";
    ini.WriteInteger("S", "k", 4);
    ini.WriteInteger("S", "n", 5);
    ini.Save();
    EXPECT_EQ(FileText("a.ini"), "; mine\r\n[S]\r\nk=4\r\nn=5\r\n\r\n[T]\r\nx=abc\r\n");
}

} // namespace
