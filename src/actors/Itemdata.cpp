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

std::uint8_t TEQData::ListedType(size_t index) const {
    size_t end = 0;
    for (std::uint8_t type = 1; type < EquipTypeCount; ++type) {
        end += listed[type - 1];
        if (index < end) {
            return type;
        }
    }
    return EquipTypeCount;
}

namespace {

std::string UnknownTypeProblem(size_t index, std::uint8_t type) {
    return Sjis("装備 ") + std::to_string(index + 1) + Sjis(" の種類 ") + std::to_string(type) +
           Sjis(" は 1 から 3 のはずです");
}

} // namespace

TEQData ReadEQData(TDataReader& reader) {
    TEQData data;
    for (auto& count : data.listed) {
        count = reader.ReadU8(Words().equipCount);
    }
    data.equipment = reader.ReadRecords<TEquipItemProp>(
        size_t{data.listed[0]} + data.listed[1] + data.listed[2], Words().equipment);
    for (size_t i = 0; i < data.equipment.size(); ++i) {
        const auto type = data.equipment[i].type;
        if (type < 1 || type > EquipTypeCount) {
            reader.FailContent(UnknownTypeProblem(i, type));
        }
    }
    RequireNamesEnded(reader, data.equipment, Words().equipment);
    reader.RequireEnd();
    return data;
}

void WriteEQData(TDataWriter& writer, const TEQData& data) {
    const size_t listed = size_t{data.listed[0]} + data.listed[1] + data.listed[2];
    if (listed != data.equipment.size()) {
        throw TGameError(Sjis("装備の数 ") + std::to_string(listed) + Sjis(" が記録の数 ") +
                         std::to_string(data.equipment.size()) + Sjis(" と合いません"));
    }
    for (size_t i = 0; i < data.equipment.size(); ++i) {
        const auto type = data.equipment[i].type;
        if (type < 1 || type > EquipTypeCount) {
            throw TGameError(UnknownTypeProblem(i, type));
        }
    }
    for (const auto count : data.listed) {
        writer.WriteU8(count);
    }
    WriteProps(writer, data.equipment, Words().equipment);
}

TEQData LoadEQData(std::string_view sjisName) {
    auto reader = TDataReader::FromFile(sjisName);
    return ReadEQData(reader);
}

const TEquipItemProp* FindEquipment(const std::vector<TEquipItemProp>& equipment, std::int32_t id) {
    const auto found = std::find_if(equipment.begin(), equipment.end(),
                                    [id](const TEquipItemProp& prop) { return prop.id == id; });
    return found == equipment.end() ? nullptr : &*found;
}
