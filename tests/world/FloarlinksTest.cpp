#include "world/Floarlinks.h"

#include "platform/SjisText.h"
#include "support/FormatTesting.h"

#include <gtest/gtest.h>

namespace {

TBlockObje Object(std::uint8_t kind, std::uint8_t subKind, std::uint8_t link) {
    return {0, 0, kind, subKind, 0, 0, link, 0};
}

TBlockFloar FloarSwitch(std::uint16_t link) {
    return {0, 0, BF_FloarSwitch, 1, link, 3, 0, 0};
}

constexpr TFloarLinkEnd ObjectEnd(size_t record) {
    return {TDataList::Objects, record};
}

constexpr TFloarLinkEnd SwitchEnd(size_t record) {
    return {TDataList::FloarActers, record};
}

// Two doors worked by switches: the first by two wall switches, the second
// door and a floor switch; the second door also by a wall switch and a floor
// switch. Records that make nothing keep their places and their link bytes
// mean nothing.
TFloarData LinkedFloar() {
    TFloarData floar;
    floar.objects = {Object(BO_Door, DoorBySwitchSubKind, 0),
                     Object(BO_WallSwitch, 0, 1),
                     Object(BO_Door, DoorBySwitchSubKind, 1),
                     Object(BO_WallSwitch, 1, 3),
                     Object(BO_Fairy, 0, 1),
                     Object(BO_Door, 1, 1),
                     Object(BO_WallSwitch, 0, 0)};
    floar.floarActers = {
        {0, 0, BF_Exit, EXIT_LeaveFirst, 1, 1, 0, 0}, FloarSwitch(1), FloarSwitch(3)};
    return floar;
}

TEST(Floarlinks, LinksComeInTheOrderOfTheBuild) {
    const std::vector<TFloarLink> expected{
        {ObjectEnd(1), 0}, {ObjectEnd(2), 0}, {ObjectEnd(3), 2},
        {SwitchEnd(1), 0}, {SwitchEnd(2), 2},
    };
    EXPECT_EQ(FloarLinks(LinkedFloar()), expected);
    EXPECT_TRUE(FloarLinks(TFloarData{}).empty());
}

TEST(Floarlinks, ALinkTheBuildCannotMakeIsRaised) {
    auto floar = LinkedFloar();
    floar.objects[6].link = 2; // a wall switch linked with the wall switch 2 as well
    const auto message = GameErrorOf([&] { FloarLinks(floar); });
    EXPECT_NE(message.find(Sjis("7 番目の物体のリンク 2: 2 番目の物体の壁スイッチは既に")),
              std::string::npos)
        << SjisToUtf8(message);
}

TEST(Floarlinks, EveryProblemIsFoundAtTheRecordThatLinks) {
    auto floar = LinkedFloar();
    floar.objects[0].subKind = 3;                         // doors 1 and 2 cannot hold a link now
    floar.objects.push_back(Object(BO_WallSwitch, 0, 4)); // switch 4 is linked with 3 already
    floar.floarActers[2].arrivalXOrLink = 7;              // a wall switch without a link
    std::vector<TDataProblem> found;
    TPlacementProblems problems(found, 2, Sjis("フロア 2"));
    FindFloarLinkProblems(floar, problems);
    ASSERT_EQ(found.size(), 4u);
    const std::pair<TDataList, size_t> expected[] = {{TDataList::Objects, 1},
                                                     {TDataList::Objects, 2},
                                                     {TDataList::Objects, 7},
                                                     {TDataList::FloarActers, 1}};
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].group, 2u);
        EXPECT_EQ(found[i].list, expected[i].first) << i;
        EXPECT_EQ(found[i].record, expected[i].second) << i;
    }
    EXPECT_EQ(
        found[0].message,
        Sjis("フロア 2: 2 番目の物体のリンク 1: 1 番目の物体の扉 (副種類 3) はリンクできません "
             "(リンクできる扉は副種類 2 だけです)"));
}

} // namespace
