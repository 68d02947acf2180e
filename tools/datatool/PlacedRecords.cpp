#include "PlacedRecords.h"

#include "Names.h"
#include "YamlWrite.h"

void ReadPosition(const TYamlNode& node, const char* key, std::uint16_t& x, std::uint16_t& y) {
    if (!node.Has(key)) {
        node.Fail(std::string("missing field '") + key + "'");
    }
    const auto position = node.NumbersAt<std::uint16_t, 2>(key);
    x = position[0];
    y = position[1];
}

TBlockObje ReadBlockObje(const TYamlNode& node, const TPlacedNames& names) {
    node.AllowOnly({"at", "kind", "sub", "open", "dir", "link", "unused"});
    TBlockObje record{};
    ReadPosition(node, "at", record.x, record.y);
    record.kind = node.Get("kind").Number<std::uint8_t>(names.objectKinds);
    record.subKind = node.NumberAt<std::uint8_t>("sub", 0);
    record.startsOpen = node.NumberAt<std::uint8_t>("open", 0);
    record.direction = node.NumberAt<std::uint8_t>("dir", 0, DirectionNames);
    record.link = node.NumberAt<std::uint8_t>("link", 0);
    record.unused = node.NumberAt<std::uint8_t>("unused", 0);
    return record;
}

TBlockFloar ReadBlockFloar(const TYamlNode& node, const TPlacedNames& names) {
    node.AllowOnly({"at", "kind", "sub", "to", "link", "timer", names.targetField, "unused"});
    TBlockFloar record{};
    ReadPosition(node, "at", record.x, record.y);
    record.kind = node.Get("kind").Number<std::uint8_t>(FloarActerKindNames);
    record.subKind = node.NumberAt<std::uint8_t>("sub", 0);
    if (node.Has("to") && (node.Has("link") || node.Has("timer"))) {
        node.Fail("'to' and 'link'/'timer' are the same bytes; give one or the other");
    }
    if (node.Has("to")) {
        ReadPosition(node, "to", record.arrivalXOrLink, record.arrivalYOrTimer);
    } else {
        record.arrivalXOrLink = node.NumberAt<std::uint16_t>("link", 0);
        record.arrivalYOrTimer = node.NumberAt<std::uint16_t>("timer", 0);
    }
    record.targetFloar = node.NumberAt<std::uint8_t>(names.targetField, 0);
    record.unused = node.NumberAt<std::uint8_t>("unused", 0);
    return record;
}

void DumpBlockObje(YAML::Emitter& out, const TBlockObje& record, const TPlacedNames& names) {
    TRecordOut(out)
        .Position("at", record.x, record.y)
        .Named("kind", record.kind, names.objectKinds)
        .NumberIfSet("sub", record.subKind)
        .NumberIfSet("open", record.startsOpen)
        .Named("dir", record.direction, DirectionNames)
        .NumberIfSet("link", record.link)
        .NumberIfSet("unused", record.unused);
}

void DumpBlockFloar(YAML::Emitter& out, const TBlockFloar& record, const TPlacedNames& names) {
    TRecordOut line(out);
    line.Position("at", record.x, record.y)
        .Named("kind", record.kind, FloarActerKindNames)
        .NumberIfSet("sub", record.subKind);
    if (record.kind == BF_FloarSwitch) {
        line.NumberIfSet("link", record.arrivalXOrLink)
            .NumberIfSet("timer", record.arrivalYOrTimer);
    } else if (record.kind == BF_Exit || record.arrivalXOrLink != 0 ||
               record.arrivalYOrTimer != 0) {
        line.Position("to", record.arrivalXOrLink, record.arrivalYOrTimer);
    }
    line.NumberIfSet(names.targetField, record.targetFloar).NumberIfSet("unused", record.unused);
}
