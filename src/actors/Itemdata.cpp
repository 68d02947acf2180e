#include "actors/Itemdata.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

bool NameIsEnded(const char (&name)[PropNameSize]) {
    return std::memchr(name, '\0', PropNameSize) != nullptr;
}

std::string UnendedNameProblem(const std::string& what, size_t index) {
    return what + " " + std::to_string(index + 1) + Sjis(" の名前が NUL で終わっていません");
}

template <typename Prop>
void RequireNamesEnded(const TDataReader& reader, const std::vector<Prop>& props,
                       const std::string& what) {
    for (size_t i = 0; i < props.size(); ++i) {
        if (!NameIsEnded(props[i].name)) {
            reader.FailContent(UnendedNameProblem(what, i));
        }
    }
}

template <typename Prop>
void WriteProps(TDataWriter& writer, const std::vector<Prop>& props, const std::string& what) {
    for (size_t i = 0; i < props.size(); ++i) {
        if (!NameIsEnded(props[i].name)) {
            throw TGameError(UnendedNameProblem(what, i));
        }
    }
    writer.WriteRecords(props);
}

constexpr std::uint8_t EquipTypeCount = 3;

// Names of what is read, for the error messages; converted once.
struct TItemWords {
    std::string keyCount = Sjis("鍵の数");
    std::string toolCount = Sjis("道具の数");
    std::string keys = Sjis("鍵");
    std::string tools = Sjis("道具");
    std::string equipCount = Sjis("装備の数");
    std::string equipment = Sjis("装備");
};

const TItemWords& Words() {
    static const TItemWords words;
    return words;
}

} // namespace

std::string PropName(const char (&name)[PropNameSize]) {
    const auto end = std::find(std::begin(name), std::end(name), '\0');
    return std::string(std::begin(name), end);
}

void SetPropName(char (&name)[PropNameSize], const std::string& sjisText) {
    if (sjisText.size() >= PropNameSize || sjisText.find('\0') != std::string::npos) {
        throw TGameError(Sjis("名前が長すぎます (") + std::to_string(PropNameSize - 1) +
                         Sjis("バイトまで): ") + sjisText);
    }
    std::fill(std::begin(name), std::end(name), '\0');
    std::copy(sjisText.begin(), sjisText.end(), std::begin(name));
}

TItemData ReadItemData(TDataReader& reader) {
    const size_t keyCount = reader.ReadU8(Words().keyCount);
    const size_t toolCount = reader.ReadU8(Words().toolCount);
    TItemData items;
    items.keys = reader.ReadRecords<TItemProp>(keyCount, Words().keys);
    items.tools = reader.ReadRecords<TItemProp>(toolCount, Words().tools);
    RequireNamesEnded(reader, items.keys, Words().keys);
    RequireNamesEnded(reader, items.tools, Words().tools);
    reader.RequireEnd();
    return items;
}

void WriteItemData(TDataWriter& writer, const TItemData& items) {
    writer.WriteCountU8(items.keys.size(), Words().keyCount);
    writer.WriteCountU8(items.tools.size(), Words().toolCount);
    WriteProps(writer, items.keys, Words().keys);
    WriteProps(writer, items.tools, Words().tools);
}

TItemData LoadItemData(std::string_view sjisName) {
    auto reader = TDataReader::FromFile(sjisName);
    return ReadItemData(reader);
}

std::vector<TEquipItemProp> ReadEQData(TDataReader& reader) {
    std::array<size_t, EquipTypeCount> counts{};
    for (auto& count : counts) {
        count = reader.ReadU8(Words().equipCount);
    }
    auto equipment =
        reader.ReadRecords<TEquipItemProp>(counts[0] + counts[1] + counts[2], Words().equipment);
    size_t index = 0;
    for (std::uint8_t type = 1; type <= EquipTypeCount; ++type) {
        for (size_t i = 0; i < counts[type - 1]; ++i, ++index) {
            if (equipment[index].type != type) {
                reader.FailContent(Sjis("装備 ") + std::to_string(index + 1) + Sjis(" の種類 ") +
                                   std::to_string(equipment[index].type) + Sjis(" が種類 ") +
                                   std::to_string(type) + Sjis(" の並びにあります"));
            }
        }
    }
    RequireNamesEnded(reader, equipment, Words().equipment);
    reader.RequireEnd();
    return equipment;
}

void WriteEQData(TDataWriter& writer, const std::vector<TEquipItemProp>& equipment) {
    std::array<size_t, EquipTypeCount> counts{};
    std::uint8_t previousType = 1;
    for (const auto& prop : equipment) {
        if (prop.type < previousType || prop.type > EquipTypeCount) {
            throw TGameError(Sjis("装備は種類 1, 2, 3 の順に並べてください: ") +
                             PropName(prop.name) + Sjis(" の種類 ") + std::to_string(prop.type));
        }
        previousType = prop.type;
        ++counts[prop.type - 1];
    }
    for (const auto count : counts) {
        writer.WriteCountU8(count, Words().equipCount);
    }
    WriteProps(writer, equipment, Words().equipment);
}

std::vector<TEquipItemProp> LoadEQData(std::string_view sjisName) {
    auto reader = TDataReader::FromFile(sjisName);
    return ReadEQData(reader);
}

const TEquipItemProp* FindEquipment(const std::vector<TEquipItemProp>& equipment, std::int32_t id) {
    const auto found = std::find_if(equipment.begin(), equipment.end(),
                                    [id](const TEquipItemProp& prop) { return prop.id == id; });
    return found == equipment.end() ? nullptr : &*found;
}
