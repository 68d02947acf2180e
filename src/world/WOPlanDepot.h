#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TDataReader;
class TDataWriter;

// The plan files map the piece ids of the block records to body numbers.
inline constexpr std::string_view WallObjeFile = "Data/WallObje";
inline constexpr std::string_view BigWallObjeFile = "Data/BigWallObje";
inline constexpr std::string_view FloarObjeFile = "Data/FloarObje";

#pragma pack(push, 1)

// A wall piece or floor tile.
struct TObjePlanMini {
    std::int32_t id;
    std::int32_t bodyNumber; // 0: no body

    bool operator==(const TObjePlanMini&) const = default;
};
static_assert(sizeof(TObjePlanMini) == 8);

// A big village object.
struct TBigObjePlan {
    std::int32_t id;
    std::int32_t unused;
    std::int32_t bodyNumber;

    bool operator==(const TBigObjePlan&) const = default;
};
static_assert(sizeof(TBigObjePlan) == 12);

#pragma pack(pop)

// A plan as stored: the game never uses the name, our tools show it.
template <typename TPlan> struct TWOPlanEntry {
    TPlan plan{};
    std::string name;

    bool operator==(const TWOPlanEntry&) const = default;
};

template <typename TPlan> using TWOPlanFile = std::vector<TWOPlanEntry<TPlan>>;

// Raises TGameError naming the file on a short or malformed file.
template <typename TPlan> TWOPlanFile<TPlan> ReadWOPlanFile(TDataReader& reader);
template <typename TPlan>
void WriteWOPlanFile(TDataWriter& writer, const TWOPlanFile<TPlan>& plans);

// The plans of one file, in file order.
template <typename TPlan> class TWOPlanDepot {
public:
    // Raises "ファイルが見つかりません " with the name when the file does not exist.
    explicit TWOPlanDepot(std::string_view sjisName);

    // The first plan with this id, or nullptr.
    const TPlan* FindPlan(std::int32_t id) const;
    // The first plan with this id; raises TGameError naming the id and the
    // file when there is none.
    const TPlan& RequirePlan(std::int32_t id) const;
    const std::vector<TPlan>& Plans() const { return plans; }

private:
    std::string fileName;
    std::vector<TPlan> plans;
};

extern template TWOPlanFile<TObjePlanMini> ReadWOPlanFile(TDataReader&);
extern template TWOPlanFile<TBigObjePlan> ReadWOPlanFile(TDataReader&);
extern template void WriteWOPlanFile(TDataWriter&, const TWOPlanFile<TObjePlanMini>&);
extern template void WriteWOPlanFile(TDataWriter&, const TWOPlanFile<TBigObjePlan>&);
extern template class TWOPlanDepot<TObjePlanMini>;
extern template class TWOPlanDepot<TBigObjePlan>;
